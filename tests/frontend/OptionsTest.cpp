#include <gtest/gtest.h>

#include <sstream>

#include "frontend/EntryPoint.h"
#include "frontend/Options.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

// The fields of `s` that differ from a fresh RunSettings, as "Name=value" words, so that a
// table entry states exactly what an argument list changes.
std::string Changes(const RunSettings& s) {
  const RunSettings d;
  std::ostringstream out;
  auto flag = [&](const char* name, bool value, bool initial) {
    if (value != initial) out << name << '=' << value << ' ';
  };
  auto text = [&](const char* name, const ByteString& value, const ByteString& initial) {
    if (!(value == initial)) out << name << "='" << value.Bytes() << "' ";
  };
  if (s.PwdLength != d.PwdLength) out << "PwdLength=" << s.PwdLength << ' ';
  flag("LengthValid", s.LengthValid, d.LengthValid);
  flag("ParamsValid", s.ParamsValid, d.ParamsValid);
  flag("BuildInfoOn", s.BuildInfoOn, d.BuildInfoOn);
  flag("HeaderOn", s.HeaderOn, d.HeaderOn);
  flag("LengthLineOn", s.LengthLineOn, d.LengthLineOn);
  flag("HashNameLineOn", s.HashNameLineOn, d.HashNameLineOn);
  flag("SimpleOn", s.SimpleOn, d.SimpleOn);
  flag("ComplexOn", s.ComplexOn, d.ComplexOn);
  flag("HashesOn", s.HashesOn, d.HashesOn);
  flag("GuidOn", s.GuidOn, d.GuidOn);
  flag("OneLineOn", s.OneLineOn, d.OneLineOn);
  flag("FullOn", s.FullOn, d.FullOn);
  flag("VerboseOn", s.VerboseOn, d.VerboseOn);
  text("ExclusionSet", s.ExclusionSet, d.ExclusionSet);
  text("InclusionSet", s.InclusionSet, d.InclusionSet);
  if (s.Mode != d.Mode)
    out << "Mode=" << (s.Mode == CharSetMode::Exclude ? "Exclude" : "Include") << ' ';
  text("HashName", s.HashName, d.HashName);
  text("LengthColumn", s.LengthColumn, d.LengthColumn);
  text("HashNameColumn", s.HashNameColumn, d.HashNameColumn);
  if (s.Labels[LengthLabel].Empty()) out << "Labels=empty ";
  std::string result = out.str();
  if (!result.empty()) result.pop_back();
  return result;
}

struct Parsed {
  RunSettings settings;
  bool stopped;
};

Parsed Parse(const std::vector<std::string>& args) {
  testing::FakePlatform platform(args);
  Parsed parsed;
  TFileVersionInfoRec build_info;
  const int first = ApplyLengthStep(platform, parsed.settings);
  parsed.stopped = RunOptionLoop(platform, parsed.settings, build_info, first);
  return parsed;
}

int ExitCodeOf(const std::vector<std::string>& args) {
  testing::FakePlatform platform(args);
  return RunKeyloom(platform);
}

struct OptionCase {
  std::vector<std::string> args;
  std::string changes;  // LengthText is left out: it always follows PwdLength
  bool stopped;
  int exit_code;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
  *os << "arguments:";
  for (const std::string& a : c.args) *os << " [" << a << "]";
}

class OptionTable : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionTable, SettingsAndExitCode) {
  const OptionCase& c = GetParam();
  const Parsed parsed = Parse(c.args);
  EXPECT_EQ(Changes(parsed.settings), c.changes);
  EXPECT_EQ(parsed.stopped, c.stopped);
  EXPECT_EQ(ExitCodeOf(c.args), c.exit_code);
}

const char* const kSimpleOnly =
    "LengthLineOn=0 HashNameLineOn=0 ComplexOn=0 GuidOn=0 LengthColumn='16  ' "
    "HashNameColumn='SHA1  '";

INSTANTIATE_TEST_SUITE_P(
    Arguments, OptionTable,
    ::testing::Values(
        OptionCase{{}, "", false, 0}, OptionCase{{"foo"}, "LengthValid=0 ParamsValid=0", false, 2},
        OptionCase{{"-s"}, std::string("LengthValid=0 ") + kSimpleOnly, false, 0},
        OptionCase{{"/S"}, std::string("LengthValid=0 ") + kSimpleOnly, false, 0},
        OptionCase{{"foo", "-s"}, std::string("LengthValid=0 ") + kSimpleOnly, false, 0},
        OptionCase{{"-s", "foo"}, std::string("LengthValid=0 ") + kSimpleOnly, false, 0},
        OptionCase{{"20", "foo"}, "PwdLength=20", false, 0},
        OptionCase{{"3"}, "LengthValid=0", false, 0},
        OptionCase{{"5000"}, "LengthValid=0", false, 0},
        OptionCase{{"-5"}, "LengthValid=0", false, 0},
        OptionCase{{"$20"}, "PwdLength=32", false, 0}, OptionCase{{"x10"}, "", false, 0},
        OptionCase{{"8"}, "PwdLength=8", false, 0},
        OptionCase{{"4096"}, "PwdLength=4096", false, 0},
        OptionCase{{"-simple"}, "LengthValid=0 ParamsValid=0", false, 2},
        OptionCase{{"/INFO"}, "LengthValid=0 ParamsValid=0", false, 2},
        OptionCase{{"-info", "-s"}, "LengthValid=0 ParamsValid=0 BuildInfoOn=1", true, 99},
        OptionCase{{"--Info"}, "LengthValid=0 ParamsValid=0 BuildInfoOn=1", true, 99},
        OptionCase{{"-d"}, "LengthValid=0 BuildInfoOn=1", false, 0},
        OptionCase{{"-d", "-?"}, "LengthValid=0 BuildInfoOn=1", true, 99},
        OptionCase{{"16", "/h"}, "", true, 99},
        OptionCase{{"-??"}, "LengthValid=0 ParamsValid=0 BuildInfoOn=1", true, 99},
        OptionCase{{"-H2X"}, "LengthValid=0 ParamsValid=0 BuildInfoOn=1", true, 99},
        OptionCase{
            {"-$:sha2"}, "LengthValid=0 HashName='SHA2_256' HashNameColumn='SHA2_256  '", false, 0},
        OptionCase{
            {"-$:Sha3"}, "LengthValid=0 HashName='SHA3_384' HashNameColumn='SHA3_384  '", false, 0},
        OptionCase{
            {"/$:sha256"}, "LengthValid=0 HashName='SHA256' HashNameColumn='SHA256  '", false, 0},
        OptionCase{{"-$:"}, "LengthValid=0 ParamsValid=0", true, 2},
        OptionCase{{"-$:SHA-1", "-?"}, "LengthValid=0 ParamsValid=0", true, 2},
        OptionCase{{"-d", "-$:SHA5"}, "LengthValid=0 ParamsValid=0 BuildInfoOn=1", true, 2},
        OptionCase{{"-x", "-s"}, "LengthValid=0 ExclusionSet='-s' Mode=Exclude", false, 0},
        OptionCase{{"-u", "abc"}, "LengthValid=0 InclusionSet='abc' Mode=Include", false, 0},
        OptionCase{{"-u"}, "LengthValid=0 Mode=Include", false, 0},
        OptionCase{{"-x"}, "LengthValid=0 ExclusionSet='' Mode=Exclude", false, 0},
        OptionCase{{"-i"}, "LengthValid=0 ExclusionSet='' Mode=Include", false, 0},
        OptionCase{{"-e"}, "LengthValid=0 ExclusionSet='<>\"^'%&`|!()' Mode=Exclude", false, 0},
        OptionCase{{"-b", "-u", "Q"},
                   "LengthValid=0 ExclusionSet='<>\"^'%&`|!()' InclusionSet='Q' Mode=Include",
                   false,
                   0},
        OptionCase{{"20", "-c"},
                   "PwdLength=20 LengthLineOn=0 HashNameLineOn=0 SimpleOn=0 GuidOn=0 "
                   "LengthColumn='20  ' HashNameColumn='SHA1  '",
                   false,
                   0},
        OptionCase{{"-g"},
                   "LengthValid=0 LengthLineOn=0 HashNameLineOn=0 SimpleOn=0 ComplexOn=0 "
                   "HashesOn=0",
                   false,
                   0},
        OptionCase{{"-o"},
                   "LengthValid=0 LengthLineOn=0 HashNameLineOn=0 SimpleOn=0 ComplexOn=0 "
                   "GuidOn=0 OneLineOn=1 LengthColumn='16  ' HashNameColumn='SHA1  '",
                   false,
                   0},
        OptionCase{{"-s", "-l"}, "LengthValid=0 ComplexOn=0 GuidOn=0", false, 0},
        OptionCase{
            {"-p"}, "LengthValid=0 LengthLineOn=0 HashNameLineOn=0 HashesOn=0 GuidOn=0", false, 0},
        OptionCase{{"-s", "-f"},
                   "LengthValid=0 LengthLineOn=0 HashNameLineOn=0 ComplexOn=0 GuidOn=0 FullOn=1",
                   false,
                   0},
        OptionCase{{"-o", "-v"},
                   "LengthValid=0 LengthLineOn=0 SimpleOn=0 ComplexOn=0 GuidOn=0 VerboseOn=1 "
                   "LengthColumn='16  ' HashNameColumn='SHA1  '",
                   false,
                   0},
        OptionCase{{"-v", "-p"},
                   "LengthValid=0 LengthLineOn=0 HashNameLineOn=0 HashesOn=0 GuidOn=0",
                   false,
                   0},
        OptionCase{{"-q"}, "LengthValid=0 HeaderOn=0 Labels=empty", false, 0},
        OptionCase{{"-$:md5", "-s", "-$:sha512"},
                   "LengthValid=0 LengthLineOn=0 HashNameLineOn=0 ComplexOn=0 GuidOn=0 "
                   "HashName='SHA512' LengthColumn='16  ' HashNameColumn='SHA512  '",
                   false,
                   0},
        // Every candidate excluded: refused after the loop like invalid parameters.
        OptionCase{{"-x",
                    "!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                    "abcdefghijklmnopqrstuvwxyz{|}~"},
                   "LengthValid=0 ExclusionSet='!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMN"
                   "OPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~' Mode=Exclude",
                   false,
                   2}));

TEST(OptionLoop, TwoCharacterOptionsMatchOnlyWholeArguments) {
  EXPECT_EQ(Changes(Parse({"20", "-sx", "-pp", "-v2"}).settings), "PwdLength=20");
}

TEST(OptionLoop, AStopLeavesLaterArgumentsUnexamined) {
  const Parsed parsed = Parse({"20", "-$:nope", "-q"});
  EXPECT_TRUE(parsed.stopped);
  EXPECT_TRUE(parsed.settings.HeaderOn);
}

TEST(ExclusionRefusal, WritesOneErrorLineThenTheHelpPath) {
  std::string all;
  for (int c = 33; c <= 126; ++c) all += static_cast<char>(c);
  testing::FakePlatform platform({"12", "-x", all});
  EXPECT_EQ(RunKeyloom(platform), 2);
  EXPECT_EQ(platform.Err(), "Exclusion set leaves no characters to choose from\n");
}

}  // namespace
}  // namespace keyloom
