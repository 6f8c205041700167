// UTF-8 to and from UTF-16, done in-house so that every platform decodes alike.
#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// Each maximal ill-formed subpart (Unicode 15, section 3.9, "U+FFFD Substitution of Maximal
// Subparts") becomes one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes);
// Unpaired surrogates become U+FFFD; no byte-order mark is written.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace keyloom
