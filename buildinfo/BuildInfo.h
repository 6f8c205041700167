// The build information record, read from the version information of the program's own
// executable file.
#pragma once

#include "bytestring/ByteString.h"
#include "platform/Platform.h"

namespace keyloom {

struct TFileVersionInfoRec {
  ByteString FileName;
  ByteString ProgramName;
  ByteString FileExt;
  ByteString ProgramNameVersion;
  ByteString FileNameVersion;
  ByteString Unused6, Unused7, Unused8, Unused9, Unused10;
  ByteString FileDescription;
  ByteString CompanyName;
  ByteString CopyrightLine;
  ByteString Comments;
  ByteString Unused15;
  ByteString FileDir;
  bool Loaded = false;
};

// Fills `info` from the file at `path` (the program's own file when `path` is empty). On
// failure writes one line to standard error and sets the exit code to 1; never throws for
// a missing file or missing version information.
void ReadBuildInfo(Platform& platform, const ByteString& path, TFileVersionInfoRec& info);

}  // namespace keyloom
