#include "ComInitialization.h"

#ifdef _WIN32
#include <objbase.h>
#endif

namespace tavrin {

#ifdef _WIN32
ComInitialization::ComInitialization() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
ComInitialization::~ComInitialization() {
  if (initialised_) CoUninitialize();
}
#else
ComInitialization::ComInitialization() = default;
ComInitialization::~ComInitialization() = default;
#endif

}  // namespace tavrin
