#include "frontend/Help.h"

#include <string>

#include "buildinfo/Banner.h"
#include "frontend/Report.h"

namespace keyloom {
namespace {

// The special characters that the help describes; fixed texts, not the sets in force.
constexpr const char* kIncludedSpecials = "<>\"^'%&`|";
constexpr const char* kExcludedSpecials = "<>\"^'%&`|*!()\\/";

// Indent of the continuation lines of the -$: definition, under its list of names.
const std::string kNameListIndent(57, ' ');

void Syntax(TextWriter& out, const ByteString& program_name) {
  WriteSection(out, "CMD SYNTAX:");
  out.Write(" ").Write(program_name).Line(" [length] [options]");
  out.EndLine();
  out.Write(" ")
      .Write(program_name)
      .Line(
          " [length] [-$:xxx] [-v | [-a|-s|-c|-g|-o|-f]] [-q] [-p] [-l] [-i|-e|-b|-u \"...\"|-x "
          "\"...\"]");
  out.Write(" ")
      .Write(program_name)
      .Line(" [length] [-$:xxx] [-i|-e|-b|-u \"xxxxxx\"|-x \"xxxxxx\"]");
  out.Write(" ").Write(program_name).Line(" [-h|-?]");
  out.Write(" ").Write(program_name).Line(" [-h2|-??|-info]");
  out.EndLine();
  ShowLengthNotice(out);
  out.EndLine();
}

void OptionDefinitions(TextWriter& out) {
  WriteSection(out, "OPTION DEFINITIONS:");
  out.Line(" -h,  -? ... Display this help message");
  out.Line(" -h2, -?? .. Display program banner with build information, then exit");
  out.Line(" -d ........ Display program banner with build information");
  out.Line(" -info ..... Display program banner with build information, then exit");
  out.EndLine();
  out.Line(" -q ........ Suppress the header (and password length) information");
  out.Write(" -i ........ Include the following special characters: ").Line(kIncludedSpecials);
  out.Write(" -e ........ Exclude the following special characters: ").Line(kExcludedSpecials);
  out.Line(" -b ........ Same as -e");
  out.Line(" -x ........ Select which special characters to eXclude");
  out.Line(" -u ........ Select which special characters to Use/include");
  out.Line(" -p ........ Display password only; do not display the hash or GUID");
  out.Line(" -l ........ Display password length and hash on separate lines");
  out.Line(" -s ........ Display a simple/alphanumeric password, ONLY");
  out.Line(" -a ........ Same as -s");
  out.Line(" -c ........ Display a complex password, ONLY");
  out.Line(" -g ........ Display a 32-bit GUID, ONLY");
  out.Line(" -f ........ Display full output");
  out.Line(" -v ........ Display all passwords and [hashes] (on separate lines)");
  out.Line(" -o ........ Display all [hashes] and passwords (on a single line)");
  out.Line(" -$:xxx .... Generate hashes using one of the following: MD5,  SHA1 [default],");
  out.Write(ByteString(kNameListIndent)).Line("SHA2, SHA2_256, SHA2_384, SHA2_512,");
  out.Write(ByteString(kNameListIndent)).Line("SHA3, SHA3_256, SHA3_384, SHA3_512.");
  out.EndLine();
}

void SyntaxExamples(TextWriter& out, const ByteString& program_name) {
  WriteSection(out, "SYNTAX EXAMPLES:");
  for (const char* arguments :
       {" -h", "", " 10", " 14 -s -p", " 21 -q -c", " 21 -f -i -d", " 24 -x \"$#^&*()<>\"",
        " 32 -u \"!@#$[]\"", " 36 -v -$:SHA2_512"}) {
    out.Write(" ").Write(program_name).Line(arguments);
  }
  out.EndLine();
}

void UsageNotes(TextWriter& out, const ByteString& program_name) {
  WriteSection(out, "USAGE NOTES:");
  out.Write(" * Entering ")
      .Write(program_name)
      .Write(" with no parameters will generate a set of ")
      .Write(DecimalText(16))
      .Line("-character passwords.");
  out.Line(" * Parameters surrounded by <> are mandatory; Those surrounded by [] are optional.");
  out.Line(" * All parameters are case-insensitive, and can support / or - as a delimiter.");
  out.Line(" * All parameters need to be separated from each other by at least one space.");
  out.Write(" * Requesting a password smaller than ")
      .Write(DecimalText(8))
      .Write(" or greater than ")
      .Write(DecimalText(4096))
      .Write(" will result in a password of default length: ")
      .Line(DecimalText(16));
  out.Line(
      " * With few exceptions, in any given command line, later parameter options supercede "
      "earlier ones.");
  out.Line(" * /H supercedes all other options -- i.e. only HELP will be processed.");
  out.Line(
      " * /V supercedes all other options except HELP (no other parameters will be processed.)");
  out.Line(
      " * /O output = Pwd Length, Custom Hash and Pwd, Simple Hash (+variants) and Pwd, GUID Hash "
      "and GUID.");
  out.Write(" * /E supports Windows Shell scripts by excluding the following from passwords: ")
      .Line(kExcludedSpecials);
  out.Line(
      " * Using /I or /V inside of Windows Shell scripts can result in script failures due to "
      "possible password characters.");
  out.Line(
      " * Using a /G and /P (in that order) will result in no useful output, unless followed by "
      "/A, /C, /O, /F  or /V.");
  out.Line(
      " * Normal output = each password (Complex, Simple +variants, GUID), following the secure "
      "hash of that password.");
  out.Line(
      " * Verbose output = each password (Complex, Simple +variants, GUID), followed by its "
      "secure hash.");
  out.Line(
      " * Simple passwords come in mixed case (default), lowercase (L) and uppercase (U) "
      "variants.");
  out.Line(" * SHA2 hash variants can also be selected as SHA256, SHA384 and SHA512.");
  out.Line(" * Selecting \"SHA2\" is equivalent to selecting \"SHA256\" or \"SHA2_256\".");
  out.Line(" * Selecting \"SHA3\" is equivalent to selecting \"SHA3_384\".");
  out.Line(
      " * GUIDs are always 32-bytes long, regardless of the hash or password length selected.");
  out.Line(" * All hashes are now displayed within brackets [].");
  out.EndLine();
}

void ErrorCodes(TextWriter& out) {
  WriteSection(out, "ERROR CODES:");
  out.Line(" * Error Exit Codes will be generated on the following failures:");
  out.Line("    1 - Could not obtain file version info");
  out.Line("    2 - Invalid parameters provided");
  out.Line("   99 - Syntax Help Requested");
  out.EndLine();
}

}  // namespace

void WriteSection(TextWriter& out, const ByteString& heading) {
  const ByteString rule(std::string(heading.Length(), '-'), kAnsiCodePage);
  out.Line(rule).Line(heading).Line(rule);
}

void ShowHelp(Platform& platform, TFileVersionInfoRec& build_info, bool with_error_codes,
              bool with_build_line) {
  // The banner fills the record when it is not loaded yet, so the name is in place below.
  ShowBanner(platform, build_info, with_build_line);
  TextWriter& out = platform.StandardOutput();
  Syntax(out, build_info.ProgramName);
  OptionDefinitions(out);
  SyntaxExamples(out, build_info.ProgramName);
  UsageNotes(out, build_info.ProgramName);
  if (with_error_codes && with_build_line) ErrorCodes(out);
}

}  // namespace keyloom
