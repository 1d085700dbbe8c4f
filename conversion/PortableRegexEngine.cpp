#include "PortableRegexEngine.h"

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <type_traits>

#include "AsciiRegexTraits.h"
#include "CodePage936.h"

namespace tavrin {
namespace {

template <typename Char>
using Regex = boost::basic_regex<Char, internal::AsciiRegexTraits<Char>>;

// One group as offsets into the subject; a group that took no part has none.
struct Span {
  static constexpr size_t kUnmatched = static_cast<size_t>(-1);
  size_t offset = kUnmatched;
  size_t length = 0;
  bool matched() const { return offset != kUnmatched; }
};

// The result of one Execute. Every match has the same number of spans (the
// whole match, then each group), stored one match after the other.
//
// A subject and pattern of ASCII alone are matched as narrow characters, for
// which Boost looks classes up in a table instead of asking the traits for
// every character; positions and texts are the same either way.
struct MatchData {
  std::string narrowSubject;
  std::wstring wideSubject;
  bool narrow = false;
  size_t spansPerMatch = 1;
  std::deque<Span> spans;  // grows without moving what it holds

  size_t matchCount() const { return spans.size() / spansPerMatch; }
  const Span& span(size_t match, size_t group) const { return spans[match * spansPerMatch + group]; }
  std::wstring text(const Span& span) const {
    if (!narrow) return wideSubject.substr(span.offset, span.length);
    const auto begin = narrowSubject.begin() + static_cast<std::ptrdiff_t>(span.offset);
    return std::wstring(begin, begin + static_cast<std::ptrdiff_t>(span.length));
  }
};

class PortableSubMatches final : public RegexSubMatches {
 public:
  PortableSubMatches(std::shared_ptr<const MatchData> data, size_t match)
      : data_(std::move(data)), match_(match) {}

  std::optional<double> count() const override {
    return static_cast<double>(data_->spansPerMatch - 1);
  }
  std::optional<std::wstring> item(long index) const override {
    if (index < 0 || static_cast<size_t>(index) + 1 >= data_->spansPerMatch) return std::nullopt;
    const Span& span = data_->span(match_, static_cast<size_t>(index) + 1);
    if (!span.matched()) return std::nullopt;
    return data_->text(span);
  }

 private:
  std::shared_ptr<const MatchData> data_;
  size_t match_;
};

class PortableMatch final : public RegexMatch {
 public:
  PortableMatch(std::shared_ptr<const MatchData> data, size_t match)
      : data_(std::move(data)), match_(match) {}

  std::optional<std::wstring> value() const override { return data_->text(data_->span(match_, 0)); }
  std::optional<double> firstIndex() const override {
    return static_cast<double>(data_->span(match_, 0).offset);
  }
  std::unique_ptr<RegexSubMatches> subMatches() const override {
    return std::make_unique<PortableSubMatches>(data_, match_);
  }

 private:
  std::shared_ptr<const MatchData> data_;
  size_t match_;
};

class PortableMatchCollection final : public RegexMatchCollection {
 public:
  explicit PortableMatchCollection(std::shared_ptr<const MatchData> data)
      : data_(std::move(data)) {}

  std::optional<double> count() const override {
    return static_cast<double>(data_->matchCount());
  }
  std::unique_ptr<RegexMatch> item(double index) const override {
    if (!(index >= 0) || index >= static_cast<double>(data_->matchCount())) return nullptr;
    return std::make_unique<PortableMatch>(data_, static_cast<size_t>(index));
  }

 private:
  std::shared_ptr<const MatchData> data_;
};

bool isAscii(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return static_cast<std::make_unsigned_t<wchar_t>>(c) < 0x80; });
}

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0; });
}

// '.' never matches a line feed: no single-line mode is ever in force.
constexpr boost::match_flag_type kMatchFlags = boost::match_not_dot_newline;

// Finds the matches of `regex` in `subject` into `data`. Throws what Boost
// throws when a match grows too complex.
template <typename Char>
void findMatches(const Regex<Char>& regex, const std::basic_string<Char>& subject, bool global,
                 MatchData& data) {
  data.spansPerMatch = regex.mark_count() + 1;
  using Iterator = boost::regex_iterator<typename std::basic_string<Char>::const_iterator, Char,
                                         internal::AsciiRegexTraits<Char>>;
  const auto begin = subject.cbegin();
  for (Iterator it(begin, subject.cend(), regex, kMatchFlags), end; it != end; ++it) {
    for (size_t i = 0; i < data.spansPerMatch; ++i) {
      const auto& group = (*it)[static_cast<int>(i)];
      if (group.matched) {
        data.spans.push_back({static_cast<size_t>(group.first - begin),
                              static_cast<size_t>(group.length())});
      } else {
        data.spans.push_back({});
      }
    }
    if (!global) break;
  }
}

class PortableExpression final : public RegexExpression {
 public:
  bool setIgnoreCase(bool value) override { return assign(ignoreCase_, value); }
  std::optional<bool> ignoreCase() const override { return ignoreCase_; }
  bool setMultiline(bool value) override { return assign(multiline_, value); }
  // Like VBScript.RegExp, this engine has no single-line mode.
  bool setSingleline(bool) override { return false; }
  bool setGlobal(bool value) override {
    global_ = value;
    return true;
  }
  bool setPattern(std::wstring_view pattern) override {
    pattern_ = pattern;
    return assign(ignoreCase_, ignoreCase_);
  }
  std::optional<std::wstring> pattern() const override { return pattern_; }

  std::shared_ptr<RegexMatchCollection> execute(std::string_view subject) override {
    subject = subject.substr(0, subject.find('\0'));
    auto data = std::make_shared<MatchData>();
    try {
      if (isAscii(pattern_) && isAscii(subject)) {
        const Regex<char>* regex = compiled(narrow_);
        if (regex == nullptr) return nullptr;
        data->narrow = true;
        data->narrowSubject.assign(subject);
        findMatches(*regex, data->narrowSubject, global_, *data);
      } else {
        const Regex<wchar_t>* regex = compiled(wide_);
        if (regex == nullptr) return nullptr;
        data->wideSubject = toWide(subject);
        findMatches(*regex, data->wideSubject, global_, *data);
      }
    } catch (const std::runtime_error&) {
      return nullptr;  // the match grew too complex for Boost
    }
    return std::make_shared<PortableMatchCollection>(std::move(data));
  }

  std::optional<std::wstring> replace(std::string_view subject,
                                      std::wstring_view replacement) override {
    const Regex<wchar_t>* regex = compiled(wide_);
    if (regex == nullptr) return std::nullopt;
    // VBScript's replacement knows $1, $& and the like, but no backslash
    // escapes: Boost's would, so each backslash is doubled.
    std::wstring format;
    for (wchar_t c : replacement) {
      format.push_back(c);
      if (c == L'\\') format.push_back(c);
    }
    auto flags = kMatchFlags | boost::format_default;
    if (!global_) flags |= boost::format_first_only;
    try {
      return boost::regex_replace(toWide(subject), *regex, format, flags);
    } catch (const std::runtime_error&) {
      return std::nullopt;
    }
  }

 private:
  bool assign(bool& setting, bool value) {
    setting = value;
    narrow_.reset();
    wide_.reset();
    return true;
  }

  // Compiled on first use, as VBScript.RegExp does: a bad pattern is taken
  // by the Pattern write and rejected by Execute.
  template <typename Char>
  const Regex<Char>* compiled(std::unique_ptr<Regex<Char>>& slot) {
    if (!slot) {
      auto flags = Regex<Char>::perl | Regex<Char>::no_mod_s;
      if (ignoreCase_) flags |= Regex<Char>::icase;
      if (!multiline_) flags |= Regex<Char>::no_mod_m;
      try {
        slot = std::make_unique<Regex<Char>>(std::basic_string<Char>(pattern_.begin(), pattern_.end()),
                                             flags);
      } catch (const boost::regex_error&) {
        return nullptr;
      }
    }
    return slot.get();
  }

  bool ignoreCase_ = false;
  bool multiline_ = false;
  bool global_ = false;
  std::wstring pattern_;
  std::unique_ptr<Regex<char>> narrow_;
  std::unique_ptr<Regex<wchar_t>> wide_;
};

}  // namespace

std::shared_ptr<RegexExpression> PortableRegexEngine::createExpression() const {
  return std::make_shared<PortableExpression>();
}

}  // namespace tavrin
