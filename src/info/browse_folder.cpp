// BrowseFolder: the folder-browse dialog of the shell, its item list freed exactly once and
// only after its path has been read.
#include "info/shell_utils.h"

namespace kelvari {
namespace {

// COM for the length of one dialog.
class ComScope {
 public:
  explicit ComScope(System& system) : system_(system), initialised_(system.BeginCom()) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (initialised_) system_.EndCom();
  }

 private:
  System& system_;
  bool initialised_;
};

// Owns an item identifier list of the shell and frees it once.
class OwnedItemIdList {
 public:
  OwnedItemIdList(System& system, System::ItemIdList list) : system_(system), list_(list) {}
  OwnedItemIdList(const OwnedItemIdList&) = delete;
  OwnedItemIdList& operator=(const OwnedItemIdList&) = delete;
  ~OwnedItemIdList() { reset(); }

  System::ItemIdList get() const { return list_; }
  void reset() {
    if (list_) system_.FreeItemIdList(list_);
    list_ = nullptr;
  }

 private:
  System& system_;
  System::ItemIdList list_;
};

}  // namespace

BrowsedFolder BrowseFolder(System& system, WindowHandle owner, const std::wstring& prompt) {
  const ComScope com(system);
  // Lives until the dialog is closed. A character that the code page lacks shows as its
  // default character: the prompt is only read by the user.
  const std::string ansi_prompt = system.ToAnsi(prompt).bytes;
  OwnedItemIdList list(system, system.BrowseForFolder(owner, ansi_prompt));
  if (!list.get()) return {};
  const std::optional<std::wstring> path = system.PathFromItemIdList(list.get());
  list.reset();
  if (!path) return {true, std::nullopt};
  return {true, TrimAtNull(*path)};
}

}  // namespace kelvari
