#include "platform/windows/VersionResource.h"

#include <cstdint>

#include "platform/FileVersionInfo.h"

namespace keyloom {
namespace {

// Each node of the block: WORD wLength (bytes of the node, children included), WORD
// wValueLength, WORD wType (1 text, 0 binary), the key as NUL-ended UTF-16, padding to a
// 32-bit boundary, the value (wValueLength WCHARs for text, bytes for binary), padding, then
// the children, each starting on a 32-bit boundary.
struct Node {
  std::size_t begin = 0;
  std::size_t end = 0;  // one past the node's last byte
  std::uint16_t value_length = 0;
  std::uint16_t type = 0;
  std::u16string key;
  std::size_t value = 0;     // offset of the value
  std::size_t children = 0;  // offset of the first child (may equal end)
};

[[noreturn]] void Malformed() {
  throw EVersionInfoError("The version information is malformed");
}

std::size_t Align4(std::size_t offset) {
  return (offset + 3) & ~static_cast<std::size_t>(3);
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  std::uint16_t Word(std::size_t offset) const {
    if (offset + 2 > bytes_.size()) Malformed();
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_[offset]) |
                                      (static_cast<unsigned char>(bytes_[offset + 1]) << 8));
  }

  // The node at `offset`, which must lie within [offset, limit).
  Node NodeAt(std::size_t offset, std::size_t limit) const {
    Node node;
    node.begin = offset;
    const std::uint16_t length = Word(offset);
    if (length < 6 || offset + length > limit) Malformed();
    node.end = offset + length;
    node.value_length = Word(offset + 2);
    node.type = Word(offset + 4);
    std::size_t p = offset + 6;
    for (;;) {
      if (p + 2 > node.end) Malformed();
      const std::uint16_t unit = Word(p);
      p += 2;
      if (unit == 0) break;
      node.key.push_back(static_cast<char16_t>(unit));
    }
    node.value = Align4(p);
    const std::size_t value_bytes =
        node.type == 1 ? 2 * static_cast<std::size_t>(node.value_length) : node.value_length;
    node.children = Align4(node.value + value_bytes);
    if (node.value > node.end) node.value = node.end;
    if (node.children > node.end) node.children = node.end;
    return node;
  }

  // The children of `parent`, in order.
  std::vector<Node> Children(const Node& parent) const {
    std::vector<Node> children;
    std::size_t p = parent.children;
    while (p + 6 <= parent.end) {
      const Node child = NodeAt(p, parent.end);
      children.push_back(child);
      p = Align4(child.end);
    }
    return children;
  }

  // A text value: its WCHARs up to the first NUL, never beyond the node's end.
  std::u16string Text(const Node& node) const {
    std::u16string text;
    std::size_t limit = node.value + 2 * static_cast<std::size_t>(node.value_length);
    if (limit > node.end) limit = node.end;
    for (std::size_t p = node.value; p + 2 <= limit; p += 2) {
      const std::uint16_t unit = Word(p);
      if (unit == 0) break;
      text.push_back(static_cast<char16_t>(unit));
    }
    return text;
  }

 private:
  std::string_view bytes_;
};

}  // namespace

std::vector<VersionStringTable> ReadVersionStringTables(std::string_view block) {
  const Reader reader(block);
  const Node root = reader.NodeAt(0, block.size());
  if (root.key != u"VS_VERSION_INFO") Malformed();
  std::vector<VersionStringTable> tables;
  for (const Node& part : reader.Children(root)) {
    if (part.key != u"StringFileInfo") continue;
    for (const Node& table_node : reader.Children(part)) {
      VersionStringTable table;
      table.name = table_node.key;
      for (const Node& entry : reader.Children(table_node)) {
        table.entries.emplace_back(entry.key, reader.Text(entry));
      }
      tables.push_back(std::move(table));
    }
  }
  return tables;
}

}  // namespace keyloom
