// The one way into the digest engine from the rest of the program: a text and an algorithm
// name in, the bracketed lower-case hexadecimal digest out.
#pragma once

#include "bytestring/ByteString.h"

namespace keyloom {

// "[" + lower-case hexadecimal digest of the text's UTF-8 form + "]". The name is matched
// without regard to ASCII case; a name the engine does not know selects SHA-1.
ByteString MakeHashText(const ByteString& text, const ByteString& name);

}  // namespace keyloom
