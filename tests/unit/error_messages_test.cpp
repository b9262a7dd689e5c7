#include "core/error_messages.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvari {
namespace {

TEST(ErrorMessage, EveryCodeToTheCharacter) {
  ErrorContext c{L"msgbox", L"p a.txt", L"LISTE.TXT", L"FOO,BAR", L"Befehl X: Wert"};
  EXPECT_EQ(ErrorMessage(1, c), L"Es wurde kein Kommando zur Ausf\u00FChrung angegeben.");
  EXPECT_EQ(ErrorMessage(2, c), L"Das Kommando 'msgbox' ist nicht bekannt.");
  EXPECT_EQ(ErrorMessage(3, c), L"Der Name der Parameterdatei wurde nicht angegeben.");
  EXPECT_EQ(ErrorMessage(4, c), L"Die Parameterdatei 'p a.txt' konnte nicht gefunden werden.");
  EXPECT_EQ(ErrorMessage(5, c),
            L"F\u00FCr das Kommando 'msgbox' wurden\rzu wenig Angaben in der Parameterdatei "
            L"gemacht.");
  EXPECT_EQ(ErrorMessage(6, c), L"Befehl MESSAGEBOX: Unbekanntes Attribut FOO,BAR.");
  EXPECT_EQ(ErrorMessage(7, c), L"Befehl LISTBOX: Unbekanntes Attribut FOO,BAR.");
  EXPECT_EQ(ErrorMessage(8, c),
            L"LISTBOX: Die Datei LISTE.TXT mit dem\rListeninhalt konnte nicht gefunden werden.");
  EXPECT_EQ(ErrorMessage(9, c),
            L"F\u00FCr das Kommando 'msgbox' wurden zu wenig Parameter \u00FCbergeben.");
  EXPECT_EQ(ErrorMessage(10, c), L"Kelvari ist unter Windows NT nicht lauff\u00E4hig!");
  EXPECT_EQ(ErrorMessage(11, c), L"Befehl BUTTONBOX: Unbekanntes Attribut FOO,BAR.");
  EXPECT_EQ(ErrorMessage(12, c), L"Befehl NOTICEBOX: Unbekanntes Attribut FOO,BAR.");
  EXPECT_EQ(ErrorMessage(13, c), L"Befehl PROGRESSBOX: Unbekanntes Attribut FOO,BAR.");
  EXPECT_EQ(ErrorMessage(14, c), L"Befehl X: Wert.");
  EXPECT_EQ(ErrorMessage(15, c),
            L"Befehl BUTTONBOX: Zeile 3 muss 1 bis 6 Schaltfl\u00E4chen nennen, durch | getrennt "
            L"und keine leer.");
  for (std::int16_t code : {16, -1, 32767, -32768}) {
    EXPECT_EQ(ErrorMessage(code, c), L"Unerwarteter Fehler ... ???");
  }
}

TEST(ErrorMessage, CodeZeroDependsOnTheValueOfWordThree) {
  const std::wstring four_lines =
      L"Es ist nicht gen\u00FCgend Platz zum Anlegen der Umgebungsvariablen 'KVRESULT' "
      L"vorhanden\r > \u00C4ndern Sie die unter Windows 95 \u00FCber die Eigenschaften der "
      L"betreffenden Stapeldatei.\r > Unter Windows NT m\u00FCssen Sie ggf. die "
      L"Umgebungsvariable mit einem Dummy-Wert \u00FCber\r     die Systemeigenschaften "
      L"vorbelegen.";
  for (const wchar_t* one : {L"1", L"01", L"1.0", L"1.00", L"+1", L"1x", L"0.1e1", L"10E-1"}) {
    EXPECT_EQ(ErrorMessage(0, {L"", one, L"", L"", L""}), four_lines) << one;
  }
  for (const wchar_t* other : {L"2", L"0", L"eins", L"", L"-1", L".", L"e1", L"x1"}) {
    EXPECT_EQ(ErrorMessage(0, {L"", other, L"", L"", L""}), L"") << other;
  }
}

TEST(NumericValue, ReadsTheNumberAtTheStart) {
  EXPECT_DOUBLE_EQ(NumericValue(L"12abc"), 12);
  EXPECT_DOUBLE_EQ(NumericValue(L"-2.5"), -2.5);
  EXPECT_DOUBLE_EQ(NumericValue(L".5"), 0.5);
  EXPECT_DOUBLE_EQ(NumericValue(L"3e2"), 300);
  EXPECT_DOUBLE_EQ(NumericValue(L"3e"), 3);
  EXPECT_DOUBLE_EQ(NumericValue(L"abc"), 0);
  EXPECT_TRUE(std::isinf(NumericValue(L"1e99999999")));
  // Found by fuzzing: zero with a huge exponent once gave "not a number".
  EXPECT_EQ(NumericValue(L"0e121310x"), 0);
  EXPECT_EQ(NumericValue(L"0e202101"), 0);
  EXPECT_EQ(NumericValue(L"1e-99999"), 0);
}

}  // namespace
}  // namespace kelvari
