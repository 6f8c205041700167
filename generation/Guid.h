// The GUID-shaped identifier: 32 hexadecimal digits of the SHA-512 digest of a fresh
// complex text, grouped 8-4-4-4-12 between braces.
#pragma once

#include <cstdint>

#include "bytestring/ByteString.h"

namespace keyloom {

// Cuts the identifier out of a bracketed hash text of at least 33 digits.
ByteString GuidFromHashText(const ByteString& hash_text);

// Draws `length` characters from every complex candidate and returns the identifier of
// their SHA-512 digest.
ByteString MakeGuid(std::int32_t length);

}  // namespace keyloom
