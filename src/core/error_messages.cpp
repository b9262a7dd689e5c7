#include "core/error_messages.h"

#include <cstdlib>
#include <iterator>
#include <string>

namespace kelvari {
namespace {

constexpr std::wstring_view kNoSpaceForResult =
    L"Es ist nicht gen\u00FCgend Platz zum Anlegen der Umgebungsvariablen 'KVRESULT' vorhanden\r"
    L" > \u00C4ndern Sie die unter Windows 95 \u00FCber die Eigenschaften der betreffenden "
    L"Stapeldatei.\r"
    L" > Unter Windows NT m\u00FCssen Sie ggf. die Umgebungsvariable mit einem Dummy-Wert "
    L"\u00FCber\r"
    L"     die Systemeigenschaften vorbelegen.";

bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

}  // namespace

std::wstring ErrorMessage(std::int16_t code, const ErrorContext& c) {
  // Codes 1 to 10: a text, or a word of the context between two texts.
  struct Parts {
    std::wstring_view before;
    const std::wstring ErrorContext::*word = nullptr;
    std::wstring_view after;
  };
  static constexpr Parts kParts[] = {
      {L"Es wurde kein Kommando zur Ausf\u00FChrung angegeben.", nullptr, L""},
      {L"Das Kommando '", &ErrorContext::word2, L"' ist nicht bekannt."},
      {L"Der Name der Parameterdatei wurde nicht angegeben.", nullptr, L""},
      {L"Die Parameterdatei '", &ErrorContext::word3, L"' konnte nicht gefunden werden."},
      {L"F\u00FCr das Kommando '", &ErrorContext::word2,
       L"' wurden\rzu wenig Angaben in der Parameterdatei gemacht."},
      {L"Befehl MESSAGEBOX: Unbekanntes Attribut ", &ErrorContext::upper_attribute, L"."},
      {L"Befehl LISTBOX: Unbekanntes Attribut ", &ErrorContext::upper_attribute, L"."},
      {L"LISTBOX: Die Datei ", &ErrorContext::upper_param_line2,
       L" mit dem\rListeninhalt konnte nicht gefunden werden."},
      {L"F\u00FCr das Kommando '", &ErrorContext::word2,
       L"' wurden zu wenig Parameter \u00FCbergeben."},
      {L"Kelvari ist unter Windows NT nicht lauff\u00E4hig!", nullptr, L""},
      {L"Befehl BUTTONBOX: Unbekanntes Attribut ", &ErrorContext::upper_attribute, L"."},
      {L"Befehl NOTICEBOX: Unbekanntes Attribut ", &ErrorContext::upper_attribute, L"."},
      {L"Befehl PROGRESSBOX: Unbekanntes Attribut ", &ErrorContext::upper_attribute, L"."},
      {L"", &ErrorContext::wrong_value, L"."},
      {L"Befehl BUTTONBOX: Zeile 3 muss 1 bis 6 Schaltfl\u00E4chen nennen, durch | getrennt "
       L"und keine leer.",
       nullptr, L""},
  };
  static_assert(std::size(kParts) == kLastErrorCode);
  if (code == kErrInternal) {
    return NumericValue(c.word3) == 1.0 ? std::wstring(kNoSpaceForResult) : std::wstring();
  }
  if (code < kErrNoCommand || code > kLastErrorCode) return L"Unerwarteter Fehler ... ???";
  const Parts& parts = kParts[code - kErrNoCommand];
  std::wstring message(parts.before);
  if (parts.word) message += c.*parts.word;
  return message.append(parts.after);
}

double NumericValue(std::wstring_view word) {
  // Collect the number at the start of the word as plain ASCII and let strtod (in the "C"
  // locale the program runs in) do the arithmetic, overflow and underflow included.
  std::string number;
  std::size_t i = 0;
  const auto take_digits = [&] {
    const std::size_t start = i;
    while (i < word.size() && IsDigit(word[i])) number += static_cast<char>(word[i++]);
    return i > start;
  };
  if (i < word.size() && (word[i] == L'+' || word[i] == L'-'))
    number += static_cast<char>(word[i++]);
  bool digits = take_digits();
  if (i < word.size() && word[i] == L'.') {
    number += '.';
    ++i;
    digits = take_digits() || digits;
  }
  if (!digits) return 0;
  if (i < word.size() &&
      (word[i] == L'e' || word[i] == L'E' || word[i] == L'd' || word[i] == L'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < word.size() && (word[j] == L'+' || word[j] == L'-'))
      exponent += static_cast<char>(word[j++]);
    if (j < word.size() && IsDigit(word[j])) {
      i = j;
      number += exponent;
      take_digits();
    }
  }
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace kelvari
