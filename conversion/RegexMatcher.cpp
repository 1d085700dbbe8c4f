#include "RegexMatcher.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "CodePage936.h"
#include "TextOps.h"

namespace tavrin {
namespace {

// An engine's number as an Integer: truncated toward zero, wrapping like every
// Integer; a failed read is 0.
int toInteger(std::optional<double> number) {
  if (!number || !std::isfinite(*number)) return 0;
  const double wrapped = std::fmod(std::trunc(*number), 4294967296.0);
  return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::int64_t>(wrapped)));
}

Text toText(const std::optional<std::wstring>& wide) { return wide ? fromWide(*wide) : Text(); }

constexpr int kNotFound = -2;

}  // namespace

RegexMatcher::RegexMatcher(const RegexEngine& engine) : engine_(engine) {}

// The members go in reverse order: the subject, the match collection, the
// expression, and last the thread's COM initialisation.
RegexMatcher::~RegexMatcher() = default;

std::unique_ptr<RegexMatcher> RegexMatcher::clone() const {
  auto copy = std::make_unique<RegexMatcher>(engine_);
  copy->expression_ = expression_;
  copy->matches_ = matches_;
  copy->lastSubject_ = lastSubject_;
  return copy;
}

bool RegexMatcher::run(std::string_view pattern, std::string_view subject, bool caseSensitive,
                       bool multiline, bool global) {
  expression_.reset();
  expression_ = engine_.createExpression();
  if (expression_) {
    expression_->setIgnoreCase(!caseSensitive);
    expression_->setMultiline(multiline);
    expression_->setSingleline(true);  // fails on VBScript.RegExp, which has none
    expression_->setGlobal(global);
    expression_->setPattern(toWide(pattern));
  }
  // The old collection goes only now, when the new one takes its place.
  matches_ = expression_ ? expression_->execute(subject) : nullptr;
  lastSubject_ = Text(subject.substr(0, subject.find('\0')));
  positionCache_ = {};
  return matches_ != nullptr;
}

void RegexMatcher::placeholder() {}

Text RegexMatcher::getPattern() const {
  return expression_ ? toText(expression_->pattern()) : Text();
}

Text RegexMatcher::replaceMatches(std::string_view replacement) const {
  if (!expression_) return {};
  return toText(expression_->replace(lastSubject_, toWide(replacement)));
}

int RegexMatcher::matchCount() const { return matches_ ? toInteger(matches_->count()) : 0; }

std::unique_ptr<RegexMatch> RegexMatcher::matchAt(int matchIndex) const {
  if (!matches_) return nullptr;
  return matches_->item(static_cast<double>(matchIndex) - 1);
}

// The engine counts UTF-16 units, a Text counts bytes: the match starts after
// the bytes of the subject's first FirstIndex characters. The count goes on
// from the position asked for last, so that asking for every match in order
// costs time linear in the subject.
int RegexMatcher::matchBytePosition(const RegexMatch& match) const {
  const int index = toInteger(match.firstIndex());
  if (index <= 0) return 0;
  PositionCache& cache = positionCache_;
  if (!cache.ready) {
    cache.wideSubject = toWide(lastSubject_);
    cache.ready = true;
  }
  const size_t units = std::min(static_cast<size_t>(index), cache.wideSubject.size());
  if (units < cache.units) cache.units = cache.bytes = 0;
  const std::wstring_view step =
      std::wstring_view(cache.wideSubject).substr(cache.units, units - cache.units);
  cache.bytes += fromWide(step).size();
  cache.units = units;
  return static_cast<int>(cache.bytes);
}

Text RegexMatcher::matchText(int matchIndex, int* position) const {
  const std::unique_ptr<RegexMatch> match = matchAt(matchIndex);
  if (!match) {
    if (position != nullptr) *position = kNotFound;
    return {};
  }
  Text value = toText(match->value());
  if (position != nullptr) *position = matchBytePosition(*match);
  return value;
}

Text RegexMatcher::groupText(int matchIndex, int groupIndex, int* position) const {
  const std::unique_ptr<RegexMatch> match = matchAt(matchIndex);
  const std::unique_ptr<RegexSubMatches> groups = match ? match->subMatches() : nullptr;
  Text value = groups ? toText(groups->item(static_cast<long>(groupIndex) - 1)) : Text();
  if (position != nullptr) {
    if (!match) {
      *position = kNotFound;
    } else {
      // A group has no index of its own: its text is sought from the match's
      // start, a character boundary, with the expression's own case rule.
      const int matchStart = matchBytePosition(*match);
      if (value.empty()) {
        *position = matchStart;
      } else {
        const bool ignoreCase = expression_ && expression_->ignoreCase().value_or(false);
        const int found = findText(lastSubject_, value, matchStart + 1, ignoreCase);
        *position = found < 0 ? kNotFound : found - 1;
      }
    }
  }
  return value;
}

int RegexMatcher::groupCount() const {
  const std::unique_ptr<RegexMatch> first = matchAt(1);
  const std::unique_ptr<RegexSubMatches> groups = first ? first->subMatches() : nullptr;
  return groups ? toInteger(groups->count()) : 0;
}

}  // namespace tavrin
