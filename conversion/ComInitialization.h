// COM initialisation of the calling thread for as long as the object lives.
//
// On Windows the constructor calls CoInitialize and the destructor balances it
// with CoUninitialize, but only when the initialisation succeeded: a failed one
// (a thread already in another apartment, say) took nothing that could be
// given back. Elsewhere it does nothing.
#pragma once

namespace tavrin {

class ComInitialization {
 public:
  ComInitialization();
  ~ComInitialization();
  // Each object stands for one initialisation of the thread.
  ComInitialization(const ComInitialization&) = delete;
  ComInitialization& operator=(const ComInitialization&) = delete;

 private:
  [[maybe_unused]] bool initialised_ = false;  // used on Windows only
};

}  // namespace tavrin
