// The real program, run as a process: the banner from the version section of its own file,
// and the two failures of reading it (a path too long to use, a file without the section).
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "buildinfo/BuildConstants.h"

namespace keyloom {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  std::string out;
  std::string err;
  int exit_code = -1;
};

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class Binary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_STREQ(kBuildDate, "2023/08/27");
    dir_ = fs::temp_directory_path() /
           ("keyloom_binary_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    dir_ = fs::canonical(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs `program` with `arguments` in the locale C.UTF-8.
  Outcome Run(const fs::path& program, const std::string& arguments = "") {
    const fs::path out = dir_ / "stdout.txt";
    const fs::path err = dir_ / "stderr.txt";
    const std::string command = "LC_ALL=C.UTF-8 " + Quoted(program.string()) + " " + arguments +
                                " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.out = ReadAll(out);
    outcome.err = ReadAll(err);
    if (status != -1 && WIFEXITED(status)) outcome.exit_code = WEXITSTATUS(status);
    return outcome;
  }

  fs::path CopyOfProgram(const fs::path& folder) {
    fs::create_directories(folder);
    const fs::path copy = folder / "keyloom";
    fs::copy_file(KEYLOOM_BINARY, copy, fs::copy_options::overwrite_existing);
    return copy;
  }

  fs::path dir_;
};

// The banner as the version values of resources/VersionInfo.cmake make it.
std::string ExpectedHeader() {
  return std::string("KEYLOOM v") + KEYLOOM_EXPECTED_THREE_PART_VERSION + " x86 (27 Aug 2023) - " +
         KEYLOOM_EXPECTED_DESCRIPTION + "\n" + "Copyright " + KEYLOOM_EXPECTED_COPYRIGHT + "\n" +
         KEYLOOM_EXPECTED_COMMENTS + "\n\n";
}

TEST_F(Binary, PrintsTheBannerFromItsOwnVersionSection) {
  const Outcome info = Run(KEYLOOM_BINARY, "-info");
  EXPECT_EQ(info.exit_code, 99);
  EXPECT_EQ(info.err, "");
  EXPECT_EQ(info.out, ExpectedHeader() + "keyloom v" + KEYLOOM_EXPECTED_FILE_VERSION +
                          " x86 was compiled on 27 Aug 2023 @ 17:00:00" + ToolchainText().Bytes() +
                          "\n\n");

  const Outcome run = Run(KEYLOOM_BINARY);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.substr(0, ExpectedHeader().size()), ExpectedHeader());
}

TEST_F(Binary, StartedFromAPathLongerThan255CharactersCannotFindItself) {
  fs::path folder = dir_;
  while (folder.string().size() < 300) folder /= std::string(40, 'd');
  const fs::path copy = CopyOfProgram(folder);
  const std::string cut = copy.string().substr(0, 255);

  const Outcome run = Run(copy);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "File does not exist: " + cut + "\n");
  // The run goes on: an empty header block, then the report.
  EXPECT_EQ(run.out.rfind(" x86 (27 Aug 2023) - \n\n\n\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("SHA1"), std::string::npos);
}

TEST_F(Binary, WithoutItsVersionSectionReportsTheFileAndGoesOn) {
  const fs::path copy = CopyOfProgram(dir_ / "stripped");
  const std::string command =
      std::string(KEYLOOM_OBJCOPY) + " --remove-section=.keyloom.version " + Quoted(copy.string());
  ASSERT_EQ(std::system(command.c_str()), 0);

  const Outcome run = Run(copy);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "Error obtaining version info from file: " + copy.string() + "\n");
  EXPECT_EQ(run.out.rfind(" x86 (27 Aug 2023) - \n\n\n\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("SHA1"), std::string::npos);

  // On a help path the help's exit code replaces 1; the program name is still known.
  const Outcome help = Run(copy, "-?");
  EXPECT_EQ(help.exit_code, 99);
  EXPECT_EQ(help.err, "Error obtaining version info from file: " + copy.string() + "\n");
  EXPECT_NE(help.out.find("\n KEYLOOM [length] [options]\n"), std::string::npos);
}

}  // namespace
}  // namespace keyloom
