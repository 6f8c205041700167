// The block reader on hand-made VS_VERSIONINFO blocks: the layout rules it follows and the
// damage it refuses.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileVersionInfo.h"
#include "platform/windows/VersionResource.h"

namespace keyloom {
namespace {

// Builds one node of a version block: length, value length, type, key, padding, value,
// padding, children. Offsets are those of a block that starts on a 32-bit boundary.
struct Node {
  std::u16string key;
  std::uint16_t type = 1;
  std::string value;  // bytes
  std::uint16_t value_length = 0;
  std::vector<Node> children;
  int length_adjust = 0;     // added to the correct wLength, to make damaged blocks
  int length_override = -1;  // the wLength to write instead, when not negative

  std::string Bytes(std::size_t at = 0) const {
    std::string out(6, '\0');
    for (char16_t c : key) {
      out += static_cast<char>(c & 0xFF);
      out += static_cast<char>(c >> 8);
    }
    out.append(2, '\0');
    while ((at + out.size()) % 4 != 0) out += '\0';
    out += value;
    for (const Node& child : children) {
      while ((at + out.size()) % 4 != 0) out += '\0';
      out += child.Bytes(at + out.size());
    }
    const auto length = static_cast<std::uint16_t>(
        length_override >= 0 ? length_override : static_cast<int>(out.size()) + length_adjust);
    out[0] = static_cast<char>(length & 0xFF);
    out[1] = static_cast<char>(length >> 8);
    out[2] = static_cast<char>(value_length & 0xFF);
    out[3] = static_cast<char>(value_length >> 8);
    out[4] = static_cast<char>(type);
    return out;
  }
};

std::string Utf16Bytes(const std::u16string& text, bool with_nul) {
  std::string out;
  for (char16_t c : text) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  if (with_nul) out.append(2, '\0');
  return out;
}

Node Text(const std::u16string& key, const std::u16string& value) {
  Node node{key, 1, Utf16Bytes(value, true), static_cast<std::uint16_t>(value.size() + 1), {}};
  return node;
}

Node Table(const std::u16string& name, std::vector<Node> entries) {
  return Node{name, 1, "", 0, std::move(entries)};
}

Node Root(std::vector<Node> parts) {
  Node root{u"VS_VERSION_INFO", 0, std::string(52, '\0'), 52, std::move(parts)};
  return root;
}

Node StringFileInfo(std::vector<Node> tables) {
  return Node{u"StringFileInfo", 1, "", 0, std::move(tables)};
}

Node VarFileInfo() {
  Node var{u"Translation", 0, std::string("\x09\x04\xB0\x04", 4), 4, {}};
  return Node{u"VarFileInfo", 1, "", 0, {var}};
}

TEST(ReadVersionStringTables, ListsTablesAndEntriesInOrder) {
  const std::string block =
      Root({VarFileInfo(),
            StringFileInfo({Table(u"040904B0", {Text(u"A", u"one"), Text(u"Longer key", u"")}),
                            Table(u"040704E4", {Text(u"B", u"zwei\u00E9")})})})
          .Bytes();
  const auto tables = ReadVersionStringTables(block);
  ASSERT_EQ(tables.size(), 2u);
  EXPECT_EQ(tables[0].name, u"040904B0");
  ASSERT_EQ(tables[0].entries.size(), 2u);
  EXPECT_EQ(tables[0].entries[0], (std::pair<std::u16string, std::u16string>(u"A", u"one")));
  EXPECT_EQ(tables[0].entries[1].first, u"Longer key");
  EXPECT_EQ(tables[0].entries[1].second, u"");
  EXPECT_EQ(tables[1].name, u"040704E4");
  EXPECT_EQ(tables[1].entries.at(0).second, u"zwei\u00E9");
}

TEST(ReadVersionStringTables, ABlockWithoutStringFileInfoHasNoTables) {
  EXPECT_TRUE(ReadVersionStringTables(Root({VarFileInfo()}).Bytes()).empty());
  EXPECT_TRUE(ReadVersionStringTables(Root({}).Bytes()).empty());
}

TEST(ReadVersionStringTables, AValueEndsAtItsNulOrAtTheEndOfItsEntry) {
  struct Case {
    const char* name;
    Node entry;
    std::u16string value;
  };
  const Case cases[] = {
      // The value length counted in bytes rather than characters, as some compilers write.
      {"LengthInBytes", Node{u"K", 1, Utf16Bytes(u"abc", true), 8, {}}, u"abc"},
      // No closing NUL: the value runs to the end of the entry.
      {"NoNul", Node{u"K", 1, Utf16Bytes(u"abcd", false), 4, {}}, u"abcd"},
      // A NUL inside the counted characters ends the value there.
      {"InnerNul", Node{u"K", 1, Utf16Bytes(std::u16string(u"ab\0cd", 5), true), 6, {}}, u"ab"},
      // A length of zero: no value at all.
      {"Empty", Node{u"K", 1, "", 0, {}}, u""},
  };
  for (const Case& c : cases) {
    const auto tables =
        ReadVersionStringTables(Root({StringFileInfo({Table(u"040904B0", {c.entry})})}).Bytes());
    ASSERT_EQ(tables.size(), 1u) << c.name;
    ASSERT_EQ(tables[0].entries.size(), 1u) << c.name;
    EXPECT_EQ(tables[0].entries[0].second, c.value) << c.name;
  }
}

TEST(ReadVersionStringTables, RefusesDamagedBlocks) {
  const Node good = Root({StringFileInfo({Table(u"040904B0", {Text(u"A", u"one")})})});
  const std::string bytes = good.Bytes();

  Node long_root = good;
  long_root.length_adjust = 4;  // claims more bytes than there are
  Node long_table = good;
  long_table.children[0].children[0].length_adjust = 64;  // runs past its parent
  Node tiny_entry = good;
  tiny_entry.children[0].children[0].children[0].length_override = 4;  // shorter than a header
  Node zero_entry = good;
  zero_entry.children[0].children[0].children[0].length_override = 0;
  Node wrong_key = good;
  wrong_key.key = u"VS_VERSION_INFX";

  const std::pair<const char*, std::string> cases[] = {
      {"Empty", ""},
      {"CutShort", bytes.substr(0, bytes.size() / 2)},
      {"HeaderOnly", bytes.substr(0, 6)},
      {"LongRoot", long_root.Bytes()},
      {"LongTable", long_table.Bytes()},
      {"TinyEntry", tiny_entry.Bytes()},
      {"ZeroLengthEntry", zero_entry.Bytes()},
      {"WrongKey", wrong_key.Bytes()},
  };
  for (const auto& [name, block] : cases) {
    EXPECT_THROW(ReadVersionStringTables(block), EVersionInfoError) << name;
  }
  EXPECT_EQ(ReadVersionStringTables(bytes).size(), 1u);
}

}  // namespace
}  // namespace keyloom
