// Invocation: what one call of the program asks for, made once at the start and read-only
// afterwards: the words of the command line (the result file, the command word, the
// parameter file or drive ...), the kept lines of the parameter file when the command has one,
// and the settings from the environment.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/settings.h"

namespace kelvari {

class Invocation {
 public:
  Invocation() = default;
  // `words` and `lines` in their order: word n at position n - 1, and so line n.
  Invocation(std::vector<std::wstring> words, std::vector<std::wstring> lines, Settings settings)
      : words_(std::move(words)), lines_(std::move(lines)), settings_(settings) {}

  // The number of command-line words, and word n (from 1); the empty text when there is none.
  int WordCount() const { return static_cast<int>(words_.size()); }
  std::wstring Word(int n) const { return Numbered(words_, n); }
  // Word 1: the file that receives the answer.
  std::wstring ResultPath() const { return Word(1); }

  // The number of kept parameter lines, and line n (from 1); the empty text when there is none.
  int LineCount() const { return static_cast<int>(lines_.size()); }
  std::wstring Line(int n) const { return Numbered(lines_, n); }
  // Lines `first` to the last, joined by a single CR: the prompt of a box.
  std::wstring PromptFrom(int first) const;

  const Settings& settings() const { return settings_; }

 private:
  // Entry n counted from 1, as words and lines are numbered where the user sees them.
  static std::wstring Numbered(const std::vector<std::wstring>& entries, int n) {
    if (n < 1 || static_cast<std::size_t>(n) > entries.size()) return {};
    return entries[static_cast<std::size_t>(n) - 1];
  }

  std::vector<std::wstring> words_;
  std::vector<std::wstring> lines_;
  Settings settings_;
};

}  // namespace kelvari
