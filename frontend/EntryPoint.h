// One invocation of the program: settings from the arguments, then help, banner or the
// generated passwords with their report; the exit code of the path taken.
#pragma once

#include "platform/Platform.h"

namespace keyloom {

// Runs once and returns the exit code (0, 1, 2 or 99). Errors nothing handles (a failed
// write, exhausted memory) propagate.
int RunKeyloom(Platform& platform);

// RunKeyloom, with an unhandled error reported on standard error and exit code 217.
int RunGuarded(Platform& platform);

// The code a run ends with after an error that nothing handled.
inline constexpr int kUnhandledErrorExitCode = 217;

}  // namespace keyloom
