// Under Wine or on Windows: how long a whole conversion with VBScript.RegExp
// takes next to that engine's own Execute on the same text.
//   vbscript_bench FILE
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "ComInitialization.h"
#include "ConstantConverter.h"
#include "RegexEngines.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vbscript_bench FILE\n");
    return 2;
  }
  const tavrin::ComInitialization com;
  std::ifstream file(argv[1], std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(file), {}};
  const tavrin::RegexEngine& engine = *tavrin::vbscriptRegexEngine();

  double execute = 1e9;
  double convert = 1e9;
  size_t matches = 0;
  size_t bytes = 0;
  for (int round = 0; round < 3; ++round) {
    auto expression = engine.createExpression();
    if (!expression) {
      std::fprintf(stderr, "VBScript.RegExp cannot be created\n");
      return 1;
    }
    expression->setIgnoreCase(true);
    expression->setGlobal(true);
    expression->setPattern(L"#define (\\S+)\\s+(\\S+)");
    Clock::time_point start = Clock::now();
    const auto collection = expression->execute(text);
    execute = std::min(execute, secondsSince(start));
    matches = collection ? static_cast<size_t>(collection->count().value_or(0)) : 0;

    start = Clock::now();
    bytes = tavrin::convertVcToE(text, engine).size();
    convert = std::min(convert, secondsSince(start));
  }
  std::printf("input %zu bytes, %zu definitions\n", text.size(), matches);
  std::printf("VBScript.RegExp Execute alone:  %.3f s\n", execute);
  std::printf("whole conversion (%zu bytes out): %.3f s\n", bytes, convert);
  std::printf("conversion / Execute: %.2f\n", convert / execute);
  return 0;
}
