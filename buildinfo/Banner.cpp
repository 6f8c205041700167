#include "buildinfo/Banner.h"

#include <string_view>

#include "buildinfo/BuildConstants.h"

namespace keyloom {
namespace {

// "yyyy/mm/dd..." as "dd mmm yyyy", the month named as the user's settings name it. The
// constants are checked for this form (four-digit year, two-digit month and day) when the
// program is built, so the digits are taken over as they stand.
ByteString DayMonthYear(const Platform& platform, std::string_view date) {
  const int month = (date[5] - '0') * 10 + (date[6] - '0');
  const std::size_t index = month >= 1 && month <= 12 ? static_cast<std::size_t>(month - 1) : 0;
  return ByteString(date.substr(8, 2), kAnsiCodePage) + " " + platform.MonthAbbreviations()[index] +
         " " + ByteString(date.substr(0, 4), kAnsiCodePage);
}

}  // namespace

void ShowBanner(Platform& platform, TFileVersionInfoRec& build_info, bool with_build_line) {
  if (!build_info.Loaded) {
    TFileVersionInfoRec fresh;
    ReadBuildInfo(platform, ByteString(), fresh);
    build_info = fresh;
  }

  const ByteString date = DayMonthYear(platform, kBuildDate);
  // Only the hour of the build time is shown.
  const std::string_view date_time = kBuildDateTime;
  const ByteString date_hour = DayMonthYear(platform, date_time) + " @ " +
                               ByteString(date_time.substr(11, 2), kAnsiCodePage) + ":00:00";

  TextWriter& out = platform.StandardOutput();
  out.Write(build_info.ProgramNameVersion)
      .Write(kProcessorTag)
      .Write(" (")
      .Write(date)
      .Write(") ")
      .Write("- ")
      .Line(build_info.FileDescription);
  out.Line(build_info.CopyrightLine);
  out.Line(build_info.Comments);
  out.EndLine();
  if (with_build_line) {
    out.Write(build_info.FileNameVersion)
        .Write(kProcessorTag)
        .Write(" was compiled on ")
        .Write(date_hour)
        .Line(ToolchainText());
    out.EndLine();
  }
}

}  // namespace keyloom
