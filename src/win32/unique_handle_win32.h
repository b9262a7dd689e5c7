// Owning wrappers for Win32 handles: each handle is closed exactly once, by its owner.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace kelvari {

template <typename T, auto Close, auto Invalid = nullptr>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  T release() {
    T h = handle_;
    handle_ = Invalid();
    return h;
  }
  void reset(T handle = Invalid()) {
    if (handle_ != Invalid()) Close(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = Invalid();
};

inline HANDLE InvalidFileHandle() {
  return INVALID_HANDLE_VALUE;
}
inline HANDLE NullHandle() {
  return nullptr;
}

inline HHOOK NullHook() {
  return nullptr;
}
inline HWND NullWindow() {
  return nullptr;
}

using UniqueFile = UniqueHandle<HANDLE, ::CloseHandle, InvalidFileHandle>;
using UniqueHook = UniqueHandle<HHOOK, ::UnhookWindowsHookEx, NullHook>;
using UniqueFind = UniqueHandle<HANDLE, ::FindClose, InvalidFileHandle>;
using UniqueKernelHandle = UniqueHandle<HANDLE, ::CloseHandle, NullHandle>;
using UniqueWindow = UniqueHandle<HWND, ::DestroyWindow, NullWindow>;

}  // namespace kelvari
