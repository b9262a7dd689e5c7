// Commands that this build does not offer yet: each reports the fallback error rather than
// pretending to work.
#include "frontend/form1.h"

namespace kelvari {
namespace {
constexpr std::int16_t kNotAvailable = -1;  // any code outside 0..10 gives the fallback message
}  // namespace

void Form1::DoInputBox() {
  DoInternalError(kNotAvailable);
}
void Form1::DoListBox() {
  DoInternalError(kNotAvailable);
}
void Form1::DoInfo() {
  DoInternalError(kNotAvailable);
}

}  // namespace kelvari
