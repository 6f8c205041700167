// The string tables of a Windows version resource (a VS_VERSIONINFO block as a 32-bit
// resource holds it), read from the block's bytes. The version API finds values by path but
// cannot list them, so the tables and their entries are enumerated here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace keyloom {

struct VersionStringTable {
  std::u16string name;  // language and code page, "LLLLCCCC" in hexadecimal
  std::vector<std::pair<std::u16string, std::u16string>> entries;  // key, value
};

// The string tables of every StringFileInfo block of `block`, in the order they stand. A
// value ends at its first NUL or at the end of its entry. Throws EVersionInfoError when the
// block is not a VS_VERSIONINFO block or a length in it runs past its end.
std::vector<VersionStringTable> ReadVersionStringTables(std::string_view block);

}  // namespace keyloom
