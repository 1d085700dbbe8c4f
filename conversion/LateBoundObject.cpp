#include "LateBoundObject.h"

#include <algorithm>
#include <vector>

namespace tavrin {

bool LateBoundObject::invoke(const wchar_t* name, WORD flags, std::initializer_list<VARIANT> args,
                             VARIANT* result) const {
  if (!object_) return false;
  DISPID member = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member))) {
    return false;
  }
  // Automation takes its arguments last first.
  std::vector<VARIANT> reversed(args.begin(), args.end());
  std::reverse(reversed.begin(), reversed.end());
  DISPID namedPut = DISPID_PROPERTYPUT;
  DISPPARAMS params{};
  params.rgvarg = reversed.data();
  params.cArgs = static_cast<UINT>(reversed.size());
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &namedPut;
    params.cNamedArgs = 1;
  }
  return SUCCEEDED(object_->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                   nullptr, nullptr));
}

bool LateBoundObject::put(const wchar_t* name, const VARIANT& value) const {
  return invoke(name, DISPATCH_PROPERTYPUT, {value}, nullptr);
}

bool LateBoundObject::get(const wchar_t* name, ScopedVariant& result,
                          std::initializer_list<VARIANT> args) const {
  VariantClear(result.get());
  return invoke(name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, result.get());
}

bool LateBoundObject::call(const wchar_t* name, ScopedVariant& result,
                           std::initializer_list<VARIANT> args) const {
  VariantClear(result.get());
  return invoke(name, DISPATCH_METHOD, args, result.get());
}

std::optional<std::wstring> variantToString(const VARIANT& value) {
  ScopedVariant text;
  if (FAILED(VariantChangeType(text.get(), const_cast<VARIANT*>(&value), 0, VT_BSTR))) return std::nullopt;
  const BSTR bstr = text.get()->bstrVal;
  return std::wstring(bstr == nullptr ? L"" : bstr, SysStringLen(bstr));
}

std::optional<double> variantToNumber(const VARIANT& value) {
  ScopedVariant number;
  if (FAILED(VariantChangeType(number.get(), const_cast<VARIANT*>(&value), 0, VT_R8))) return std::nullopt;
  return number.get()->dblVal;
}

ComPtr<IDispatch> variantToObject(const VARIANT& value) {
  ComPtr<IDispatch> object;
  if ((value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) && value.punkVal != nullptr) {
    value.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.put()));
  }
  return object;
}

VARIANT boolArgument(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT doubleArgument(double value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_R8;
  v.dblVal = value;
  return v;
}

VARIANT longArgument(long value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

VARIANT stringArgument(const UniqueBstr& value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = value.get();
  return v;
}

}  // namespace tavrin
