// The result report: the lines a successful run prints, laid out as the settings ask.
#pragma once

#include "frontend/RunSettings.h"
#include "platform/TextWriter.h"

namespace keyloom {

// " * Valid password length is from 8 to 4096 (Default = 16)" and an empty line.
void ShowLengthNotice(TextWriter& out);

void ShowReport(TextWriter& out, const RunSettings& settings, const RunResults& results);

}  // namespace keyloom
