// The regular-expression engines that a test runs against: every engine the
// build has, and the default engine as it behaves where VBScript.RegExp is
// missing.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FallbackRegexEngine.h"
#include "RegexEngines.h"

namespace tavrin::test_support {

// An engine whose expression object can never be created, as on a Windows
// with the VBScript component switched off.
class MissingRegexEngine final : public RegexEngine {
 public:
  std::shared_ptr<RegexExpression> createExpression() const override { return nullptr; }
};

struct TestEngine {
  std::string name;
  const RegexEngine* engine;
};

// Shown by name in test results.
inline void PrintTo(const TestEngine& engine, std::ostream* out) { *out << engine.name; }

inline const MissingRegexEngine& missingRegexEngine() {
  static const MissingRegexEngine engine;
  return engine;
}

inline std::vector<TestEngine> testEngines() {
  static const FallbackRegexEngine withoutVbscript(missingRegexEngine(), portableRegexEngine());
  std::vector<TestEngine> engines{{"portable", &portableRegexEngine()},
                                  {"fallback", &withoutVbscript}};
  if (const RegexEngine* vbscript = vbscriptRegexEngine()) engines.push_back({"vbscript", vbscript});
  return engines;
}

inline std::string engineName(const ::testing::TestParamInfo<TestEngine>& info) {
  return info.param.name;
}

// True under Wine, whose VBScript.RegExp differs from Windows' in corners.
bool runningUnderWine();

}  // namespace tavrin::test_support
