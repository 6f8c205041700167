// The one way into the digest engine from the rest of the program: a text and an algorithm
// name in, the bracketed lower-case hexadecimal digest out.
#pragma once

#include <array>
#include <string_view>

#include "bytestring/ByteString.h"
#include "digest/Hash.h"

namespace keyloom {

// One accepted algorithm name (upper case) and the engine class it selects.
struct THashEngineName {
  std::string_view Name;
  IDigestPtr (*Create)();
};

// The thirteen names MakeHashText knows; any other name selects SHA-1.
extern const std::array<THashEngineName, 13> HashEngineNames;

// A new engine for `name`, matched after ASCII upper-casing; SHA-1 for an unknown name.
IDigestPtr CreateHashEngine(const ByteString& name);

// "[" + lower-case hexadecimal digest of the text's UTF-8 form + "]". The name is matched
// without regard to ASCII case; a name the engine does not know selects SHA-1.
ByteString MakeHashText(const ByteString& text, const ByteString& name);

}  // namespace keyloom
