#include "frontend/EntryPoint.h"

#include <cstdio>
#include <new>

#include "buildinfo/Banner.h"
#include "digest/HashText.h"
#include "frontend/Help.h"
#include "frontend/Options.h"
#include "frontend/Report.h"
#include "generation/Guid.h"
#include "generation/Passwords.h"
#include "generation/RandomSource.h"

namespace keyloom {
namespace {

constexpr std::int32_t kGuidTextLength = 4096;

RunResults Generate(const RunSettings& s) {
  RunResults r;
  // The order of these calls decides every character drawn for a given seed.
  r.SimplePwd = MakeSimplePassword(s.PwdLength);
  r.SimpleLowerPwd = LowerAscii(r.SimplePwd);
  r.SimpleUpperPwd = UpperAscii(r.SimplePwd);
  r.StrongPwd = MakeComplexPassword(s.PwdLength, DefaultExclusionSet());
  r.ComplexPwd = MakeComplexPassword(s.PwdLength, s.ExclusionSet);
  switch (s.Mode) {
    case CharSetMode::Exclude:
      r.CustomPwd = MakeComplexPassword(s.PwdLength, s.ExclusionSet);
      break;
    case CharSetMode::Include:
      r.CustomPwd = MakeCustomPassword(s.PwdLength, s.InclusionSet);
      break;
    case CharSetMode::Default:
      r.CustomPwd = r.ComplexPwd;
      break;
  }
  r.Guid = MakeGuid(kGuidTextLength);

  r.SimpleHash = MakeHashText(r.SimplePwd, s.HashName);
  r.SimpleLowerHash = MakeHashText(r.SimpleLowerPwd, s.HashName);
  r.SimpleUpperHash = MakeHashText(r.SimpleUpperPwd, s.HashName);
  r.StrongHash = MakeHashText(r.StrongPwd, s.HashName);
  r.ComplexHash = MakeHashText(r.ComplexPwd, s.HashName);
  r.CustomHash = MakeHashText(r.CustomPwd, s.HashName);
  r.GuidHash = MakeHashText(r.Guid, s.HashName);
  return r;
}

std::string AddressText(std::uintptr_t address) {
  char text[2 + 2 * sizeof address];
  std::snprintf(text, sizeof text, "$%0*llX", static_cast<int>(2 * sizeof address),
                static_cast<unsigned long long>(address));
  return text;
}

// What the run leaves on standard error when an error reaches the top: where it arose, its
// kind and message, and the calls that led there. A failure to write this is ignored.
void ReportUnhandled(Platform& platform, const char* kind, const std::string& message,
                     const std::vector<std::uintptr_t>& chain) {
  try {
    TextWriter& err = platform.StandardError();
    const std::uintptr_t where = chain.empty() ? 0 : chain.front();
    err.Write("An unhandled exception occurred at ")
        .Write(ByteString(AddressText(where)))
        .Line(":");
    err.Write(ByteString(kind)).Write(": ").Line(ByteString(message, kAnsiCodePage));
    for (std::uintptr_t address : chain) err.Write("  ").Line(ByteString(AddressText(address)));
  } catch (...) {
  }
}

}  // namespace

int RunKeyloom(Platform& platform) {
  SeedRandom(platform.ProcessId());
  platform.SetExitCode(0);
  RunSettings settings;
  TFileVersionInfoRec build_info;

  const int first_option = ApplyLengthStep(platform, settings);
  if (RunOptionLoop(platform, settings, build_info, first_option)) return platform.ExitCode();

  if (!settings.ParamsValid) {
    ShowHelp(platform, build_info, false, settings.BuildInfoOn);
    platform.SetExitCode(2);
    return platform.ExitCode();
  }
  // An exclusion set that leaves nothing to draw is refused like any invalid parameter.
  if (!LeavesComplexCandidates(settings.ExclusionSet)) {
    platform.StandardError().Line("Exclusion set leaves no characters to choose from");
    ShowHelp(platform, build_info, false, settings.BuildInfoOn);
    platform.SetExitCode(2);
    return platform.ExitCode();
  }

  TextWriter& out = platform.StandardOutput();
  if (settings.HeaderOn) ShowBanner(platform, build_info, settings.BuildInfoOn);
  if (!settings.LengthValid) ShowLengthNotice(out);
  const RunResults results = Generate(settings);
  ShowReport(out, settings, results);
  return platform.ExitCode();
}

int RunGuarded(Platform& platform) {
  try {
    return RunKeyloom(platform);
  } catch (const Exception& error) {
    ReportUnhandled(platform, error.KindName(), error.Message(), error.CallChain());
  } catch (const std::bad_alloc&) {
    ReportUnhandled(platform, "EOutOfMemory", "Out of memory", {});
  } catch (const std::exception& error) {
    ReportUnhandled(platform, "Exception", error.what(), {});
  }
  return kUnhandledErrorExitCode;
}

}  // namespace keyloom
