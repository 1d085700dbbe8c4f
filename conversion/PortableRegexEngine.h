// The regular-expression engine that needs no Windows component: Boost.Regex
// with fixed ASCII character rules (AsciiRegexTraits.h), behaving as
// VBScript.RegExp does for literal text, \s, \S, greedy repeats with
// backtracking, numbered groups, IgnoreCase, Global and Multiline.
#pragma once

#include "RegexEngine.h"

namespace tavrin {

class PortableRegexEngine final : public RegexEngine {
 public:
  [[nodiscard]] std::shared_ptr<RegexExpression> createExpression() const override;
};

}  // namespace tavrin
