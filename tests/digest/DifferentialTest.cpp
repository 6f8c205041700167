// Every engine against OpenSSL's libcrypto on random messages of random lengths, fed in
// random pieces, so that lengths and cuts no fixed table lists are covered too.
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <functional>
#include <random>

#include "digest/Md5Sha1.h"
#include "digest/Sha2.h"
#include "digest/Sha3.h"

namespace keyloom {
namespace {

struct Pair {
  const char* openssl_name;
  std::function<IDigestPtr()> make;
};

THashBytes OpenSslDigest(const char* name, const THashBytes& message) {
  EVP_MD* md = EVP_MD_fetch(nullptr, name, nullptr);
  EXPECT_NE(md, nullptr) << name;
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  EVP_Digest(message.data(), message.size(), out, &length, md, nullptr);
  EVP_MD_free(md);
  return THashBytes(out, out + length);
}

class AgainstOpenSsl : public ::testing::TestWithParam<Pair> {};

TEST_P(AgainstOpenSsl, RandomLengthsAndCutsAgree) {
  const Pair& pair = GetParam();
  const IDigestPtr engine = pair.make();
  std::mt19937 random(20260101);
  for (int round = 0; round < 300; ++round) {
    const std::size_t length = random() % 5001;
    THashBytes message(length);
    for (auto& b : message) b = static_cast<std::uint8_t>(random());
    engine->Reset();
    for (std::size_t at = 0; at < length;) {
      // Mostly short pieces, now and then one that spans several blocks.
      const std::size_t limit = random() % 8 == 0 ? 1500 : 150;
      const std::size_t piece = std::min<std::size_t>(random() % limit, length - at);
      engine->AddBytes(message, at, piece);
      at += piece;
    }
    ASSERT_EQ(engine->FinishDigest()->CopyBytes(), OpenSslDigest(pair.openssl_name, message))
        << pair.openssl_name << ", length " << length;
  }
}

const Pair kPairs[] = {
    {"MD5", [] { return std::make_shared<TMD5>(); }},
    {"SHA1", [] { return std::make_shared<TSHA1>(); }},
    {"SHA256", [] { return std::make_shared<TSHA2_256>(); }},
    {"SHA384", [] { return std::make_shared<TSHA2_384>(); }},
    {"SHA512", [] { return std::make_shared<TSHA2_512>(); }},
    {"SHA3-256", [] { return std::make_shared<TSHA3_256>(); }},
    {"SHA3-384", [] { return std::make_shared<TSHA3_384>(); }},
    {"SHA3-512", [] { return std::make_shared<TSHA3_512>(); }},
};

INSTANTIATE_TEST_SUITE_P(EveryEngine, AgainstOpenSsl, ::testing::ValuesIn(kPairs),
                         [](const ::testing::TestParamInfo<Pair>& info) {
                           std::string name = info.param.openssl_name;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace keyloom
