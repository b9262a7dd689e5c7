#include "core/invocation.h"

#include "core/parameter_file.h"

namespace kelvari {

std::wstring Invocation::PromptFrom(int first) const {
  return JoinPrompt(lines_, first - 1);
}

}  // namespace kelvari
