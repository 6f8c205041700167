#include <algorithm>
#include <functional>
#include <vector>

#include <openssl/evp.h>

#include "digest/Md5Sha1.h"
#include "digest/Sha2.h"
#include "digest/Sha3.h"
#include "tests/fuzz/FuzzChecks.h"

namespace keyloom::fuzz {
namespace {

struct Engine {
  const char* name;
  const char* openssl_name;  // nullptr: libcrypto has no such digest
  std::function<IDigestPtr()> make;
};

const Engine kEngines[] = {
    {"TMD5", "MD5", [] { return std::make_shared<TMD5>(); }},
    {"TSHA0", nullptr, [] { return std::make_shared<TSHA0>(); }},
    {"TSHA1", "SHA1", [] { return std::make_shared<TSHA1>(); }},
    {"TSHA2_256", "SHA256", [] { return std::make_shared<TSHA2_256>(); }},
    {"TSHA2_384", "SHA384", [] { return std::make_shared<TSHA2_384>(); }},
    {"TSHA2_512", "SHA512", [] { return std::make_shared<TSHA2_512>(); }},
    {"TSHA3_256", "SHA3-256", [] { return std::make_shared<TSHA3_256>(); }},
    {"TSHA3_384", "SHA3-384", [] { return std::make_shared<TSHA3_384>(); }},
    {"TSHA3_512", "SHA3-512", [] { return std::make_shared<TSHA3_512>(); }},
};

// The digest libcrypto computes, as the reference for the one-shot digest.
THashBytes ReferenceDigest(const char* openssl_name, const THashBytes& message) {
  EVP_MD* md = EVP_MD_fetch(nullptr, openssl_name, nullptr);
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  const int ok =
      md != nullptr && EVP_Digest(message.data(), message.size(), out, &length, md, nullptr);
  EVP_MD_free(md);
  return ok ? THashBytes(out, out + length) : THashBytes();
}

// splitmix64: the piece sizes come from the input, so a crashing input replays exactly.
std::uint64_t Next(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

std::string CheckDigest(const std::uint8_t* data, std::size_t size) {
  const THashBytes message(data, data + size);
  std::uint64_t state = size;
  for (std::size_t i = 0; i < size && i < 8; ++i) state = state * 131 + data[i];

  // Cut points, ascending, possibly repeated (empty pieces), possibly 0 or size.
  const std::size_t pieces = 1 + static_cast<std::size_t>(Next(state) % 12);
  std::vector<std::size_t> cuts{0};
  for (std::size_t i = 1; i < pieces; ++i) {
    std::size_t cut = size == 0 ? 0 : static_cast<std::size_t>(Next(state) % (size + 1));
    // Short pieces around block boundaries matter most; bias half the cuts near the last.
    if (Next(state) % 2 == 0 && cuts.back() < size) {
      cut = cuts.back() + static_cast<std::size_t>(Next(state) % 3);
      if (cut > size) cut = size;
    }
    cuts.push_back(cut);
  }
  cuts.push_back(size);
  std::sort(cuts.begin(), cuts.end());
  const std::size_t clone_after = static_cast<std::size_t>(Next(state) % cuts.size());

  for (const Engine& kind : kEngines) {
    const IDigestPtr whole_engine = kind.make();
    const THashBytes whole = whole_engine->DigestOfBytes(message)->CopyBytes();
    if (kind.openssl_name != nullptr && whole != ReferenceDigest(kind.openssl_name, message)) {
      return std::string(kind.name) + ": the one-shot digest differs from libcrypto's";
    }

    // A new engine holds zero words until its first Reset.
    const IDigestPtr engine = kind.make();
    engine->Reset();
    IDigestPtr clone;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
      if (i == clone_after) clone = engine->Clone();
      const std::size_t start = cuts[i];
      const std::size_t count = cuts[i + 1] - cuts[i];
      // The three ways of handing over a piece, in turn.
      switch (i % 3) {
        case 0:
          engine->AddBytes(message, start, count);
          break;
        case 1:
          engine->AddBytes(
              THashBytes(message.begin() + static_cast<std::ptrdiff_t>(start),
                         message.begin() + static_cast<std::ptrdiff_t>(start + count)));
          break;
        default:
          engine->AddMemory(message.data() + start, static_cast<std::int64_t>(count));
          break;
      }
      // The clone sees the same pieces from its birth on; the engine it came from goes on
      // alone, so shared state would show in either digest.
      if (clone) clone->AddBytes(message, start, count);
    }
    if (!clone) clone = engine->Clone();
    const THashBytes pieced = engine->FinishDigest()->CopyBytes();
    if (pieced != whole) return std::string(kind.name) + ": the pieces give another digest";
    // FinishDigest leaves the engine reset: the whole message again gives the same digest.
    engine->AddBytes(message);
    if (engine->FinishDigest()->CopyBytes() != whole) {
      return std::string(kind.name) + ": the engine is not reset by FinishDigest";
    }
    if (clone->FinishDigest()->CopyBytes() != whole) {
      return std::string(kind.name) + ": a clone taken between pieces gives another digest";
    }
  }
  return {};
}

}  // namespace keyloom::fuzz
