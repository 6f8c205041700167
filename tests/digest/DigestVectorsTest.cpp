// Known-answer vectors for every engine, in one table that a single harness runs through
// every way of feeding an engine: whole, in halves, in random pieces, through memory and
// stream input, again on the same engine after it finished, and through a clone taken
// mid-message.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "digest/Md5Sha1.h"
#include "digest/Sha2.h"
#include "digest/Sha3.h"

namespace keyloom {
namespace {

struct Vector {
  const char* algorithm;
  const char* piece;  // the message is `piece` repeated `repeat` times
  int repeat;
  const char* digest;
};

// MD5: RFC 1321, appendix A.5. SHA-1 and SHA-2: the examples published with FIPS 180-4
// (one block, two blocks, one million "a"). SHA-0: the examples of FIPS 180 (1993).
// SHA-3: the NIST examples for FIPS 202 that are whole bytes (200 bytes of 0xA3) and the
// common empty, "abc" and two-block messages. The lengths around block boundaries
// (55..65, 111..129, rate - 1..rate + 1) were computed with OpenSSL.
const Vector kVectors[] = {
    {"MD5", "", 1, "d41d8cd98f00b204e9800998ecf8427e"},
    {"MD5", "a", 1, "0cc175b9c0f1b6a831c399e269772661"},
    {"MD5", "abc", 1, "900150983cd24fb0d6963f7d28e17f72"},
    {"MD5", "message digest", 1, "f96b697d7cb7938d525a2f31aaf161d0"},
    {"MD5", "abcdefghijklmnopqrstuvwxyz", 1, "c3fcd3d76192e4007dfb496cca67e13b"},
    {"MD5", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", 1,
     "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"MD5", "1234567890", 8, "57edf4a22be3c955ac49da2e2107b67a"},
    {"MD5", "a", 1000000, "7707d6ae4e027c70eea2a935c2296f21"},
    {"SHA1", "", 1, "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    {"SHA1", "abc", 1, "a9993e364706816aba3e25717850c26c9cd0d89d"},
    {"SHA1", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 1,
     "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
    {"SHA1", "a", 1000000, "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    {"SHA2_256", "", 1, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {"SHA2_256", "abc", 1, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"SHA2_256", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 1,
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    {"SHA2_256", "a", 1000000, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    {"SHA2_384", "", 1,
     "38b060a751ac96384cd9327eb1b1e36a21fdb71114be07434c0cc7bf63f6e1da274edebfe76f65fbd51ad2f14898b"
     "95b"},
    {"SHA2_384", "abc", 1,
     "cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c82"
     "5a7"},
    {"SHA2_384",
     "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnop"
     "qrsmnopqrstnopqrstu",
     1,
     "09330c33f71147e83d192fc782cd1b4753111b173b3b05d22fa08086e3b0f712fcc7c71a557e2db966c3e9fa91746"
     "039"},
    {"SHA2_384", "a", 1000000,
     "9d0e1809716474cb086e834e310a4a1ced149e9c00f248527972cec5704c2a5b07b8b3dc38ecc4ebae97ddd87f3d8"
     "985"},
    {"SHA2_512", "", 1,
     "cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce47d0d13c5d85f2b0ff8318d2877ee"
     "c2f63b931bd47417a81a538327af927da3e"},
    {"SHA2_512", "abc", 1,
     "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3fee"
     "bbd454d4423643ce80e2a9ac94fa54ca49f"},
    {"SHA2_512",
     "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnop"
     "qrsmnopqrstnopqrstu",
     1,
     "8e959b75dae313da8cf4f72814fc143f8f7779c6eb9f7fa17299aeadb6889018501d289e4900f7e4331b99dec4b54"
     "33ac7d329eeb6dd26545e96e55b874be909"},
    {"SHA2_512", "a", 1000000,
     "e718483d0ce769644e2e42c7bc15b4638e1f98b13b2044285632a803afa973ebde0ff244877ea60a4cb0432ce577c"
     "31beb009c5c2c49aa2e4eadb217ad8cc09b"},
    {"SHA3_256", "", 1, "a7ffc6f8bf1ed76651c14756a061d662f580ff4de43b49fa82d80a4b80f8434a"},
    {"SHA3_256", "abc", 1, "3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532"},
    {"SHA3_256", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 1,
     "41c0dba2a9d6240849100376a8235e2c82e1b9998a999e21db32dd97496d3376"},
    {"SHA3_256",
     "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnop"
     "qrsmnopqrstnopqrstu",
     1, "916f6061fe879741ca6469b43971dfdb28b1a32dc36cb3254e812be27aad1d18"},
    {"SHA3_256", "a", 1000000, "5c8875ae474a3634ba4fd55ec85bffd661f32aca75c6d699d0cdcb6c115891c1"},
    {"SHA3_256", "\xA3", 200, "79f38adec5c20307a98ef76e8324afbfd46cfd81b22e3973c65fa1bd9de31787"},
    {"SHA3_384", "", 1,
     "0c63a75b845e4f7d01107d852e4c2485c51a50aaaa94fc61995e71bbee983a2ac3713831264adb47fb6bd1e058d5f"
     "004"},
    {"SHA3_384", "abc", 1,
     "ec01498288516fc926459f58e2c6ad8df9b473cb0fc08c2596da7cf0e49be4b298d88cea927ac7f539f1edf228376"
     "d25"},
    {"SHA3_384", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 1,
     "991c665755eb3a4b6bbdfb75c78a492e8c56a22c5c4d7e429bfdbc32b9d4ad5aa04a1f076e62fea19eef51acd0657"
     "c22"},
    {"SHA3_384",
     "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnop"
     "qrsmnopqrstnopqrstu",
     1,
     "79407d3b5916b59c3e30b09822974791c313fb9ecc849e406f23592d04f625dc8c709b98b43b3852b337216179aa7"
     "fc7"},
    {"SHA3_384", "a", 1000000,
     "eee9e24d78c1855337983451df97c8ad9eedf256c6334f8e948d252d5e0e76847aa0774ddb90a842190d2c558b4b8"
     "340"},
    {"SHA3_384", "\xA3", 200,
     "1881de2ca7e41ef95dc4732b8f5f002b189cc1e42b74168ed1732649ce1dbcdd76197a31fd55ee989f2d7050dd473"
     "e8f"},
    {"SHA3_512", "", 1,
     "a69f73cca23a9ac5c8b567dc185a756e97c982164fe25859e0d1dcc1475c80a615b2123af1f5f94c11e3e9402c3ac"
     "558f500199d95b6d3e301758586281dcd26"},
    {"SHA3_512", "abc", 1,
     "b751850b1a57168a5693cd924b6b096e08f621827444f70d884f5d0240d2712e10e116e9192af3c91a7ec57647e39"
     "34057340b4cf408d5a56592f8274eec53f0"},
    {"SHA3_512", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 1,
     "04a371e84ecfb5b8b77cb48610fca8182dd457ce6f326a0fd3d7ec2f1e91636dee691fbe0c985302ba1b0d8dc78c0"
     "86346b533b49c030d99a27daf1139d6e75e"},
    {"SHA3_512",
     "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnop"
     "qrsmnopqrstnopqrstu",
     1,
     "afebb2ef542e6579c50cad06d2e578f9f8dd6881d7dc824d26360feebf18a4fa73e3261122948efcfd492e74e82e2"
     "189ed0fb440d187f382270cb455f21dd185"},
    {"SHA3_512", "a", 1000000,
     "3c3a876da14034ab60627c077bb98f7e120a2a5370212dffb3385a18d4f38859ed311d0a9d5141ce9cc5c66ee689b"
     "266a8aa18ace8282a0e0db596c90b0a7b87"},
    {"SHA3_512", "\xA3", 200,
     "e76dfad22084a8b1467fcf2ffa58361bec7628edf5f3fdc0e4805dc48caeeca81b7c13c30adf52a3659584739a2df"
     "46be589c51ca1a4a8416df6545a1ce8ba00"},
    {"MD5", "a", 55, "ef1772b6dff9a122358552954ad0df65"},
    {"MD5", "a", 56, "3b0c8ac703f828b04c6c197006d17218"},
    {"MD5", "a", 63, "b06521f39153d618550606be297466d5"},
    {"MD5", "a", 64, "014842d480b571495a4a0363793f7367"},
    {"MD5", "a", 65, "c743a45e0d2e6a95cb859adae0248435"},
    {"SHA1", "a", 55, "c1c8bbdc22796e28c0e15163d20899b65621d65a"},
    {"SHA1", "a", 56, "c2db330f6083854c99d4b5bfb6e8f29f201be699"},
    {"SHA1", "a", 63, "03f09f5b158a7a8cdad920bddc29b81c18a551f5"},
    {"SHA1", "a", 64, "0098ba824b5c16427bd7a1122a5a442a25ec644d"},
    {"SHA1", "a", 65, "11655326c708d70319be2610e8a57d9a5b959d3b"},
    {"SHA2_256", "a", 55, "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
    {"SHA2_256", "a", 56, "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
    {"SHA2_256", "a", 63, "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34"},
    {"SHA2_256", "a", 64, "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
    {"SHA2_256", "a", 65, "635361c48bb9eab14198e76ea8ab7f1a41685d6ad62aa9146d301d4f17eb0ae0"},
    {"SHA2_384", "a", 111,
     "3c37955051cb5c3026f94d551d5b5e2ac38d572ae4e07172085fed81f8466b8f90dc23a8ffcdea0b8d8e58e8fdacc"
     "80a"},
    {"SHA2_384", "a", 112,
     "187d4e07cb306103c69967bf544d0dfbe9042577599c73c330abc0cb64c61236d5ed565ee19119d8c31779a38f791"
     "fcd"},
    {"SHA2_384", "a", 127,
     "9bd06b1763c2cf7aef40e795dc65bc96d59c41b537f3ad72ebdefd485476b5717c1aeb37c327fe9c1831b12b9efd0"
     "8ae"},
    {"SHA2_384", "a", 128,
     "edb12730a366098b3b2beac75a3bef1b0969b15c48e2163c23d96994f8d1bef760c7e27f3c464d3829f56c0d53808"
     "b0b"},
    {"SHA2_384", "a", 129,
     "39b6f5a7b0e781dbc419f72e49b30eaac10f2c98c4403bc610da31067fd1b48f324138c8615d2b496d08d73d5e865"
     "326"},
    {"SHA2_512", "a", 111,
     "fa9121c7b32b9e01733d034cfc78cbf67f926c7ed83e82200ef86818196921760b4beff48404df811b95382827446"
     "1673c68d04e297b0eb7b2b4d60fc6b566a2"},
    {"SHA2_512", "a", 112,
     "c01d080efd492776a1c43bd23dd99d0a2e626d481e16782e75d54c2503b5dc32bd05f0f1ba33e568b88fd2d970929"
     "b719ecbb152f58f130a407c8830604b70ca"},
    {"SHA2_512", "a", 127,
     "828613968b501dc00a97e08c73b118aa8876c26b8aac93df128502ab360f91bab50a51e088769a5c1eff4782ace14"
     "7dce3642554199876374291f5d921629502"},
    {"SHA2_512", "a", 128,
     "b73d1929aa615934e61a871596b3f3b33359f42b8175602e89f7e06e5f658a243667807ed300314b95cacdd579f3e"
     "33abdfbe351909519a846d465c59582f321"},
    {"SHA2_512", "a", 129,
     "4f681e0bd53cda4b5a2041cc8a06f2eabde44fb16c951fbd5b87702f07aeab611565b19c47fde30587177ebb852e3"
     "971bbd8d3fd30da18d71037dfbd98420429"},
    {"SHA3_256", "a", 135, "8094bb53c44cfb1e67b7c30447f9a1c33696d2463ecc1d9c92538913392843c9"},
    {"SHA3_256", "a", 136, "3fc5559f14db8e453a0a3091edbd2bc25e11528d81c66fa570a4efdcc2695ee1"},
    {"SHA3_256", "a", 137, "f8d6846cedd2ccfadf15c5879ef95af724d799eed7391fb1c91f95344e738614"},
    {"SHA3_384", "a", 103,
     "af61fb4fd1c6afe80857fcba888318a0a1426635b4509f09707e3787630bdb621655ffa54f5884088ccc000f81436"
     "414"},
    {"SHA3_384", "a", 104,
     "3a4f3b6284e571238884e95655e8c8a60e068e4059a9734abc08823a900d161592860243f00619ae699a29092ed91"
     "a16"},
    {"SHA3_384", "a", 105,
     "cb73ab2f8f5fbb13f0e115a7062ba1644aa16534aa80d076ef27f8550deb900d89bdfa169b45073223acadb600120"
     "4d3"},
    {"SHA3_512", "a", 71,
     "070faf98d2a8fddf8ed886408744dc06456096c2e045f26f3c7b010530e6bbb3db535a54d636856f4e0e1e982461c"
     "b9a7e8e57ff8895cff1619af9f0e486e28c"},
    {"SHA3_512", "a", 72,
     "a8ae722a78e10cbbc413886c02eb5b369a03f6560084aff566bd597bb7ad8c1ccd86e81296852359bf2faddb5153c"
     "0a7445722987875e74287adac21adebe952"},
    {"SHA3_512", "a", 73,
     "23e6a8815f8201dbbf6a5463be8dcadb1acea9df5f8998954e59ac9565cf6d29b17aa27a5e8b0fc06343db6122d6e"
     "544d27583ddc78504d08203217e7e65b6bd"},
    {"SHA0", "abc", 1, "0164b8a914cd2a5e74c4f7ff082c4d97f1edf880"},
    {"SHA0", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", 1,
     "d2516ee1acfa5baf33dfc1c471e438449ef134c8"},
    {"SHA0", "a", 1000000, "3232affa48628a26653b5aaa44541fd90d690603"},
};

IDigestPtr MakeEngine(const std::string& algorithm) {
  static const std::map<std::string, std::function<IDigestPtr()>> kFactories = {
      {"MD5", [] { return std::make_shared<TMD5>(); }},
      {"SHA0", [] { return std::make_shared<TSHA0>(); }},
      {"SHA1", [] { return std::make_shared<TSHA1>(); }},
      {"SHA2_256", [] { return std::make_shared<TSHA2_256>(); }},
      {"SHA2_384", [] { return std::make_shared<TSHA2_384>(); }},
      {"SHA2_512", [] { return std::make_shared<TSHA2_512>(); }},
      {"SHA3_256", [] { return std::make_shared<TSHA3_256>(); }},
      {"SHA3_384", [] { return std::make_shared<TSHA3_384>(); }},
      {"SHA3_512", [] { return std::make_shared<TSHA3_512>(); }},
  };
  return kFactories.at(algorithm)();
}

THashBytes MessageOf(const Vector& v) {
  const std::string piece(v.piece);
  THashBytes message;
  message.reserve(piece.size() * static_cast<std::size_t>(v.repeat));
  for (int i = 0; i < v.repeat; ++i) message.insert(message.end(), piece.begin(), piece.end());
  return message;
}

std::string Hex(const IDigestResultPtr& result) {
  std::string hex = result->HexText(false).Bytes();
  for (char& c : hex) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return hex;
}

class DigestVectors : public ::testing::TestWithParam<Vector> {};

TEST_P(DigestVectors, EveryWayOfFeedingGivesTheKnownDigest) {
  const Vector& v = GetParam();
  const THashBytes message = MessageOf(v);
  const std::size_t n = message.size();
  const IDigestPtr engine = MakeEngine(v.algorithm);
  EXPECT_EQ(engine->DigestLength() * 2, static_cast<std::int32_t>(std::string(v.digest).size()));

  EXPECT_EQ(Hex(engine->DigestOfBytes(message)), v.digest) << "whole";
  // FinishDigest left the engine reset: the same engine gives the same digest again.
  EXPECT_EQ(Hex(engine->DigestOfBytes(message)), v.digest) << "repeated";

  engine->Reset();
  engine->AddBytes(message, 0, n / 2);
  engine->AddBytes(message, n / 2);
  EXPECT_EQ(Hex(engine->FinishDigest()), v.digest) << "two halves";

  std::mt19937 random(static_cast<std::uint32_t>(n) * 31 + 7);
  engine->Reset();
  for (std::size_t at = 0; at < n;) {
    const std::size_t piece = std::min<std::size_t>(random() % 300, n - at);
    engine->AddBytes(message, at, piece);
    at += piece;
  }
  EXPECT_EQ(Hex(engine->FinishDigest()), v.digest) << "random pieces";

  engine->SetBufferSize(1000);
  EXPECT_EQ(Hex(engine->DigestOfMemory(message.data(), static_cast<std::int64_t>(n))), v.digest)
      << "memory";
  std::istringstream stream(std::string(message.begin(), message.end()));
  EXPECT_EQ(Hex(engine->DigestOfStream(&stream, -1)), v.digest) << "stream";

  // A clone taken mid-message finishes on its own; the origin is not disturbed by it.
  const std::size_t cut = n == 0 ? 0 : random() % n;
  engine->Reset();
  engine->AddBytes(message, 0, cut);
  const IDigestPtr clone = engine->Clone();
  EXPECT_EQ(clone->AlgorithmName(), engine->AlgorithmName());
  clone->AddBytes(message, cut);
  EXPECT_EQ(Hex(clone->FinishDigest()), v.digest) << "clone";
  engine->AddBytes(message, cut);
  EXPECT_EQ(Hex(engine->FinishDigest()), v.digest) << "origin of the clone";
}

std::string VectorName(const ::testing::TestParamInfo<Vector>& info) {
  return std::string(info.param.algorithm) + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Published, DigestVectors, ::testing::ValuesIn(kVectors), VectorName);

}  // namespace
}  // namespace keyloom
