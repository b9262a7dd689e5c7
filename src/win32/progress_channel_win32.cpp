#include "win32/progress_channel_win32.h"

#include <string>

namespace kelvari {

std::wstring ProgressObjectName(DWORD owner, const wchar_t* what) {
  return L"Local\\kelvari-progress-" + std::to_wstring(owner) + L"-" + what;
}

std::unique_ptr<ProgressChannel> ProgressChannel::Of(DWORD owner, bool create) {
  std::unique_ptr<ProgressChannel> channel(new ProgressChannel());
  const std::wstring block_name = ProgressObjectName(owner, L"block");
  const std::wstring mutex_name = ProgressObjectName(owner, L"lock");
  const std::wstring wake_name = ProgressObjectName(owner, L"wake");
  if (create) {
    channel->mapping_.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                 sizeof(ProgressBlock), block_name.c_str()));
    channel->mutex_.reset(::CreateMutexW(nullptr, FALSE, mutex_name.c_str()));
    channel->wake_.reset(::CreateEventW(nullptr, FALSE, FALSE, wake_name.c_str()));
  } else {
    channel->mapping_.reset(
        ::OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, block_name.c_str()));
    if (!channel->mapping_) return nullptr;
    channel->mutex_.reset(
        ::OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, mutex_name.c_str()));
    channel->wake_.reset(::OpenEventW(EVENT_MODIFY_STATE, FALSE, wake_name.c_str()));
  }
  if (!channel->mapping_ || !channel->mutex_ || !channel->wake_) return nullptr;
  void* view = ::MapViewOfFile(channel->mapping_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0,
                               sizeof(ProgressBlock));
  if (!view) return nullptr;
  channel->block_ = static_cast<ProgressBlock*>(view);
  return channel;
}

ProgressChannel::~ProgressChannel() {
  if (block_) ::UnmapViewOfFile(block_);
}

ProgressChannel::Lock::Lock(ProgressChannel& channel) : mutex_(channel.mutex_.get()) {
  // A window that ended while it held the mutex leaves it abandoned: it is ours then.
  const DWORD got = ::WaitForSingleObject(mutex_, 5000);
  held_ = got == WAIT_OBJECT_0 || got == WAIT_ABANDONED;
}

ProgressChannel::Lock::~Lock() {
  if (held_) ::ReleaseMutex(mutex_);
}

}  // namespace kelvari
