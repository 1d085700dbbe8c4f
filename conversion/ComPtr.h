// Owners for the handles of Windows automation: a counted COM reference, a
// BSTR and a VARIANT. Each releases what it
// holds when it goes, on every path.
#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <string_view>
#include <utility>

namespace tavrin {

// One counted reference to a COM object, or none. Copying adds a reference;
// assigning releases the old one at that moment.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference that the caller already holds.
  static ComPtr adopt(T* object) {
    ComPtr result;
    result.object_ = object;
    return result;
  }
  ComPtr(const ComPtr& other) : object_(other.object_) {
    if (object_ != nullptr) object_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~ComPtr() { reset(); }

  [[nodiscard]] T* get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void reset() {
    if (T* old = std::exchange(object_, nullptr)) old->Release();
  }
  // For an out-parameter: releases what is held and hands out the slot.
  [[nodiscard]] T** put() {
    reset();
    return &object_;
  }

 private:
  T* object_ = nullptr;
};

// A BSTR made from a wide string; freed when it goes.
class UniqueBstr {
 public:
  explicit UniqueBstr(std::wstring_view text)
      : bstr_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~UniqueBstr() { SysFreeString(bstr_); }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  [[nodiscard]] BSTR get() const { return bstr_; }

 private:
  BSTR bstr_;
};

// A VARIANT that is cleared when it goes.
class ScopedVariant {
 public:
  ScopedVariant() { VariantInit(&value_); }
  ~ScopedVariant() { VariantClear(&value_); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  [[nodiscard]] VARIANT* get() { return &value_; }
  [[nodiscard]] const VARIANT* get() const { return &value_; }

 private:
  VARIANT value_;
};

}  // namespace tavrin
