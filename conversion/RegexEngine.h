// The regular-expression engines behind RegexMatcher.
//
// The interface mirrors the automation objects of VBScript.RegExp, one class
// per object: an expression, the match collection that its Execute returns, a
// match, and a match's sub-match collection. Strings are wide (CodePage936.h)
// and indices are 0-based, as the objects have them.
//
// The subject of Execute and Replace is a Text: an engine that matches wide
// strings converts it, one that can match the bytes as they are (an ASCII
// text) need not. FirstIndex counts UTF-16 units all the same.
//
// An engine reports failure and nothing else: a property write returns false,
// a read returns nullopt, a method that yields an object returns null. What a
// failure means to the caller (an empty answer, and the work goes on) is
// RegexMatcher's business, not the engine's.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

class RegexSubMatches {
 public:
  virtual ~RegexSubMatches() = default;
  [[nodiscard]] virtual std::optional<double> count() const = 0;
  // A group that took no part in the match has no value: nullopt, as for a
  // failed call.
  [[nodiscard]] virtual std::optional<std::wstring> item(long index) const = 0;
};

class RegexMatch {
 public:
  virtual ~RegexMatch() = default;
  [[nodiscard]] virtual std::optional<std::wstring> value() const = 0;
  // In UTF-16 units from the start of the subject.
  [[nodiscard]] virtual std::optional<double> firstIndex() const = 0;
  [[nodiscard]] virtual std::unique_ptr<RegexSubMatches> subMatches() const = 0;
};

class RegexMatchCollection {
 public:
  virtual ~RegexMatchCollection() = default;
  [[nodiscard]] virtual std::optional<double> count() const = 0;
  [[nodiscard]] virtual std::unique_ptr<RegexMatch> item(double index) const = 0;
};

class RegexExpression {
 public:
  virtual ~RegexExpression() = default;
  virtual bool setIgnoreCase(bool value) = 0;
  [[nodiscard]] virtual std::optional<bool> ignoreCase() const = 0;
  virtual bool setMultiline(bool value) = 0;
  // VBScript.RegExp has no such property; the write is made and fails there.
  virtual bool setSingleline(bool value) = 0;
  virtual bool setGlobal(bool value) = 0;
  virtual bool setPattern(std::wstring_view pattern) = 0;
  [[nodiscard]] virtual std::optional<std::wstring> pattern() const = 0;
  // Null when the pattern is rejected or the run fails otherwise. A run that
  // finds nothing still gives a collection.
  [[nodiscard]] virtual std::shared_ptr<RegexMatchCollection> execute(
      std::string_view subject) = 0;
  [[nodiscard]] virtual std::optional<std::wstring> replace(std::string_view subject,
                                                            std::wstring_view replacement) = 0;
};

class RegexEngine {
 public:
  virtual ~RegexEngine() = default;
  // Null when the engine's expression object cannot be created.
  [[nodiscard]] virtual std::shared_ptr<RegexExpression> createExpression() const = 0;
};

}  // namespace tavrin
