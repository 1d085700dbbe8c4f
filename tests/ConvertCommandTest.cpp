#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ConvertCommand.h"
#include "SampleDefines.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome run(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = runConvertCommand(args, in, out, err);
  return {status, out.str(), err.str()};
}

std::string line(const std::string& name, const std::string& value) {
  return ".\xB3\xA3\xC1\xBF " + name + ", \"" + value + "\"\r\n";
}

// A folder of its own for each test, removed with everything in it.
class ConvertCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / ("tavrin-convert-test-" + std::string(test->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Writes a file and returns its name as the command takes it, in UTF-8.
  std::string file(const std::u8string& name, const std::string& bytes) const {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
  }

  fs::path folder_;
};

TEST_F(ConvertCommandTest, ConvertsStandardInput) {
  const Outcome outcome = run({}, std::string(kSampleDefines));
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out.size(), 149u);
  EXPECT_EQ(outcome.out.substr(0, line("MB_OK", "0").size()), line("MB_OK", "0"));
  EXPECT_EQ(outcome.err, "");
}

TEST_F(ConvertCommandTest, ConvertsFilesInTheOrderGiven) {
  const std::string a = file(u8"a.h", "#define A 1\r\n");
  const std::string b = file(u8"b.h", "#define B 2\r\n");
  const Outcome ordered = run({b, "-", a}, "#define S 3");
  EXPECT_EQ(ordered.status, 0);
  EXPECT_EQ(ordered.out, line("B", "2") + line("S", "3") + line("A", "1"));
}

TEST_F(ConvertCommandTest, DoubleDashEndsTheOptions) {
  (void)file(u8"--utf8", "#define D 0xd");
  const fs::path before = fs::current_path();
  fs::current_path(folder_);
  const Outcome outcome = run({"--", "--utf8"});
  fs::current_path(before);
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, line("D", "13"));
}

TEST_F(ConvertCommandTest, FileWithAChineseName) {
  const std::string name = file(u8"常量.h", "#define C 0xC");
  const Outcome outcome = run({name});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, line("C", "12"));
}

TEST_F(ConvertCommandTest, UnreadableFileWritesNothing) {
  const std::string good = file(u8"good.h", "#define A 1");
  const std::string missing = (folder_ / "missing.h").string();
  const Outcome outcome = run({good, missing});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("missing.h"), std::string::npos) << outcome.err;
}

TEST_F(ConvertCommandTest, FolderIsRefused) {
  const Outcome outcome = run({(folder_).string()});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("tavrin-convert: "), std::string::npos);
}

TEST_F(ConvertCommandTest, ZeroByteIsRefusedNotTruncated) {
  const std::string good = file(u8"good.h", "#define A 1");
  const std::string binary = file(u8"binary.h", std::string("#define A 1\0#define B 2", 23));
  const Outcome outcome = run({good, binary});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("binary.h"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("offset 11"), std::string::npos) << outcome.err;

  const Outcome piped = run({}, std::string("a\0b", 3));
  EXPECT_EQ(piped.status, 1);
  EXPECT_NE(piped.err.find("standard input"), std::string::npos) << piped.err;
}

TEST_F(ConvertCommandTest, Utf8InAndOut) {
  const Outcome outcome = run({"--utf8"}, "#define \xE5\xB8\xB8 0x10 // 常\n");
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, ".\xE5\xB8\xB8\xE9\x87\x8F \xE5\xB8\xB8, \"16\"\r\n");
}

TEST_F(ConvertCommandTest, Utf8CharactersOutsideTheCodePageAreWarnedOf) {
  const Outcome outcome = run({"--utf8"}, "#define A\xF0\x9F\x98\x80 1");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, ".\xE5\xB8\xB8\xE9\x87\x8F A?, \"1\"\r\n");
  EXPECT_NE(outcome.err.find("warning"), std::string::npos);
}

TEST_F(ConvertCommandTest, InvalidUtf8IsRefused) {
  const Outcome outcome = run({"--utf8"}, "#define A\xC3 1");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("UTF-8"), std::string::npos);
}

TEST_F(ConvertCommandTest, EnginesGiveTheSameResult) {
  const std::string expected = run({}, std::string(kSampleDefines)).out;
  EXPECT_EQ(run({"--engine=portable"}, std::string(kSampleDefines)).out, expected);
  EXPECT_EQ(run({"--engine=auto"}, std::string(kSampleDefines)).out, expected);
#ifdef _WIN32
  EXPECT_EQ(run({"--engine=vbscript"}, std::string(kSampleDefines)).out, expected);
#else
  const Outcome outcome = run({"--engine=vbscript"}, std::string(kSampleDefines));
  EXPECT_EQ(outcome.status, 2);
  EXPECT_NE(outcome.err.find("VBScript.RegExp"), std::string::npos);
#endif
}

const struct UsageCase {
  std::vector<std::string> args;
  const char* inError;
} kUsageCases[] = {
    {{"--bogus"}, "unknown option '--bogus'"},
    {{"-x", "a.h"}, "unknown option '-x'"},
    {{"--engine=perl"}, "unknown engine 'perl'"},
    {{"--engine="}, "unknown engine ''"},
};

TEST_F(ConvertCommandTest, UsageErrorsGiveStatusTwoAndAHint) {
  for (const UsageCase& c : kUsageCases) {
    SCOPED_TRACE(c.inError);
    const Outcome outcome = run(c.args, "#define A 1");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find(c.inError), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find("--help"), std::string::npos);
  }
}

TEST_F(ConvertCommandTest, HelpAndVersion) {
  const Outcome help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: tavrin-convert", 0), 0u);
  const Outcome version = run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("tavrin-convert ", 0), 0u);
}

}  // namespace
}  // namespace tavrin
