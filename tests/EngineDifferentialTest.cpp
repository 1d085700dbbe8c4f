// Real C headers convert to the same declarations with VBScript.RegExp and
// with the portable engine. The folder of headers is the program's argument.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ComInitialization.h"
#include "ConstantConverter.h"
#include "RegexEngines.h"

namespace tavrin {
namespace {

std::filesystem::path gHeaderFolder;

TEST(EngineDifferentialTest, HeadersConvertAlikeWithBothEngines) {
  ASSERT_NE(vbscriptRegexEngine(), nullptr);
  ASSERT_TRUE(std::filesystem::is_directory(gHeaderFolder)) << gHeaderFolder;
  int headers = 0;
  long long lines = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(gHeaderFolder)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".h") continue;
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    if (text.find('\0') != std::string::npos) continue;  // not a Text
    const Text expected = convertVcToE(text, *vbscriptRegexEngine());
    const Text actual = convertVcToE(text, portableRegexEngine());
    EXPECT_EQ(actual, expected) << entry.path();
    ++headers;
    for (char c : expected) lines += c == '\n';
  }
  // The mingw-w64 headers: well over a thousand files, most with definitions.
  EXPECT_GT(headers, 1000);
  EXPECT_GT(lines, 100000);
  std::cout << headers << " headers, " << lines << " declaration lines alike\n";
}

}  // namespace
}  // namespace tavrin

int main(int argc, char** argv) {
  const tavrin::ComInitialization com;
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::cerr << "usage: engine_differential_test HEADER-FOLDER\n";
    return 2;
  }
  tavrin::gHeaderFolder = argv[1];
  return RUN_ALL_TESTS();
}
