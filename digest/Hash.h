// The engine framework: the operation set every digest engine answers to, the engine base
// that feeds and finishes, and the block base with its one-block buffer and length padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>

#include "bytestring/ByteString.h"
#include "digest/Converters.h"
#include "digest/HashResult.h"

namespace keyloom {

class IDigest;
using IDigestPtr = std::shared_ptr<IDigest>;

// Everything a caller can do with a digest engine. Streams are std::istream objects that
// can report and change their position; a null stream is rejected.
class IDigest {
 public:
  virtual ~IDigest() = default;
  virtual std::int32_t BlockLength() const = 0;
  virtual std::int32_t DigestLength() const = 0;
  virtual std::int32_t BufferSize() const = 0;
  // Raises EArgumentHashException for a size <= 0 and keeps the old size.
  virtual void SetBufferSize(std::int32_t size) = 0;
  virtual ByteString AlgorithmName() const = 0;
  virtual void Reset() = 0;
  virtual void AddText(const ByteString& text, const TextEncoding* encoding) = 0;
  virtual void AddBytes(const THashBytes& bytes) = 0;
  virtual void AddBytes(const THashBytes& bytes, std::size_t start) = 0;
  virtual void AddBytes(const THashBytes& bytes, std::size_t start, std::size_t count) = 0;
  virtual void AddMemory(const void* block, std::int64_t count) = 0;
  // count -1 feeds everything from the stream's position to its end.
  virtual void AddStream(std::istream* stream, std::int64_t count) = 0;
  // count -1 feeds everything from offset `from` to the end of the file.
  virtual void AddFile(const ByteString& file_name, std::int64_t from, std::int64_t count) = 0;
  // Returns the digest and leaves the engine reset.
  virtual IDigestResultPtr FinishDigest() = 0;
  virtual IDigestResultPtr DigestOfText(const ByteString& text, const TextEncoding* encoding) = 0;
  virtual IDigestResultPtr DigestOfBytes(const THashBytes& bytes) = 0;
  virtual IDigestResultPtr DigestOfMemory(const void* block, std::int64_t count) = 0;
  virtual IDigestResultPtr DigestOfStream(std::istream* stream, std::int64_t count) = 0;
  virtual IDigestResultPtr DigestOfFile(const ByteString& file_name, std::int64_t from,
                                        std::int64_t count) = 0;
  // An independent engine of the same class in the same state.
  virtual IDigestPtr Clone() const = 0;
};

// A cryptographic digest; adds nothing to IDigest.
class ICryptoDigest : public virtual IDigest {};
// Tags that say what kind of engine an object is.
class IBlockDigest {
 public:
  virtual ~IBlockDigest() = default;
};
class IBlockTransform {
 public:
  virtual ~IBlockTransform() = default;
};

// The partial block that waits for more input.
struct THashBuffer {
  explicit THashBuffer(std::int32_t capacity)
      : Bytes(static_cast<std::size_t>(capacity), 0), Fill(0) {}

  std::int32_t Capacity() const { return static_cast<std::int32_t>(Bytes.size()); }
  // Moves as many of input[start..start+count) as fit into the buffer, advancing start and
  // total and lowering count. True when the buffer is then full. Changes nothing when the
  // input or count is empty.
  bool TakeFrom(const std::uint8_t* input, std::size_t input_length, std::size_t& start,
                std::size_t& count, std::uint64_t& total);
  // Empties the buffer and hands out its bytes.
  THashBytes& Drain();
  // Zeroes the bytes after the fill, empties the buffer and hands out its bytes.
  THashBytes& DrainZeroPadded();
  void ClearBuffer();

  THashBytes Bytes;
  std::int32_t Fill;
};

class THash : public virtual IDigest {
 public:
  std::int32_t BlockLength() const override { return block_length_; }
  virtual void SetBlockLength(std::int32_t length) { block_length_ = length; }
  std::int32_t DigestLength() const override { return digest_length_; }
  virtual void SetDigestLength(std::int32_t length) { digest_length_ = length; }
  std::int32_t BufferSize() const override { return buffer_size_; }
  void SetBufferSize(std::int32_t size) override;
  ByteString AlgorithmName() const override { return "THash"; }

  void AddText(const ByteString& text, const TextEncoding* encoding) override;
  void AddBytes(const THashBytes& bytes) override;
  void AddBytes(const THashBytes& bytes, std::size_t start) override;
  void AddBytes(const THashBytes& bytes, std::size_t start, std::size_t count) override = 0;
  void AddMemory(const void* block, std::int64_t count) override;
  void AddStream(std::istream* stream, std::int64_t count) override;
  void AddFile(const ByteString& file_name, std::int64_t from, std::int64_t count) override;

  IDigestResultPtr DigestOfText(const ByteString& text, const TextEncoding* encoding) override;
  IDigestResultPtr DigestOfBytes(const THashBytes& bytes) override;
  IDigestResultPtr DigestOfMemory(const void* block, std::int64_t count) override;
  IDigestResultPtr DigestOfStream(std::istream* stream, std::int64_t count) override;
  IDigestResultPtr DigestOfFile(const ByteString& file_name, std::int64_t from,
                                std::int64_t count) override;
  // Raises ENotImplementedHashException; every concrete engine class has its own.
  IDigestPtr Clone() const override;

 protected:
  THash(std::int32_t digest_length, std::int32_t block_length)
      : block_length_(block_length), digest_length_(digest_length) {}
  THash(const THash&) = default;
  THash& operator=(const THash&) = default;

 private:
  std::int32_t block_length_;
  std::int32_t digest_length_;
  std::int32_t buffer_size_ = 65536;
};

class TBlockHash : public THash, public IBlockDigest {
 public:
  using THash::AddBytes;
  void Reset() override;
  void AddBytes(const THashBytes& bytes, std::size_t start, std::size_t count) override;
  IDigestResultPtr FinishDigest() override;

  std::uint64_t TotalBytes() const { return total_bytes_; }

 protected:
  // buffer_size -1 makes the buffer one block long.
  TBlockHash(std::int32_t digest_length, std::int32_t block_length, std::int32_t buffer_size);
  TBlockHash(const TBlockHash&) = default;
  TBlockHash& operator=(const TBlockHash&) = default;

  // Feeds the closing bytes, or compresses the last block itself.
  virtual void AppendPadding() = 0;
  // Compresses the `count` bytes at bytes[start], a whole number of blocks (at least one).
  // A run of blocks in one call lets the engine keep its state in registers and wipe its
  // working area once, instead of paying a virtual call and a wipe for every block.
  virtual void CompressBlock(const std::uint8_t* bytes, std::int32_t count, std::size_t start) = 0;
  virtual THashBytes ReadOutDigest() = 0;

  // The pointer form behind AddBytes: whole blocks straight from `data`, the rest buffered.
  void Feed(const std::uint8_t* data, std::size_t length, std::size_t start, std::size_t count);
  // 0x80, zeros and the message length in bits in a field of `field_width` (8 or 16) bytes,
  // so that the message ends on a block boundary.
  void AppendLengthPadding(int field_width, bool big_endian);

  THashBuffer buffer_;

 private:
  std::uint64_t total_bytes_ = 0;
};

}  // namespace keyloom
