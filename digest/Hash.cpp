#include "digest/Hash.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <streambuf>
#include <system_error>

#include "digest/HashExceptions.h"
#include "digest/WordOps.h"

#if defined(_WIN32)
#include <share.h>
#endif

namespace keyloom {

namespace {

constexpr std::int64_t kDefaultChunk = 65536;

// A read-only, seekable stream buffer over a C file, so that a file can be opened with
// the platform's sharing mode and still be fed through AddStream.
class FileReadBuffer final : public std::streambuf {
 public:
  explicit FileReadBuffer(std::FILE* file) : file_(file) { setg(area_, area_, area_); }
  ~FileReadBuffer() override { std::fclose(file_); }
  FileReadBuffer(const FileReadBuffer&) = delete;
  FileReadBuffer& operator=(const FileReadBuffer&) = delete;

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    const std::size_t n = std::fread(area_, 1, sizeof area_, file_);
    setg(area_, area_, area_ + n);
    if (n == 0) return traits_type::eof();
    return traits_type::to_int_type(*gptr());
  }

  std::streamsize xsgetn(char* out, std::streamsize count) override {
    std::streamsize done = 0;
    const std::streamsize buffered = std::min<std::streamsize>(egptr() - gptr(), count);
    if (buffered > 0) {
      std::copy(gptr(), gptr() + buffered, out);
      gbump(static_cast<int>(buffered));
      done = buffered;
    }
    if (done < count) {
      done += static_cast<std::streamsize>(
          std::fread(out + done, 1, static_cast<std::size_t>(count - done), file_));
    }
    return done;
  }

  pos_type seekoff(off_type offset, std::ios_base::seekdir dir, std::ios_base::openmode) override {
    const std::int64_t pending = egptr() - gptr();
    if (dir == std::ios_base::cur) {
      if (offset == 0) {
        const std::int64_t here = Tell();
        return here < 0 ? pos_type(off_type(-1)) : pos_type(here - pending);
      }
      offset -= static_cast<off_type>(pending);
    }
    setg(area_, area_, area_);
    const int origin = dir == std::ios_base::beg   ? SEEK_SET
                       : dir == std::ios_base::end ? SEEK_END
                                                   : SEEK_CUR;
    if (Seek(static_cast<std::int64_t>(offset), origin) != 0) return pos_type(off_type(-1));
    return pos_type(Tell());
  }

  pos_type seekpos(pos_type position, std::ios_base::openmode mode) override {
    return seekoff(off_type(position), std::ios_base::beg, mode);
  }

 private:
  int Seek(std::int64_t offset, int origin) {
#if defined(_WIN32)
    return _fseeki64(file_, offset, origin);
#else
    return fseeko(file_, static_cast<off_t>(offset), origin);
#endif
  }
  std::int64_t Tell() {
#if defined(_WIN32)
    return _ftelli64(file_);
#else
    return static_cast<std::int64_t>(ftello(file_));
#endif
  }

  std::FILE* file_;
  char area_[65536];
};

// Opens the file for reading while other processes may read but not write it, where the
// platform can deny that; null when it cannot be opened.
std::FILE* OpenDenyingWriters(const std::filesystem::path& path) {
#if defined(_WIN32)
  return _wfsopen(path.c_str(), L"rb", _SH_DENYWR);
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

// ---- THashBuffer ----

bool THashBuffer::TakeFrom(const std::uint8_t* input, std::size_t input_length, std::size_t& start,
                           std::size_t& count, std::uint64_t& total) {
  if (input_length == 0 || count == 0) return false;
  const std::size_t room = Bytes.size() - static_cast<std::size_t>(Fill);
  const std::size_t n = std::min(room, count);
  std::copy(input + start, input + start + n, Bytes.begin() + Fill);
  Fill += static_cast<std::int32_t>(n);
  start += n;
  count -= n;
  total += n;
  return Fill == Capacity();
}

THashBytes& THashBuffer::Drain() {
  Fill = 0;
  return Bytes;
}

THashBytes& THashBuffer::DrainZeroPadded() {
  std::fill(Bytes.begin() + Fill, Bytes.end(), std::uint8_t{0});
  Fill = 0;
  return Bytes;
}

void THashBuffer::ClearBuffer() {
  Fill = 0;
  std::fill(Bytes.begin(), Bytes.end(), std::uint8_t{0});
}

// ---- THash ----

void THash::SetBufferSize(std::int32_t size) {
  if (size <= 0) throw EArgumentHashException("BufferSize must be greater than zero");
  buffer_size_ = size;
}

void THash::AddText(const ByteString& text, const TextEncoding* encoding) {
  AddBytes(TextToBytes(text, encoding));
}

void THash::AddBytes(const THashBytes& bytes) {
  AddBytes(bytes, 0, bytes.size());
}

void THash::AddBytes(const THashBytes& bytes, std::size_t start) {
  if (start > bytes.size()) {
    throw EIndexOutOfRangeHashException("Start index lies beyond the end of the byte array");
  }
  AddBytes(bytes, start, bytes.size() - start);
}

void THash::AddMemory(const void* block, std::int64_t count) {
  if (block == nullptr) return;
  if (count < 0) throw EArgumentHashException("Count of bytes cannot be negative");
  const auto* bytes = static_cast<const std::uint8_t*>(block);
  const std::int64_t chunk = BufferSize() > count ? kDefaultChunk : BufferSize();
  THashBytes work(static_cast<std::size_t>(std::min(chunk, count)));
  std::int64_t done = 0;
  while (done < count) {
    const auto n = static_cast<std::size_t>(std::min(chunk, count - done));
    std::copy(bytes + done, bytes + done + n, work.begin());
    AddBytes(work, 0, n);
    done += static_cast<std::int64_t>(n);
  }
  digest_detail::WipeMemory(work.data(), work.size());
}

void THash::AddStream(std::istream* stream, std::int64_t count) {
  if (stream == nullptr) throw EArgumentNilHashException("AStream cannot be nil");
  if (count < -1) throw EArgumentHashException("Count of bytes cannot be below -1");
  const std::int64_t position = static_cast<std::int64_t>(stream->tellg());
  stream->seekg(0, std::ios_base::end);
  const std::int64_t size = static_cast<std::int64_t>(stream->tellg());
  stream->seekg(position, std::ios_base::beg);
  if (position < 0 || size < 0) throw EArgumentHashException("AStream cannot be positioned");
  if (count > -1 && position + count > size) {
    throw EIndexOutOfRangeHashException("Cannot read beyond stream end");
  }
  if (position >= size) return;

  const std::int64_t chunk = BufferSize() > size ? kDefaultChunk : BufferSize();
  THashBytes work(static_cast<std::size_t>(chunk));
  std::int64_t fed = 0;
  for (;;) {
    stream->read(reinterpret_cast<char*>(work.data()), static_cast<std::streamsize>(chunk));
    const std::int64_t got = static_cast<std::int64_t>(stream->gcount());
    if (stream->bad()) throw EHashException("Error reading from stream");
    if (count == -1) {
      AddBytes(work, 0, static_cast<std::size_t>(got));
      if (got < chunk) break;
    } else if (fed + got >= count) {
      AddBytes(work, 0, static_cast<std::size_t>(count - fed));
      break;
    } else {
      AddBytes(work, 0, static_cast<std::size_t>(got));
      fed += got;
      if (got == 0) break;
    }
  }
  // A short last read leaves end-of-file set; the stream stays usable for its caller.
  if (stream->eof()) stream->clear();
  digest_detail::WipeMemory(work.data(), work.size());
}

void THash::AddFile(const ByteString& file_name, std::int64_t from, std::int64_t count) {
  const std::filesystem::path path(file_name.ToUtf16());
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw EArgumentHashException("File \"" + file_name.Bytes() + "\" not found");
  }
  std::FILE* file = OpenDenyingWriters(path);
  if (file == nullptr) throw EArgumentHashException("File \"" + file_name.Bytes() + "\" not found");
  FileReadBuffer buffer(file);
  std::istream in(&buffer);
  in.seekg(static_cast<std::streamoff>(from), std::ios_base::beg);
  AddStream(&in, count);
}

IDigestResultPtr THash::DigestOfText(const ByteString& text, const TextEncoding* encoding) {
  const THashBytes bytes = TextToBytes(text, encoding);
  return DigestOfBytes(bytes);
}

IDigestResultPtr THash::DigestOfBytes(const THashBytes& bytes) {
  Reset();
  AddBytes(bytes);
  return FinishDigest();
}

IDigestResultPtr THash::DigestOfMemory(const void* block, std::int64_t count) {
  Reset();
  AddMemory(block, count);
  return FinishDigest();
}

IDigestResultPtr THash::DigestOfStream(std::istream* stream, std::int64_t count) {
  Reset();
  AddStream(stream, count);
  return FinishDigest();
}

IDigestResultPtr THash::DigestOfFile(const ByteString& file_name, std::int64_t from,
                                     std::int64_t count) {
  Reset();
  AddFile(file_name, from, count);
  return FinishDigest();
}

IDigestPtr THash::Clone() const {
  throw ENotImplementedHashException("Clone function not implemented for \"" +
                                     AlgorithmName().Bytes() + "\" hash");
}

// ---- TBlockHash ----

TBlockHash::TBlockHash(std::int32_t digest_length, std::int32_t block_length,
                       std::int32_t buffer_size)
    : THash(digest_length, block_length), buffer_(buffer_size == -1 ? block_length : buffer_size) {}

void TBlockHash::Reset() {
  buffer_.ClearBuffer();
  total_bytes_ = 0;
}

void TBlockHash::AddBytes(const THashBytes& bytes, std::size_t start, std::size_t count) {
  if (start > bytes.size() || count > bytes.size() - start) {
    throw EIndexOutOfRangeHashException("Bytes to feed lie beyond the end of the byte array");
  }
  Feed(bytes.data(), bytes.size(), start, count);
}

void TBlockHash::Feed(const std::uint8_t* data, std::size_t length, std::size_t start,
                      std::size_t count) {
  const std::int32_t block = buffer_.Capacity();
  const auto block_size = static_cast<std::size_t>(block);
  if (buffer_.Fill > 0 && buffer_.TakeFrom(data, length, start, count, total_bytes_)) {
    CompressBlock(buffer_.Drain().data(), block, 0);
  }
  // The longest run of whole blocks whose byte count still fits the int32_t parameter.
  const std::size_t max_run = static_cast<std::size_t>(INT32_MAX / block) * block_size;
  while (count >= block_size) {
    const std::size_t run = std::min(count - count % block_size, max_run);
    total_bytes_ += run;
    CompressBlock(data, static_cast<std::int32_t>(run), start);
    start += run;
    count -= run;
  }
  if (count > 0) buffer_.TakeFrom(data, length, start, count, total_bytes_);
}

IDigestResultPtr TBlockHash::FinishDigest() {
  AppendPadding();
  THashBytes digest = ReadOutDigest();
  Reset();
  return std::make_shared<THashResult>(std::move(digest));
}

void TBlockHash::AppendLengthPadding(int field_width, bool big_endian) {
  const std::uint64_t total = total_bytes_;
  const std::uint64_t low_bits = total << 3;
  const std::uint64_t high_bits = total >> 61;
  const int block = BlockLength();
  const int fill = buffer_.Fill;
  const int pad =
      fill < block - field_width ? (block - field_width) - fill : (2 * block - field_width) - fill;
  std::array<std::uint8_t, 256> tail{};
  tail[0] = 0x80;
  std::uint8_t* field = tail.data() + pad;
  if (big_endian) {
    if (field_width == 16) digest_detail::StoreBigEndian64(field, high_bits);
    digest_detail::StoreBigEndian64(field + field_width - 8, low_bits);
  } else {
    digest_detail::StoreLittleEndian64(field, low_bits);
    if (field_width == 16) digest_detail::StoreLittleEndian64(field + 8, high_bits);
  }
  const auto n = static_cast<std::size_t>(pad + field_width);
  Feed(tail.data(), n, 0, n);
}

}  // namespace keyloom
