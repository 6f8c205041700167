#include "digest/HashText.h"

#include "digest/Md5Sha1.h"
#include "digest/Sha2.h"
#include "digest/Sha3.h"

namespace keyloom {

namespace {

template <typename Engine>
IDigestPtr Make() {
  return std::make_shared<Engine>();
}

}  // namespace

const std::array<THashEngineName, 13> HashEngineNames = {{
    {"MD5", &Make<TMD5>},
    {"SHA1", &Make<TSHA1>},
    {"SHA2_256", &Make<TSHA2_256>},
    {"SHA256", &Make<TSHA2_256>},
    {"SHA2", &Make<TSHA2_256>},
    {"SHA2_384", &Make<TSHA2_384>},
    {"SHA384", &Make<TSHA2_384>},
    {"SHA2_512", &Make<TSHA2_512>},
    {"SHA512", &Make<TSHA2_512>},
    {"SHA3_256", &Make<TSHA3_256>},
    {"SHA3_384", &Make<TSHA3_384>},
    {"SHA3", &Make<TSHA3_384>},
    {"SHA3_512", &Make<TSHA3_512>},
}};

IDigestPtr CreateHashEngine(const ByteString& name) {
  const ByteString upper = UpperAscii(name);
  for (const THashEngineName& entry : HashEngineNames) {
    if (upper.View() == entry.Name) return entry.Create();
  }
  return std::make_shared<TSHA1>();
}

ByteString MakeHashText(const ByteString& text, const ByteString& name) {
  const IDigestPtr engine = CreateHashEngine(name);
  const IDigestResultPtr digest = engine->DigestOfText(text, Utf8Encoding());
  return "[" + LowerAscii(digest->HexText(false)) + "]";
}

}  // namespace keyloom
