// The shared engine framework: feeding in pieces, reset and clone rules, memory, stream and
// file input, the misuse errors with their messages, the result's views and the converters.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "digest/HashExceptions.h"
#include "digest/Md5Sha1.h"
#include "digest/Sha2.h"
#include "digest/Sha3.h"

namespace keyloom {
namespace {

struct EngineKind {
  const char* class_name;
  std::int32_t digest_length;
  std::int32_t block_length;
  std::function<IDigestPtr()> make;
};

const EngineKind kEngines[] = {
    {"TMD5", 16, 64, [] { return std::make_shared<TMD5>(); }},
    {"TSHA0", 20, 64, [] { return std::make_shared<TSHA0>(); }},
    {"TSHA1", 20, 64, [] { return std::make_shared<TSHA1>(); }},
    {"TSHA2_256", 32, 64, [] { return std::make_shared<TSHA2_256>(); }},
    {"TSHA2_384", 48, 128, [] { return std::make_shared<TSHA2_384>(); }},
    {"TSHA2_512", 64, 128, [] { return std::make_shared<TSHA2_512>(); }},
    {"TSHA3_256", 32, 136, [] { return std::make_shared<TSHA3_256>(); }},
    {"TSHA3_384", 48, 104, [] { return std::make_shared<TSHA3_384>(); }},
    {"TSHA3_512", 64, 72, [] { return std::make_shared<TSHA3_512>(); }},
};

THashBytes RandomBytes(std::size_t n, std::uint32_t seed) {
  std::mt19937 random(seed);
  THashBytes bytes(n);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

THashBytes Slice(const THashBytes& bytes, std::size_t start, std::size_t count) {
  return THashBytes(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                    bytes.begin() + static_cast<std::ptrdiff_t>(start + count));
}

// Runs `action` and returns the message of the EHashException it raises, checking its kind.
template <typename Expected>
std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Expected& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return std::string("wrong exception: ") + e.what();
  }
  return "nothing raised";
}

class EachEngine : public ::testing::TestWithParam<EngineKind> {};

TEST_P(EachEngine, SizesNameAndKind) {
  const EngineKind& kind = GetParam();
  const IDigestPtr engine = kind.make();
  EXPECT_EQ(engine->AlgorithmName().Bytes(), kind.class_name);
  EXPECT_EQ(engine->DigestLength(), kind.digest_length);
  EXPECT_EQ(engine->BlockLength(), kind.block_length);
  EXPECT_EQ(engine->BufferSize(), 65536);
  EXPECT_NE(std::dynamic_pointer_cast<ICryptoDigest>(engine), nullptr);
  EXPECT_NE(std::dynamic_pointer_cast<IBlockDigest>(engine), nullptr);
  EXPECT_NE(std::dynamic_pointer_cast<IBlockTransform>(engine), nullptr);
}

TEST_P(EachEngine, DigestDoesNotDependOnHowTheInputIsCut) {
  const IDigestPtr engine = GetParam().make();
  const THashBytes message = RandomBytes(5000, 1);
  const THashBytes whole = engine->DigestOfBytes(message)->CopyBytes();

  for (std::size_t piece : {1, 63, 64, 65, 1000}) {
    engine->Reset();
    for (std::size_t at = 0; at < message.size(); at += piece) {
      engine->AddBytes(message, at, std::min(piece, message.size() - at));
      engine->AddBytes(THashBytes());    // an empty array changes nothing
      engine->AddBytes(message, at, 0);  // nor does a count of zero
    }
    EXPECT_EQ(engine->FinishDigest()->CopyBytes(), whole) << "pieces of " << piece;
  }
}

TEST_P(EachEngine, FinishingResetsTheEngine) {
  const IDigestPtr engine = GetParam().make();
  const THashBytes empty = engine->DigestOfBytes(THashBytes())->CopyBytes();
  engine->Reset();
  EXPECT_EQ(engine->FinishDigest()->CopyBytes(), empty);
  engine->Reset();
  engine->AddBytes(RandomBytes(300, 2));
  const THashBytes first = engine->FinishDigest()->CopyBytes();
  EXPECT_EQ(engine->FinishDigest()->CopyBytes(), empty) << "finishing again at once";
  engine->AddBytes(RandomBytes(300, 2));
  EXPECT_EQ(engine->FinishDigest()->CopyBytes(), first);
}

TEST_P(EachEngine, FeedingACloneLeavesItsOriginAlone) {
  const IDigestPtr engine = GetParam().make();
  const THashBytes message = RandomBytes(777, 3);
  const THashBytes whole = engine->DigestOfBytes(message)->CopyBytes();
  engine->Reset();
  engine->AddBytes(message, 0, 300);
  const IDigestPtr clone = engine->Clone();
  clone->SetBufferSize(10);
  clone->AddBytes(RandomBytes(1000, 4));  // different bytes into the clone only
  engine->AddBytes(message, 300);
  EXPECT_EQ(engine->BufferSize(), 65536);
  EXPECT_EQ(engine->FinishDigest()->CopyBytes(), whole);
}

TEST_P(EachEngine, MemoryStreamAndFileInputMatchBytes) {
  const IDigestPtr engine = GetParam().make();
  const THashBytes data = RandomBytes(3000, 5);
  engine->SetBufferSize(7);

  EXPECT_EQ(engine->DigestOfMemory(data.data(), 3000)->CopyBytes(),
            engine->DigestOfBytes(data)->CopyBytes());
  engine->Reset();
  engine->AddMemory(nullptr, 100);  // an absent block feeds nothing
  EXPECT_EQ(engine->FinishDigest()->CopyBytes(), engine->DigestOfBytes({})->CopyBytes());

  std::istringstream stream(std::string(data.begin(), data.end()));
  stream.seekg(100);
  EXPECT_EQ(engine->DigestOfStream(&stream, 250)->CopyBytes(),
            engine->DigestOfBytes(Slice(data, 100, 250))->CopyBytes());

  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("keyloom_digest_" + std::string(GetParam().class_name) + ".bin");
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), 3000);
  }
  const ByteString name(path.string(), kUtf8CodePage);
  EXPECT_EQ(engine->DigestOfFile(name, 0, -1)->CopyBytes(),
            engine->DigestOfBytes(data)->CopyBytes());
  EXPECT_EQ(engine->DigestOfFile(name, 1000, -1)->CopyBytes(),
            engine->DigestOfBytes(Slice(data, 1000, 2000))->CopyBytes());
  EXPECT_EQ(engine->DigestOfFile(name, 10, 1234)->CopyBytes(),
            engine->DigestOfBytes(Slice(data, 10, 1234))->CopyBytes());
  engine->SetBufferSize(65536);
  EXPECT_EQ(engine->DigestOfFile(name, 2999, 1)->CopyBytes(),
            engine->DigestOfBytes(Slice(data, 2999, 1))->CopyBytes());
  std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(Engines, EachEngine, ::testing::ValuesIn(kEngines),
                         [](const ::testing::TestParamInfo<EngineKind>& info) {
                           return std::string(info.param.class_name);
                         });

TEST(Stream, CountZeroAndReadsAtTheEndFeedNothing) {
  TSHA2_256 engine;
  const THashBytes empty = engine.DigestOfBytes({})->CopyBytes();
  std::istringstream stream("0123456789");
  stream.seekg(3);
  EXPECT_EQ(engine.DigestOfStream(&stream, 0)->CopyBytes(), empty);
  stream.seekg(0, std::ios::end);
  EXPECT_EQ(engine.DigestOfStream(&stream, -1)->CopyBytes(), empty);
  EXPECT_EQ(engine.DigestOfStream(&stream, 0)->CopyBytes(), empty);
}

// A block engine that keeps THash's Clone, as the abstract bases do.
class TTestBlockHash final : public TSHA2_256Base {
 public:
  TTestBlockHash() : TSHA2_256Base(32) {}
  ByteString AlgorithmName() const override { return "TTestBlockHash"; }

 protected:
  THashBytes ReadOutDigest() override { return THashBytes(32); }
};

TEST(Errors, MessagesAndKindsAreExact) {
  TSHA1 engine;
  std::istringstream ten("0123456789");
  ten.seekg(4);

  EXPECT_EQ(MessageOf<EArgumentNilHashException>([] { TextToBytes("abc", nullptr); }),
            "AEncoding cannot be nil");
  EXPECT_EQ(MessageOf<EArgumentNilHashException>([] { BytesToText({1}, nullptr); }),
            "AEncoding cannot be nil");
  EXPECT_EQ(MessageOf<EArgumentNilHashException>([&] { engine.AddText("abc", nullptr); }),
            "AEncoding cannot be nil");
  EXPECT_EQ(MessageOf<EArgumentNilHashException>([&] { engine.AddStream(nullptr, -1); }),
            "AStream cannot be nil");
  EXPECT_EQ(MessageOf<EArgumentNilHashException>([&] { engine.DigestOfStream(nullptr, 5); }),
            "AStream cannot be nil");
  EXPECT_EQ(MessageOf<EIndexOutOfRangeHashException>([&] { engine.AddStream(&ten, 7); }),
            "Cannot read beyond stream end");
  EXPECT_EQ(MessageOf<EArgumentHashException>([&] { engine.SetBufferSize(0); }),
            "BufferSize must be greater than zero");
  EXPECT_EQ(MessageOf<EArgumentHashException>([&] { engine.SetBufferSize(-1); }),
            "BufferSize must be greater than zero");
  EXPECT_EQ(engine.BufferSize(), 65536);
  EXPECT_EQ(MessageOf<EArgumentHashException>(
                [&] { engine.DigestOfFile("/nonexistent/keyloom.bin", 0, -1); }),
            "File \"/nonexistent/keyloom.bin\" not found");
  EXPECT_EQ(MessageOf<ENotImplementedHashException>([] { TTestBlockHash().Clone(); }),
            "Clone function not implemented for \"TTestBlockHash\" hash");
  EXPECT_EQ(
      MessageOf<EInvalidOperationHashException>([&] { TMD5().DigestOfBytes({})->AsUInt32(); }),
      "The size of the byte array (16) and integer type (4) have to match.");

  try {
    TTestBlockHash().Clone();
  } catch (const EHashException& e) {
    EXPECT_STREQ(e.KindName(), "ENotImplementedHashException");
    EXPECT_NE(dynamic_cast<const Exception*>(&e), nullptr);
  }
}

TEST(Errors, FailedChecksLeaveTheEngineAsItWas) {
  TMD5 engine;
  engine.Reset();
  engine.AddBytes({'a', 'b'});
  EXPECT_THROW(engine.DigestOfText("xyz", nullptr), EArgumentNilHashException);
  std::istringstream ten("0123456789");
  EXPECT_THROW(engine.AddStream(&ten, 11), EIndexOutOfRangeHashException);
  engine.AddBytes({'c'});
  EXPECT_EQ(engine.FinishDigest()->HexText(false).Bytes(), "900150983CD24FB0D6963F7D28E17F72");
}

TEST(Result, HexTextRenderings) {
  EXPECT_EQ(THashResult({0x0F}).HexText(false).Bytes(), "0F");
  EXPECT_EQ(THashResult({0x0F}).HexText(true).Bytes(), "0F");
  EXPECT_EQ(THashResult({0x01, 0xAB}).HexText(true).Bytes(), "01-AB");
  EXPECT_EQ(THashResult({0x01, 0xAB}).HexText(false).Bytes(), "01AB");
  EXPECT_EQ(THashResult({}).HexText(true).Bytes(), "");
  EXPECT_EQ(THashResult({}).HexText(false).Bytes(), "");
  const THashBytes sixteen(16, 0xC5);
  EXPECT_EQ(THashResult(sixteen).HexText(true).Length(), 47u);
  EXPECT_EQ(THashResult(sixteen).HexText(false).Length(), 32u);
  EXPECT_EQ(DashedHex({0x00, 0x9A, 0xFF}).Bytes(), "00-9A-FF");
}

TEST(Result, IntegerViewsReadBigEndianAndCheckTheSize) {
  EXPECT_EQ(THashResult({0x9C}).AsUInt8(), 0x9C);
  EXPECT_EQ(THashResult({0x12, 0x34}).AsUInt16(), 0x1234);
  EXPECT_EQ(THashResult({0x12, 0x34, 0x56, 0x78}).AsUInt32(), 0x12345678U);
  EXPECT_EQ(THashResult({0xFF, 0xFF, 0xFF, 0xFE}).AsInt32(), -2);
  EXPECT_EQ(THashResult({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}).AsUInt64(),
            0x0123456789ABCDEFULL);
  const THashResult four({1, 2, 3, 4});
  EXPECT_EQ(MessageOf<EInvalidOperationHashException>([&] { four.AsUInt8(); }),
            "The size of the byte array (4) and integer type (1) have to match.");
  EXPECT_EQ(MessageOf<EInvalidOperationHashException>([&] { four.AsUInt16(); }),
            "The size of the byte array (4) and integer type (2) have to match.");
  EXPECT_EQ(MessageOf<EInvalidOperationHashException>([&] { four.AsUInt64(); }),
            "The size of the byte array (4) and integer type (8) have to match.");
  EXPECT_EQ(MessageOf<EInvalidOperationHashException>([] { THashResult({}).AsInt32(); }),
            "The size of the byte array (0) and integer type (4) have to match.");
}

TEST(Result, SameAsNeedsEqualLengthAndBytes) {
  const THashResult abc({1, 2, 3});
  EXPECT_TRUE(abc.SameAs(THashResult({1, 2, 3})));
  EXPECT_FALSE(abc.SameAs(THashResult({1, 2})));
  EXPECT_FALSE(THashResult({1, 2}).SameAs(abc));
  EXPECT_FALSE(abc.SameAs(THashResult({1, 2, 4})));
  EXPECT_FALSE(abc.SameAs(THashResult({0, 2, 3})));
  EXPECT_TRUE(THashResult({}).SameAs(THashResult({})));
  EXPECT_FALSE(THashResult({}).SameAs(THashResult({0})));
}

TEST(Result, HashCodeOfTheBase64OfTheDecodedText) {
  // 0x01 0xAB decodes to U+0001 U+FFFD, whose UTF-8 bytes have the Base64 form "Ae+/vQ==",
  // upper-cased "AE+/VQ=="; the rotate-and-xor of those eight characters is 349847940.
  EXPECT_EQ(THashResult({0x01, 0xAB}).HashCode(), 349847940);
  EXPECT_EQ(THashResult({}).HashCode(), 0);
  EXPECT_EQ(Base64Encode("Ma"), "TWE=");
  EXPECT_EQ(Base64Encode("M"), "TQ==");
  EXPECT_EQ(Base64Encode("Man"), "TWFu");
}

TEST(Converters, ByteOrderCopiesAgreeAlignedOrNot) {
  const std::uint32_t words32[2] = {0x01020304U, 0xA0B0C0D0U};
  alignas(8) std::uint8_t out[9] = {};
  CopyBigEndian32(words32, 0, out, 0, 8);
  EXPECT_EQ(THashBytes(out, out + 8), (THashBytes{1, 2, 3, 4, 0xA0, 0xB0, 0xC0, 0xD0}));
  CopyLittleEndian32(words32, 0, out, 0, 8);
  EXPECT_EQ(THashBytes(out, out + 8), (THashBytes{4, 3, 2, 1, 0xD0, 0xC0, 0xB0, 0xA0}));

  // A count that is not whole words takes the byte-by-byte path: the word's three bytes
  // of lowest address (on this little-endian host its low-order bytes) land where big-endian
  // order puts them, position 0 (its most significant byte) stays untouched.
  std::uint8_t partial[4] = {};
  CopyBigEndian32(words32, 0, partial, 0, 3);
  EXPECT_EQ(THashBytes(partial, partial + 4), (THashBytes{0, 2, 3, 4}));
  // An unaligned destination index also goes byte by byte and agrees with the word path.
  std::uint8_t shifted[12] = {};
  CopyBigEndian32(words32, 0, shifted, 4, 8);
  EXPECT_EQ(THashBytes(shifted + 4, shifted + 12),
            (THashBytes{1, 2, 3, 4, 0xA0, 0xB0, 0xC0, 0xD0}));

  const std::uint64_t word64 = 0x0102030405060708ULL;
  alignas(8) std::uint8_t bytes64[8] = {};
  CopyBigEndian64(&word64, 0, bytes64, 0, 8);
  EXPECT_EQ(THashBytes(bytes64, bytes64 + 8), (THashBytes{1, 2, 3, 4, 5, 6, 7, 8}));
  std::uint64_t back = 0;
  CopyBigEndian64(bytes64, 0, &back, 0, 8);
  EXPECT_EQ(back, word64);
  CopyLittleEndian64(&word64, 0, bytes64, 0, 8);
  EXPECT_EQ(THashBytes(bytes64, bytes64 + 8), (THashBytes{8, 7, 6, 5, 4, 3, 2, 1}));
}

TEST(Buffer, TakeFromDrainAndClear) {
  THashBuffer buffer(4);
  const std::uint8_t input[6] = {1, 2, 3, 4, 5, 6};
  std::size_t start = 0, count = 0;
  std::uint64_t total = 0;
  EXPECT_FALSE(buffer.TakeFrom(input, 6, start, count, total));  // count 0: nothing
  count = 3;
  EXPECT_FALSE(buffer.TakeFrom(input, 0, start, count, total));  // empty input: nothing
  EXPECT_EQ(buffer.Fill, 0);
  EXPECT_FALSE(buffer.TakeFrom(input, 6, start, count, total));
  EXPECT_EQ(buffer.Fill, 3);
  count = 3;
  EXPECT_TRUE(buffer.TakeFrom(input, 6, start, count, total));
  EXPECT_EQ(start, 4u);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(total, 4u);
  EXPECT_EQ(buffer.Drain(), (THashBytes{1, 2, 3, 4}));
  EXPECT_EQ(buffer.Fill, 0);
  count = 1;
  buffer.TakeFrom(input, 6, start, count, total);
  EXPECT_EQ(buffer.DrainZeroPadded(), (THashBytes{5, 0, 0, 0}));
  count = 1;
  buffer.TakeFrom(input, 6, start, count, total);
  buffer.ClearBuffer();
  EXPECT_EQ(buffer.Fill, 0);
  EXPECT_EQ(buffer.Bytes, (THashBytes{0, 0, 0, 0}));
}

}  // namespace
}  // namespace keyloom
