// An engine that creates its expressions with a first engine and, only when
// that one cannot create an expression object at all, with a second. A pattern
// that the first engine rejects stays rejected: it is not retried.
#pragma once

#include "RegexEngine.h"

namespace tavrin {

class FallbackRegexEngine final : public RegexEngine {
 public:
  // Both engines must outlive this one.
  FallbackRegexEngine(const RegexEngine& primary, const RegexEngine& fallback)
      : primary_(primary), fallback_(fallback) {}

  [[nodiscard]] std::shared_ptr<RegexExpression> createExpression() const override {
    if (auto expression = primary_.createExpression()) return expression;
    return fallback_.createExpression();
  }

 private:
  const RegexEngine& primary_;
  const RegexEngine& fallback_;
};

}  // namespace tavrin
