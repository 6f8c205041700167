#include <gtest/gtest.h>

#include "frontend/Options.h"
#include "frontend/Report.h"
#include "tests/support/FakePlatform.h"

namespace keyloom {
namespace {

// Marker texts in place of generated ones, so every line says where its pieces come from.
RunResults Markers() {
  RunResults r;
  r.SimplePwd = "Ps";
  r.SimpleLowerPwd = "Pl";
  r.SimpleUpperPwd = "Pu";
  r.StrongPwd = "Pt";
  r.ComplexPwd = "Pc";
  r.CustomPwd = "Px";
  r.Guid = "G";
  r.SimpleHash = "[hs]";
  r.SimpleLowerHash = "[hl]";
  r.SimpleUpperHash = "[hu]";
  r.StrongHash = "[ht]";
  r.ComplexHash = "[hc]";
  r.CustomHash = "[hx]";
  r.GuidHash = "[hg]";
  return r;
}

std::string Report(const std::vector<std::string>& args) {
  testing::FakePlatform platform(args);
  RunSettings settings;
  TFileVersionInfoRec build_info;
  RunOptionLoop(platform, settings, build_info, ApplyLengthStep(platform, settings));
  ShowReport(platform.StandardOutput(), settings, Markers());
  return platform.Out();
}

struct LayoutCase {
  std::vector<std::string> args;
  std::string lines;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << "arguments:";
  for (const std::string& a : c.args) *os << " [" << a << "]";
}

class Layouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layouts, PrintTheirLinesExactly) {
  EXPECT_EQ(Report(GetParam().args), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Layouts,
    ::testing::Values(
        LayoutCase{{},
                   " Pwd Length......... 16\n"
                   " Current Hash....... SHA1\n"
                   " Complex Pwd........ [hx] Px\n"
                   " Simple Pwd ........ [hs] Ps\n"
                   " Simple (L) Pwd .... [hl] Pl\n"
                   " Simple (U) Pwd..... [hu] Pu\n"
                   " 32-bit GUID........ [hg] G\n"},
        LayoutCase{{"-p"},
                   " Complex Pwd........ Px\n"
                   " Simple Pwd ........ Ps\n"
                   " Simple (L) Pwd .... Pl\n"
                   " Simple (U) Pwd..... Pu\n"},
        LayoutCase{{"-s"},
                   " Simple Pwd ........ 16  SHA1  [hs] Ps\n"
                   " Simple (L) Pwd .... 16  SHA1  [hl] Pl\n"
                   " Simple (U) Pwd..... 16  SHA1  [hu] Pu\n"},
        LayoutCase{{"20", "-c"}, " Complex Pwd........ 20  SHA1  [hx] Px\n"},
        LayoutCase{{"-g"}, " 32-bit GUID........ G\n"},
        LayoutCase{{"-o"},
                   " One-line Output.... 16  SHA1  [hx] Px  [hs] Ps  [hl] Pl  [hu] Pu  [hg] G\n"},
        LayoutCase{{"-o", "-p"}, " One-line Output.... 16  SHA1  Px  Ps  Pl  Pu  G\n"},
        LayoutCase{{"-f"},
                   " Pwd Length......... 16\n"
                   " Current Hash....... SHA1\n"
                   " Complex Pwd........ [hx] Px\n"
                   " Simple Pwd ........ [hs] Ps\n"
                   " Simple (L) Pwd .... [hl] Pl\n"
                   " Simple (U) Pwd..... [hu] Pu\n"
                   " 32-bit GUID........ [hg] G\n"
                   "\n"
                   " One-line Output.... [hx] Px  [hs] Ps  [hl] Pl  [hu] Pu  [hg] G\n"},
        LayoutCase{{"-g", "-f"},
                   " Pwd Length......... 16\n"
                   " Current Hash....... SHA1\n"
                   " Complex Pwd........ Px\n"
                   " Simple Pwd ........ Ps\n"
                   " Simple (L) Pwd .... Pl\n"
                   " Simple (U) Pwd..... Pu\n"
                   " 32-bit GUID........ G\n"
                   "\n"
                   " One-line Output.... Px  Ps  Pl  Pu  G\n"},
        LayoutCase{{"-v"},
                   " Pwd Length......... 16\n"
                   " Current Hash....... SHA1\n"
                   " Complex Pwd........ Pc\n"
                   " Complex Pwd Hash... [hc]\n"
                   " Simple Pwd ........ Ps\n"
                   " Simple Pwd Hash.... [hs]\n"
                   " Simple (L) Pwd .... Pl\n"
                   " Simple (L) Hash.... [hl]\n"
                   " Simple (U) Pwd..... Pu\n"
                   " Simple (U) Hash.... [hu]\n"
                   " Strong Pwd......... Pt\n"
                   " Strong Pwd Hash.... [ht]\n"
                   " 32-bit GUID........ G\n"
                   " 32-bit GUID Hash... [hg]\n"},
        LayoutCase{{"-v", "-u", "abc", "-$:md5"},
                   " Pwd Length......... 16\n"
                   " Current Hash....... MD5\n"
                   " Complex Pwd........ Pc\n"
                   " Complex Pwd Hash... [hc]\n"
                   " Custom Pwd......... Px\n"
                   " Custom Pwd Hash.... [hx]\n"
                   " Simple Pwd ........ Ps\n"
                   " Simple Pwd Hash.... [hs]\n"
                   " Simple (L) Pwd .... Pl\n"
                   " Simple (L) Hash.... [hl]\n"
                   " Simple (U) Pwd..... Pu\n"
                   " Simple (U) Hash.... [hu]\n"
                   " Strong Pwd......... Pt\n"
                   " Strong Pwd Hash.... [ht]\n"
                   " 32-bit GUID........ G\n"
                   " 32-bit GUID Hash... [hg]\n"},
        LayoutCase{{"-p", "-e", "-v"},
                   " Pwd Length......... 16\n"
                   " Current Hash....... SHA1\n"
                   " Strong Pwd......... Pt\n"
                   " Complex Pwd........ Pc\n"
                   " Custom Pwd......... Px\n"
                   " Simple Pwd ........ Ps\n"
                   " Simple (L) Pwd .... Pl\n"
                   " Simple (U) Pwd..... Pu\n"
                   " 32-bit GUID........ G\n"},
        LayoutCase{{"-v", "-p"},
                   " Complex Pwd........ Px\n"
                   " Simple Pwd ........ Ps\n"
                   " Simple (L) Pwd .... Pl\n"
                   " Simple (U) Pwd..... Pu\n"},
        LayoutCase{{"-$:MD5"},
                   " Pwd Length......... 16\n"
                   " Current Hash....... MD5\n"
                   " Complex Pwd........ MD5  [hx] Px\n"
                   " Simple Pwd ........ MD5  [hs] Ps\n"
                   " Simple (L) Pwd .... MD5  [hl] Pl\n"
                   " Simple (U) Pwd..... MD5  [hu] Pu\n"
                   " 32-bit GUID........ MD5  [hg] G\n"},
        LayoutCase{{"-$:SHA512", "-s"},
                   " Simple Pwd ........ 16  SHA512  [hs] Ps\n"
                   " Simple (L) Pwd .... 16  SHA512  [hl] Pl\n"
                   " Simple (U) Pwd..... 16  SHA512  [hu] Pu\n"},
        LayoutCase{{"-s", "-$:SHA512"},
                   " Simple Pwd ........ 16  SHA512  [hs] Ps\n"
                   " Simple (L) Pwd .... 16  SHA512  [hl] Pl\n"
                   " Simple (U) Pwd..... 16  SHA512  [hu] Pu\n"},
        LayoutCase{{"-s", "-l"},
                   " Pwd Length......... 16\n"
                   " Current Hash....... SHA1\n"
                   " Simple Pwd ........ [hs] Ps\n"
                   " Simple (L) Pwd .... [hl] Pl\n"
                   " Simple (U) Pwd..... [hu] Pu\n"},
        LayoutCase{{"-q"},
                   "16\n"
                   "SHA1\n"
                   "[hx] Px\n"
                   "[hs] Ps\n"
                   "[hl] Pl\n"
                   "[hu] Pu\n"
                   "[hg] G\n"},
        LayoutCase{{"-q", "-o"}, "16  SHA1  [hx] Px  [hs] Ps  [hl] Pl  [hu] Pu  [hg] G\n"},
        LayoutCase{{"-g", "-p"}, ""}));

TEST(LengthNotice, IsTwoLinesWithFixedNumbers) {
  testing::FakePlatform platform;
  ShowLengthNotice(platform.StandardOutput());
  EXPECT_EQ(platform.Out(), " * Valid password length is from 8 to 4096 (Default = 16)\n\n");
}

TEST(Labels, AreSeventeenTextsOfTwentyOneCharacters) {
  const ReportLabels labels = DefaultLabels();
  ASSERT_EQ(labels.size(), 17u);
  for (const ByteString& label : labels) EXPECT_EQ(label.Length(), 21u) << label.Bytes();
}

}  // namespace
}  // namespace keyloom
