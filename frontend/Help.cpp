#include "frontend/Help.h"

#include "buildinfo/Banner.h"

namespace keyloom {

void WriteSection(TextWriter& out, const ByteString& heading) {
  const ByteString rule(std::string(heading.Length(), '-'), kAnsiCodePage);
  out.Line(rule).Line(heading).Line(rule);
}

void ShowHelp(Platform& platform, TFileVersionInfoRec& build_info, bool, bool with_build_line) {
  ShowBanner(platform, build_info, with_build_line);
}

}  // namespace keyloom
