// The help screen: the banner, then syntax, options, examples, usage notes and, on one path,
// the exit codes.
#pragma once

#include "buildinfo/BuildInfo.h"
#include "bytestring/ByteString.h"
#include "platform/Platform.h"

namespace keyloom {

// A rule of hyphens as long as the heading, the heading, the same rule.
void WriteSection(TextWriter& out, const ByteString& heading);

// The error-codes section is written only when both flags are true.
void ShowHelp(Platform& platform, TFileVersionInfoRec& build_info, bool with_error_codes,
              bool with_build_line);

}  // namespace keyloom
