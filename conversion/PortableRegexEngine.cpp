#include "PortableRegexEngine.h"

#include <stdexcept>
#include <vector>

#include "AsciiRegexTraits.h"

namespace tavrin {
namespace {

using Regex = boost::basic_regex<wchar_t, internal::AsciiRegexTraits>;

// One group as offsets into the subject; a group that took no part has none.
struct Span {
  bool matched = false;
  size_t offset = 0;
  size_t length = 0;
};

// A match: span 0 is the whole match, then the groups.
using MatchSpans = std::vector<Span>;

struct MatchData {
  std::wstring subject;
  std::vector<MatchSpans> matches;
};

std::wstring textOf(const MatchData& data, const Span& span) {
  return data.subject.substr(span.offset, span.length);
}

class PortableSubMatches final : public RegexSubMatches {
 public:
  PortableSubMatches(std::shared_ptr<const MatchData> data, size_t match)
      : data_(std::move(data)), match_(match) {}

  std::optional<double> count() const override {
    return static_cast<double>(spans().size() - 1);
  }
  std::optional<std::wstring> item(long index) const override {
    if (index < 0 || static_cast<size_t>(index) + 1 >= spans().size()) return std::nullopt;
    const Span& span = spans()[static_cast<size_t>(index) + 1];
    if (!span.matched) return std::nullopt;
    return textOf(*data_, span);
  }

 private:
  const MatchSpans& spans() const { return data_->matches[match_]; }
  std::shared_ptr<const MatchData> data_;
  size_t match_;
};

class PortableMatch final : public RegexMatch {
 public:
  PortableMatch(std::shared_ptr<const MatchData> data, size_t match)
      : data_(std::move(data)), match_(match) {}

  std::optional<std::wstring> value() const override {
    return textOf(*data_, data_->matches[match_][0]);
  }
  std::optional<double> firstIndex() const override {
    return static_cast<double>(data_->matches[match_][0].offset);
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
    return static_cast<double>(data_->matches.size());
  }
  std::unique_ptr<RegexMatch> item(double index) const override {
    if (!(index >= 0) || index >= static_cast<double>(data_->matches.size())) return nullptr;
    return std::make_unique<PortableMatch>(data_, static_cast<size_t>(index));
  }

 private:
  std::shared_ptr<const MatchData> data_;
};

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
    compiled_.reset();
    return true;
  }
  std::optional<std::wstring> pattern() const override { return pattern_; }

  std::shared_ptr<RegexMatchCollection> execute(std::wstring_view subject) override {
    const Regex* regex = compiled();
    if (regex == nullptr) return nullptr;
    auto data = std::make_shared<MatchData>();
    data->subject.assign(subject);
    try {
      const auto begin = data->subject.cbegin();
      using Iterator = boost::regex_iterator<std::wstring::const_iterator, wchar_t,
                                             internal::AsciiRegexTraits>;
      for (Iterator it(begin, data->subject.cend(), *regex, kMatchFlags), end; it != end; ++it) {
        MatchSpans spans(it->size());
        for (size_t i = 0; i < it->size(); ++i) {
          const auto& group = (*it)[static_cast<int>(i)];
          spans[i] = {group.matched, static_cast<size_t>(group.first - begin),
                      static_cast<size_t>(group.length())};
        }
        data->matches.push_back(std::move(spans));
        if (!global_) break;
      }
    } catch (const std::runtime_error&) {
      return nullptr;  // the match grew too complex for Boost
    }
    return std::make_shared<PortableMatchCollection>(std::move(data));
  }

  std::optional<std::wstring> replace(std::wstring_view subject,
                                      std::wstring_view replacement) override {
    const Regex* regex = compiled();
    if (regex == nullptr) return std::nullopt;
    // VBScript's replacement knows $1, $&, $$ and the like, but no backslash
    // escapes: Boost's would, so each backslash is doubled.
    std::wstring format;
    for (wchar_t c : replacement) {
      format.push_back(c);
      if (c == L'\\') format.push_back(c);
    }
    auto flags = kMatchFlags | boost::format_default;
    if (!global_) flags |= boost::format_first_only;
    try {
      return boost::regex_replace(std::wstring(subject), *regex, format, flags);
    } catch (const std::runtime_error&) {
      return std::nullopt;
    }
  }

 private:
  // '.' never matches a line feed: no single-line mode is ever in force.
  static constexpr boost::match_flag_type kMatchFlags = boost::match_not_dot_newline;

  bool assign(bool& setting, bool value) {
    setting = value;
    compiled_.reset();
    return true;
  }

  // Compiled on first use, as VBScript.RegExp does: a bad pattern is taken
  // by the Pattern write and rejected by Execute.
  const Regex* compiled() {
    if (!compiled_) {
      auto flags = Regex::perl | Regex::no_mod_s;
      if (ignoreCase_) flags |= Regex::icase;
      if (!multiline_) flags |= Regex::no_mod_m;
      try {
        compiled_ = std::make_unique<Regex>(pattern_, flags);
      } catch (const boost::regex_error&) {
        return nullptr;
      }
    }
    return compiled_.get();
  }

  bool ignoreCase_ = false;
  bool multiline_ = false;
  bool global_ = false;
  std::wstring pattern_;
  std::unique_ptr<Regex> compiled_;
};

}  // namespace

std::shared_ptr<RegexExpression> PortableRegexEngine::createExpression() const {
  return std::make_shared<PortableExpression>();
}

}  // namespace tavrin
