#pragma once

#include <utility>

namespace orvane::platform::win32 {

// The one owner of a system handle, released on every path. Traits give the handle type,
// the value that means "none" and the release call.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::None(); }

  Handle release() { return std::exchange(handle_, Traits::None()); }
  void reset(Handle handle = Traits::None()) {
    if (handle_ != Traits::None()) Traits::Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::None();
};

}  // namespace orvane::platform::win32
