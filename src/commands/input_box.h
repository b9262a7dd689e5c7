// The input box that INPUTBOX and PASSWORDBOX share: the title from line 1, the proposal from
// line 2, the prompt from line 3 on.
#pragma once

#include <functional>
#include <string>

#include "core/invocation.h"
#include "core/outcome.h"
#include "core/system.h"

namespace kelvari {

// Shows the input box for `call`; `hidden` hides what the field holds. "OK" closes it only when
// `check` has nothing to say about the text; `on_confirmed` turns the confirmed text into the
// outcome. A cancel answers the empty text with exit code 1.
Outcome AskInInputBox(const Invocation& call, Dialogs& dialogs, bool hidden,
                      const InputCheck& check,
                      const std::function<Outcome(const std::wstring& text)>& on_confirmed);

}  // namespace kelvari
