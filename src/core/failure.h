// Failure and Result: the one way a step that can fail reports it.
//
// A step gives its value or a Failure that says why there is none, in the system's own words
// (German on a German Windows). A step that gives nothing but can fail returns a Status.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace kelvari {

// Why a step failed.
struct Failure {
  std::wstring reason;
};

// A value of type T, or the Failure of the step that should have given it.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result() requires std::is_default_constructible_v<T>
  = default;
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit
  Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}  // NOLINT

  bool ok() const { return state_.index() == 0; }
  T& value() { return std::get<0>(state_); }
  const T& value() const { return std::get<0>(state_); }
  const Failure& failure() const { return std::get<1>(state_); }
  // The reason of a failure, empty for a value.
  std::wstring reason() const { return ok() ? std::wstring() : failure().reason; }

 private:
  std::variant<T, Failure> state_;
};

// The value of a step that gives nothing.
struct Done {};
using Status = Result<Done>;

}  // namespace kelvari
