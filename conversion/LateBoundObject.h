// Late-bound calls on an automation object: each member is looked up by name
// (IDispatch::GetIDsOfNames) when the call is made, then invoked. A call that
// cannot be made (no object, no such member, an error from the object) returns
// false; nothing is thrown and nothing is reported.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "ComPtr.h"

namespace tavrin {

class LateBoundObject {
 public:
  LateBoundObject() = default;
  explicit LateBoundObject(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  [[nodiscard]] bool exists() const { return static_cast<bool>(object_); }

  // Writes a property; `value` is only read.
  bool put(const wchar_t* name, const VARIANT& value) const;
  // Reads a property, or calls a method or indexed property with `args`.
  bool get(const wchar_t* name, ScopedVariant& result,
           std::initializer_list<VARIANT> args = {}) const;
  bool call(const wchar_t* name, ScopedVariant& result,
            std::initializer_list<VARIANT> args = {}) const;

 private:
  bool invoke(const wchar_t* name, WORD flags, std::initializer_list<VARIANT> args,
              VARIANT* result) const;
  ComPtr<IDispatch> object_;
};

// The automation library's standard conversions of a result. A boolean becomes
// "-1" or "0"; an empty value the empty string; a value without a string form
// nullopt.
[[nodiscard]] std::optional<std::wstring> variantToString(const VARIANT& value);
[[nodiscard]] std::optional<double> variantToNumber(const VARIANT& value);
[[nodiscard]] ComPtr<IDispatch> variantToObject(const VARIANT& value);

// Arguments, passed by value: the strings they point at stay the caller's.
[[nodiscard]] VARIANT boolArgument(bool value);
[[nodiscard]] VARIANT doubleArgument(double value);
[[nodiscard]] VARIANT longArgument(long value);
[[nodiscard]] VARIANT stringArgument(const UniqueBstr& value);

}  // namespace tavrin
