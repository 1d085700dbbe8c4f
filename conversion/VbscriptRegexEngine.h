// The Windows engine: the script regular-expression object VBScript.RegExp,
// driven by late-bound automation. Every member is looked up by name when its
// call is made. The calling thread must be initialised for COM.
#pragma once

#include "RegexEngine.h"

namespace tavrin {

class VbscriptRegexEngine final : public RegexEngine {
 public:
  // Null when VBScript.RegExp is not registered or cannot be created (it is an
  // optional component of newer Windows versions).
  [[nodiscard]] std::shared_ptr<RegexExpression> createExpression() const override;
};

}  // namespace tavrin
