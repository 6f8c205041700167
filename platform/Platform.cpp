#include "platform/Platform.h"

namespace keyloom {

MonthNames EnglishMonthNames() {
  return {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}

ByteString FindEntryValue(const std::vector<ByteString>& entries, const ByteString& key) {
  for (const ByteString& entry : entries) {
    const std::size_t eq = entry.View().find('=');
    if (eq == std::string_view::npos) continue;
    if (SameTextAscii(entry.View().substr(0, eq), key.View())) return entry.Sub(eq + 1);
  }
  return ByteString();
}

}  // namespace keyloom
