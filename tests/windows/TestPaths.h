// Where the Windows tests find their files: the fixture folder and keyloom.exe, both named
// from the running test program's own folder, as full Windows paths in the ANSI code page.
#pragma once

#include <string>

namespace keyloom::testing {

// The folder of the running test program, without a trailing backslash.
std::string TestProgramFolder();
// A file of the fixture folder beside the test program.
std::string FixturePath(const std::string& name);
// The real program, keyloom.exe.
std::string KeyloomBinaryPath();

}  // namespace keyloom::testing
