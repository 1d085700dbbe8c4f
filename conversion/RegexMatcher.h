// RegexMatcher: runs a regular expression over a Text and answers questions
// about the matches, in Texts and Integers.
//
//   RegexMatcher matcher;
//   matcher.run(kDefinePattern, source);      // case-insensitive, multi-line, global
//   for (int i = 1; i <= matcher.matchCount(); ++i)
//     for (int j = 1; j <= matcher.groupCount(); ++j) use(matcher.groupText(i, j));
//
// The matching is done by an engine (RegexEngine.h): VBScript.RegExp where it
// can be created, the portable engine otherwise. The matcher owns the engine's
// expression object and match collection and a copy of the last subject.
//
// Nothing fails loudly. A step that fails (no expression object, a pattern
// that the engine rejects, an index out of range) yields the empty value of
// its kind, the empty Text or 0, and the work goes on. Indices of matches and
// groups count from 1.
//
// On Windows each matcher initialises COM for its thread for its lifetime, and
// gives the initialisation back only after its objects are released. Use it on
// one thread.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ComInitialization.h"
#include "RegexEngine.h"
#include "RegexEngines.h"
#include "Text.h"

namespace tavrin {

class RegexMatcher {
 public:
  // `engine` must outlive the matcher.
  explicit RegexMatcher(const RegexEngine& engine = defaultRegexEngine());
  virtual ~RegexMatcher();

  // A matcher holds one initialisation of its thread's COM; copies are made
  // with clone(), which takes one of their own.
  RegexMatcher(const RegexMatcher&) = delete;
  RegexMatcher& operator=(const RegexMatcher&) = delete;

  // A new matcher that shares this one's expression and matches and copies
  // its subject.
  [[nodiscard]] virtual std::unique_ptr<RegexMatcher> clone() const;

  // Runs `pattern` over `subject` with a new expression object. True when the
  // engine ran and gave a match collection, which may be empty; false when no
  // expression object could be made, the pattern was rejected or the run
  // failed. Whether anything matched is told by matchCount().
  virtual bool run(std::string_view pattern, std::string_view subject,
                   bool caseSensitive = false, bool multiline = true, bool global = true);

  // Does nothing: a slot of the interface that no caller needs.
  virtual void placeholder();

  // The pattern of the last run, as the expression object holds it.
  [[nodiscard]] virtual Text getPattern() const;

  // The last subject with the matches replaced ($1, $& and the like refer to
  // the match), or the empty Text when there is no expression.
  [[nodiscard]] virtual Text replaceMatches(std::string_view replacement) const;

  [[nodiscard]] virtual int matchCount() const;

  // The text of match `matchIndex`. When `position` is given it receives the
  // match's 0-based byte offset in the subject (-2 for no such match).
  [[nodiscard]] virtual Text matchText(int matchIndex, int* position = nullptr) const;

  // The text of group `groupIndex` of match `matchIndex`; empty for a group that
  // took no part. `position` receives the group's 0-based byte offset: where
  // its text first stands at or after the match's start (-2 when nowhere).
  [[nodiscard]] virtual Text groupText(int matchIndex, int groupIndex,
                                       int* position = nullptr) const;

  // The number of groups of the first match; 0 when nothing matched.
  [[nodiscard]] virtual int groupCount() const;

 private:
  std::unique_ptr<RegexMatch> matchAt(int matchIndex) const;
  int matchBytePosition(const RegexMatch& match) const;

  // Declared first so that it is destroyed last, after the objects below are
  // released: COM must stay initialised until then.
  ComInitialization comInitialization_;
  const RegexEngine& engine_;
  std::shared_ptr<RegexExpression> expression_;
  std::shared_ptr<RegexMatchCollection> matches_;
  Text lastSubject_;

  // Where the last byte position was found, for the next one: the subject as
  // the engine sees it, and a count of units and the bytes they take.
  struct PositionCache {
    bool ready = false;
    std::wstring wideSubject;
    size_t units = 0;
    size_t bytes = 0;
  };
  mutable PositionCache positionCache_;
};

}  // namespace tavrin
