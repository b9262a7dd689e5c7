// PROGRESSBOX and PROGRESS: the reading of the progress window's attribute words and of the
// word that moves its bar.
#pragma once

#include <optional>
#include <string_view>

#include "core/long_job_requests.h"

namespace kelvari {

// Applies one upper-cased attribute word of PROGRESSBOX to `request`: ABBRECHEN gives the
// button "Abbrechen", LAUFEND a bar that moves by itself. False for any other word, leaving
// `request` unchanged.
bool ApplyProgressBoxWord(std::wstring_view upper_word, ProgressWindowRequest& request);

// Word 3 of PROGRESS, upper-cased: a percentage (0 to 100) moves the bar, ENDE closes the
// window. nullopt for any other word.
struct ProgressStep {
  bool end = false;
  int percent = 0;
};
std::optional<ProgressStep> ReadProgressStep(std::wstring_view upper_word);

}  // namespace kelvari
