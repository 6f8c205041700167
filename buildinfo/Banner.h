// The banner: the program's name, version, description, copyright line and comments, and on
// request the build line.
#pragma once

#include "buildinfo/BuildInfo.h"
#include "platform/Platform.h"

namespace keyloom {

// Reads `build_info` first unless it is already loaded, then prints the header block (and
// the build line when asked).
void ShowBanner(Platform& platform, TFileVersionInfoRec& build_info, bool with_build_line);

}  // namespace keyloom
