#include "commands/file_box_options.h"

#include <utility>

#include "core/system.h"
#include "core/word_splitter.h"

namespace kelvari {
namespace {

// An extension of a file name: not empty, no separator, wildcard, quote, dot or blank.
bool IsExtension(std::wstring_view text) {
  if (text.empty()) return false;
  for (wchar_t c : text) {
    if (c < 32 || std::wstring_view(L"\\/:*?\"<>|. ").find(c) != std::wstring_view::npos) {
      return false;
    }
  }
  return true;
}

}  // namespace

Step ReadFileBoxOptions(const std::wstring& line, FileDialogRequest& request, Text& texts) {
  const auto split = SplitWords(line);
  if (!split.ok()) return Outcome::Fault(split.reason());
  const std::vector<std::wstring>& words = split.value();
  if (words.empty() || texts.UpperCase(words[0]) != L"OPTIONS:") return std::nullopt;
  const bool open = request.kind == FileDialogKind::kOpen;
  const std::wstring command = open ? L"FILEOPENBOX" : L"FILESAVEBOX";
  constexpr std::wstring_view kExtension = L"EXTENSION=";
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::wstring word = texts.UpperCase(words[i]);
    if (open && word == L"MUSTEXIST") {
      request.must_exist = true;
    } else if (open && word == L"MULTISELECT") {
      request.multi_select = true;
    } else if (!open && word == L"CONFIRMREPLACE") {
      request.confirm_replace = true;
    } else if (word.starts_with(kExtension)) {
      std::wstring_view extension = std::wstring_view(words[i]).substr(kExtension.size());
      if (extension.starts_with(L'.')) extension.remove_prefix(1);
      if (!IsExtension(extension)) {
        std::wstring message = L"Befehl " + command;
        message += L": Die Option ";
        message += words[i];
        message += L" nennt keine Dateiendung.";
        return Outcome::Fault(std::move(message));
      }
      request.default_extension = std::wstring(extension);
    } else {
      std::wstring message = L"Befehl " + command;
      message += L": Unbekannte Option ";
      message += word;
      message += L".";
      return Outcome::Fault(std::move(message));
    }
  }
  return std::nullopt;
}

}  // namespace kelvari
