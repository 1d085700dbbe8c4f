// Every allocation of the program goes through here. A request that cannot
// be met is reported with its byte count in the failure box, which ends the
// process; so no caller ever sees a failed allocation, and nothing throws
// std::bad_alloc.
#include <malloc.h>

#include <array>
#include <cstdlib>
#include <new>

#include "RuntimeError.h"

namespace {

[[noreturn]] void reportAllocationFailure(std::size_t bytes) {
  std::array<char, 96> message{};
  tavrin::ui::reportRuntimeError(tavrin::ui::composeAllocationFailureMessage(bytes, message));
}

void* allocate(std::size_t bytes) {
  // malloc(0) may return null; a request for nothing still gets a distinct
  // pointer.
  void* memory = std::malloc(bytes == 0 ? 1 : bytes);
  if (!memory) reportAllocationFailure(bytes);
  return memory;
}

void* allocateAligned(std::size_t bytes, std::align_val_t alignment) {
  void* memory = _aligned_malloc(bytes == 0 ? 1 : bytes, static_cast<std::size_t>(alignment));
  if (!memory) reportAllocationFailure(bytes);
  return memory;
}

}  // namespace

void* operator new(std::size_t bytes) { return allocate(bytes); }
void* operator new[](std::size_t bytes) { return allocate(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return allocate(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return allocate(bytes); }
void* operator new(std::size_t bytes, std::align_val_t alignment) {
  return allocateAligned(bytes, alignment);
}
void* operator new[](std::size_t bytes, std::align_val_t alignment) {
  return allocateAligned(bytes, alignment);
}
void* operator new(std::size_t bytes, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return allocateAligned(bytes, alignment);
}
void* operator new[](std::size_t bytes, std::align_val_t alignment,
                     const std::nothrow_t&) noexcept {
  return allocateAligned(bytes, alignment);
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { _aligned_free(memory); }
void operator delete[](void* memory, std::align_val_t) noexcept { _aligned_free(memory); }
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
  _aligned_free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
  _aligned_free(memory);
}
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept {
  _aligned_free(memory);
}
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept {
  _aligned_free(memory);
}
