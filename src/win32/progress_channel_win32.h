// The channel between PROGRESS and the progress window of a batch file: the shared block, its
// mutex and the event that wakes the window, named after the cmd's process id. Both sides use
// it; it needs only kernel32, so an update loads no window library.
#pragma once

#include <windows.h>

#include <memory>

#include "win32/job_window_win32.h"
#include "win32/unique_handle_win32.h"

namespace kelvari {

class ProgressChannel {
 public:
  // The channel of `owner`'s progress window: made (the window's side, `create`) or opened
  // (the side of PROGRESS). Null when it could not be made, or there is none to open.
  static std::unique_ptr<ProgressChannel> Of(DWORD owner, bool create);

  ProgressChannel(const ProgressChannel&) = delete;
  ProgressChannel& operator=(const ProgressChannel&) = delete;
  ~ProgressChannel();

  // The block, to be read or written only while a Lock lives.
  ProgressBlock& block() { return *block_; }
  // Tells the window to read the block.
  void Wake() { ::SetEvent(wake_.get()); }
  // Signalled when the window is to read the block.
  HANDLE wake_event() const { return wake_.get(); }

  // Holds the block's mutex while it lives; `held()` is false when it could not be had.
  class Lock {
   public:
    explicit Lock(ProgressChannel& channel);
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    ~Lock();
    bool held() const { return held_; }

   private:
    HANDLE mutex_;
    bool held_;
  };

 private:
  ProgressChannel() = default;
  UniqueKernelHandle mapping_;
  UniqueKernelHandle mutex_;
  UniqueKernelHandle wake_;
  ProgressBlock* block_ = nullptr;
};

}  // namespace kelvari
