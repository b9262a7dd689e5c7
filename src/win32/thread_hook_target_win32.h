// How the procedure of a thread hook finds the object that set the hook. Win32 calls a hook
// procedure (and the procedure of a thread timer) with the event alone, no pointer of the
// caller's, so such an object makes itself the target of its procedures while it lives: one
// pointer per thread and kind of object, set by this guard and given back when it ends. Every
// other callback of the program reaches its object through what Win32 hands it (a window's
// user data, a dialog's LPARAM, a subclass's reference data).
#pragma once

namespace kelvari {

template <typename Owner>
class ThreadHookTarget {
 public:
  explicit ThreadHookTarget(Owner& owner) : outer_(current_) { current_ = &owner; }
  ThreadHookTarget(const ThreadHookTarget&) = delete;
  ThreadHookTarget& operator=(const ThreadHookTarget&) = delete;
  ~ThreadHookTarget() { current_ = outer_; }

  // The innermost object of this kind that is a target on the calling thread; nullptr when
  // none is.
  static Owner* Current() { return current_; }

 private:
  Owner* outer_;  // the target before this one, again the target when this one ends
  static thread_local Owner* current_;
};

template <typename Owner>
thread_local Owner* ThreadHookTarget<Owner>::current_ = nullptr;

}  // namespace kelvari
