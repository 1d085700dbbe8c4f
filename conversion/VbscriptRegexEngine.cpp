#include "VbscriptRegexEngine.h"

#include "CodePage936.h"
#include "LateBoundObject.h"

namespace tavrin {
namespace {

ComPtr<IDispatch> objectResult(const LateBoundObject& object, const wchar_t* name,
                               std::initializer_list<VARIANT> args = {}) {
  ScopedVariant result;
  if (!object.get(name, result, args)) return {};
  return variantToObject(*result.get());
}

std::optional<double> numberResult(const LateBoundObject& object, const wchar_t* name) {
  ScopedVariant result;
  if (!object.get(name, result)) return std::nullopt;
  return variantToNumber(*result.get());
}

std::optional<std::wstring> stringResult(const LateBoundObject& object, const wchar_t* name,
                                         std::initializer_list<VARIANT> args = {}) {
  ScopedVariant result;
  if (!object.get(name, result, args)) return std::nullopt;
  return variantToString(*result.get());
}

class VbscriptSubMatches final : public RegexSubMatches {
 public:
  explicit VbscriptSubMatches(ComPtr<IDispatch> object) : object_(std::move(object)) {}
  std::optional<double> count() const override { return numberResult(object_, L"Count"); }
  std::optional<std::wstring> item(long index) const override {
    return stringResult(object_, L"Item", {longArgument(index)});
  }

 private:
  LateBoundObject object_;
};

class VbscriptMatch final : public RegexMatch {
 public:
  explicit VbscriptMatch(ComPtr<IDispatch> object) : object_(std::move(object)) {}
  std::optional<std::wstring> value() const override { return stringResult(object_, L"Value"); }
  std::optional<double> firstIndex() const override {
    return numberResult(object_, L"FirstIndex");
  }
  std::unique_ptr<RegexSubMatches> subMatches() const override {
    ComPtr<IDispatch> collection = objectResult(object_, L"SubMatches");
    if (!collection) return nullptr;
    return std::make_unique<VbscriptSubMatches>(std::move(collection));
  }

 private:
  LateBoundObject object_;
};

class VbscriptMatchCollection final : public RegexMatchCollection {
 public:
  explicit VbscriptMatchCollection(ComPtr<IDispatch> object) : object_(std::move(object)) {}
  std::optional<double> count() const override { return numberResult(object_, L"Count"); }
  std::unique_ptr<RegexMatch> item(double index) const override {
    ComPtr<IDispatch> match = objectResult(object_, L"Item", {doubleArgument(index)});
    if (!match) return nullptr;
    return std::make_unique<VbscriptMatch>(std::move(match));
  }

 private:
  LateBoundObject object_;
};

class VbscriptExpression final : public RegexExpression {
 public:
  explicit VbscriptExpression(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  bool setIgnoreCase(bool value) override { return object_.put(L"IgnoreCase", boolArgument(value)); }
  std::optional<bool> ignoreCase() const override {
    ScopedVariant result;
    if (!object_.get(L"IgnoreCase", result)) return std::nullopt;
    const std::optional<std::wstring> text = variantToString(*result.get());
    if (!text) return std::nullopt;
    return *text != L"0";
  }
  bool setMultiline(bool value) override { return object_.put(L"Multiline", boolArgument(value)); }
  bool setSingleline(bool value) override {
    return object_.put(L"Singleline", boolArgument(value));
  }
  bool setGlobal(bool value) override { return object_.put(L"Global", boolArgument(value)); }
  bool setPattern(std::wstring_view pattern) override {
    const UniqueBstr text(pattern);
    return object_.put(L"Pattern", stringArgument(text));
  }
  std::optional<std::wstring> pattern() const override { return stringResult(object_, L"Pattern"); }

  std::shared_ptr<RegexMatchCollection> execute(std::string_view subject) override {
    const UniqueBstr text(toWide(subject));
    ScopedVariant result;
    if (!object_.call(L"Execute", result, {stringArgument(text)})) return nullptr;
    ComPtr<IDispatch> collection = variantToObject(*result.get());
    if (!collection) return nullptr;
    return std::make_shared<VbscriptMatchCollection>(std::move(collection));
  }

  std::optional<std::wstring> replace(std::string_view subject,
                                      std::wstring_view replacement) override {
    const UniqueBstr subjectText(toWide(subject));
    const UniqueBstr replacementText(replacement);
    ScopedVariant result;
    if (!object_.call(L"Replace", result,
                      {stringArgument(subjectText), stringArgument(replacementText)})) {
      return std::nullopt;
    }
    return variantToString(*result.get());
  }

 private:
  LateBoundObject object_;
};

}  // namespace

std::shared_ptr<RegexExpression> VbscriptRegexEngine::createExpression() const {
  CLSID classId;
  if (FAILED(CLSIDFromProgID(L"VBScript.RegExp", &classId))) return nullptr;
  ComPtr<IDispatch> object;
  if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(object.put())))) {
    return nullptr;
  }
  return std::make_shared<VbscriptExpression>(std::move(object));
}

}  // namespace tavrin
