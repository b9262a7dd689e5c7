#include <gtest/gtest.h>

#include "commands/button_box.h"
#include "commands/notice_box.h"
#include "commands/progress_box.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::CrLf;
using testing::FakeSystem;

constexpr wchar_t kHeading[] = L"Ausf\u00FChrungsfehler:\r\r";

TEST(ButtonBoxCaptions, SplitAtBarsWithoutBlanksAround) {
  struct Row {
    const wchar_t* line;
    std::vector<std::wstring> captions;  // empty: refused
  };
  const Row rows[] = {
      {L"&Ja", {L"&Ja"}},
      {L"Jetzt neu starten | In einer Stunde|  Sp\u00E4ter ",
       {L"Jetzt neu starten", L"In einer Stunde", L"Sp\u00E4ter"}},
      {L"1|2|3|4|5|6", {L"1", L"2", L"3", L"4", L"5", L"6"}},
      {L"a&&b|&c", {L"a&&b", L"&c"}},
      {L"", {}},
      {L"   ", {}},
      {L"a||b", {}},
      {L"a|", {}},
      {L"|a", {}},
      {L"1|2|3|4|5|6|7", {}},
  };
  for (const Row& row : rows) {
    const auto captions = SplitCaptions(row.line);
    if (row.captions.empty()) {
      EXPECT_FALSE(captions) << row.line;
    } else {
      ASSERT_TRUE(captions) << row.line;
      EXPECT_EQ(*captions, row.captions) << row.line;
    }
  }
}

TEST(ButtonBoxCaptions, AnswerWithoutAccessKeyMarks) {
  const std::pair<const wchar_t*, const wchar_t*> rows[] = {
      {L"&Ja", L"Ja"},   {L"Sp&\u00E4ter", L"Sp\u00E4ter"},
      {L"A&&B", L"A&B"}, {L"&&&x", L"&x"},
      {L"x&", L"x"},     {L"ohne", L"ohne"},
      {L"&&&&", L"&&"},
  };
  for (const auto& [caption, answer] : rows) EXPECT_EQ(CaptionWithoutMarks(caption), answer);
}

TEST(ButtonBoxAttributes, WordsForThreeButtons) {
  using R = ButtonBoxAttributes::Reading;
  using I = MessageIcon;
  struct Row {
    const wchar_t* word;
    R reading;
    MessageIcon icon;
    int default_button;
    std::optional<int> cancel;
    bool numeric;
  };
  const Row rows[] = {
      {L"FRAGE", R::kTaken, I::kQuestion, 0, std::nullopt, false},
      {L"INFORMATION", R::kTaken, I::kInformation, 0, std::nullopt, false},
      {L"DEFAULT=3", R::kTaken, I::kNone, 2, std::nullopt, false},
      {L"DEFAULT=03", R::kTaken, I::kNone, 2, std::nullopt, false},
      {L"CANCEL=1", R::kTaken, I::kNone, 0, 0, false},
      {L"NUMERIC", R::kTaken, I::kNone, 0, std::nullopt, true},
      {L"DEFAULT=4", R::kWrongValue, I::kNone, 0, std::nullopt, false},
      {L"DEFAULT=0", R::kWrongValue, I::kNone, 0, std::nullopt, false},
      {L"CANCEL=", R::kWrongValue, I::kNone, 0, std::nullopt, false},
      {L"CANCEL=X", R::kWrongValue, I::kNone, 0, std::nullopt, false},
      {L"DEFAULT", R::kUnknown, I::kNone, 0, std::nullopt, false},
      {L"JN", R::kUnknown, I::kNone, 0, std::nullopt, false},
      {L"MITTE", R::kUnknown, I::kNone, 0, std::nullopt, false},
      {L"NUMERIC,FRAGE", R::kUnknown, I::kNone, 0, std::nullopt, false},
  };
  for (const Row& row : rows) {
    ButtonBoxAttributes attributes(3);
    EXPECT_EQ(attributes.Apply(row.word), row.reading) << row.word;
    EXPECT_EQ(attributes.icon(), row.icon) << row.word;
    EXPECT_EQ(attributes.default_button(), row.default_button) << row.word;
    EXPECT_EQ(attributes.cancel_button(), row.cancel) << row.word;
    EXPECT_EQ(attributes.numeric(), row.numeric) << row.word;
  }
}

TEST(NoticeBoxAttributes, IconAndSeconds) {
  using R = NoticeBoxAttributes::Reading;
  using I = MessageIcon;
  struct Row {
    const wchar_t* word;
    R reading;
    MessageIcon icon;
    int seconds;
  };
  const Row rows[] = {
      {L"INFO", R::kTaken, I::kInformation, 10},
      {L"STOP", R::kTaken, I::kStop, 10},
      {L"WARNUNG", R::kTaken, I::kWarning, 10},
      {L"5", R::kTaken, I::kNone, 5},
      {L"86400", R::kTaken, I::kNone, 86400},
      {L"1", R::kTaken, I::kNone, 1},
      {L"0", R::kWrongValue, I::kNone, 10},
      {L"86401", R::kWrongValue, I::kNone, 10},
      {L"99999999999", R::kWrongValue, I::kNone, 10},
      {L"-5", R::kUnknown, I::kNone, 10},
      {L"10S", R::kUnknown, I::kNone, 10},
      {L"OK", R::kUnknown, I::kNone, 10},
      {L"RECHTS", R::kUnknown, I::kNone, 10},
  };
  for (const Row& row : rows) {
    NoticeBoxAttributes attributes;
    EXPECT_EQ(attributes.Apply(row.word), row.reading) << row.word;
    EXPECT_EQ(attributes.icon(), row.icon) << row.word;
    EXPECT_EQ(attributes.seconds(), row.seconds) << row.word;
  }
}

TEST(ProgressBoxWords, AttributesAndSteps) {
  const std::tuple<const wchar_t*, bool, bool, bool> attributes[] = {
      {L"ABBRECHEN", true, true, false},
      {L"LAUFEND", true, false, true},
      {L"ABBRECHEN,LAUFEND", false, false, false},
      {L"OA", false, false, false},
  };
  for (const auto& [word, taken, cancel, running] : attributes) {
    ProgressWindowRequest request;
    EXPECT_EQ(ApplyProgressBoxWord(word, request), taken) << word;
    EXPECT_EQ(request.cancel_button, cancel) << word;
    EXPECT_EQ(request.running, running) << word;
  }
  const std::tuple<const wchar_t*, bool, bool, int> steps[] = {
      {L"0", true, false, 0},    {L"40", true, false, 40}, {L"100", true, false, 100},
      {L"007", true, false, 7},  {L"ENDE", true, true, 0}, {L"101", false, false, 0},
      {L"-1", false, false, 0},  {L"4O", false, false, 0}, {L"", false, false, 0},
      {L"40%", false, false, 0},
  };
  for (const auto& [word, read, end, percent] : steps) {
    const auto step = ReadProgressStep(word);
    ASSERT_EQ(step.has_value(), read) << word;
    if (!step) continue;
    EXPECT_EQ(step->end, end) << word;
    EXPECT_EQ(step->percent, percent) << word;
  }
}

// Whole calls through the program: what each one shows, answers and exits with.
TEST(LongJobCommands, Calls) {
  struct Row {
    const wchar_t* args;
    std::string params;
    std::string answer;  // in erg.txt; "ALT" when untouched
    int exit;
    std::wstring box;  // the error box's text, empty for none
  };
  const Row rows[] = {
      {L"erg.txt BUTTONBOX p.txt",
       CrLf({"Neustart", "FRAGE DEFAULT=2", "&Jetzt|&Sp\xE4ter", "Los?"}), "Sp\xE4ter\r\n",
       kExitAnswered, L""},
      {L"erg.txt buttonbox p.txt", CrLf({"T", "numeric", "A|B|C", "x"}), "1\r\n", kExitAnswered,
       L""},
      {L"erg.txt BUTTONBOX p.txt", CrLf({"T", "DEFAULT=2 Blau", "A|B", "x"}), "ALT\r\n",
       kExitFailed, std::wstring(kHeading) + L"Befehl BUTTONBOX: Unbekanntes Attribut BLAU."},
      {L"erg.txt ButtonBox p.txt", CrLf({"T", "default=3", "A|B", "x"}), "ALT\r\n", kExitFailed,
       std::wstring(kHeading) +
           L"Befehl BUTTONBOX: Ung\u00FCltiger Wert default=3 (erlaubt: 1 bis 2)."},
      {L"erg.txt BUTTONBOX p.txt", CrLf({"T", "", "1|2|3|4|5|6|7", "x"}), "ALT\r\n", kExitFailed,
       std::wstring(kHeading) + L"Befehl BUTTONBOX: Zeile 3 muss 1 bis 6 Schaltfl\u00E4chen "
                                L"nennen, durch | getrennt und keine leer."},
      {L"erg.txt BUTTONBOX p.txt", CrLf({"T", "", "A"}), "A\r\n", kExitAnswered, L""},
      {L"erg.txt NOTICEBOX p.txt", CrLf({"T", "INFO 0", "x"}), "ALT\r\n", kExitFailed,
       std::wstring(kHeading) +
           L"Befehl NOTICEBOX: Ung\u00FCltiger Wert 0 (erlaubt: 1 bis 86400 Sekunden)."},
      {L"erg.txt NOTICEBOX p.txt", CrLf({"T", "INFO leise", "x"}), "ALT\r\n", kExitFailed,
       std::wstring(kHeading) + L"Befehl NOTICEBOX: Unbekanntes Attribut LEISE."},
      {L"erg.txt PROGRESSBOX p.txt", CrLf({"T", "ABBRECHEN SCHNELL", "x"}), "ALT\r\n", kExitFailed,
       std::wstring(kHeading) + L"Befehl PROGRESSBOX: Unbekanntes Attribut SCHNELL."},
      {L"NUL progress 140", "", "ALT\r\n", kExitFailed,
       std::wstring(kHeading) + L"Befehl PROGRESS: Ung\u00FCltiger Wert 140 (erlaubt: 0 bis 100 "
                                L"oder ENDE)."},
      {L"NUL PROGRESS", "", "ALT\r\n", kExitFailed,
       std::wstring(kHeading) +
           L"F\u00FCr das Kommando 'PROGRESS' wurden zu wenig Parameter \u00FCbergeben."},
      {L"NUL PROGRESS 40 fehlt.txt", "", "ALT\r\n", kExitFailed,
       std::wstring(kHeading) + L"Die Parameterdatei 'fehlt.txt' konnte nicht gefunden werden."},
      {L"NUL PROGRESS 40", "", "ALT\r\n", kExitFailed, L""},  // no progress window: quietly 2
  };
  for (const Row& row : rows) {
    FakeSystem sys;
    testing::PrepareCall(sys, row.args, row.params);
    const auto exit = testing::RunProgram(sys);
    EXPECT_EQ(exit, row.exit) << row.args;
    EXPECT_EQ(sys.files[L"erg.txt"].bytes, row.answer) << row.args;
    if (row.box.empty()) {
      EXPECT_TRUE(sys.boxes.empty()) << row.args;
    } else {
      ASSERT_EQ(sys.boxes.size(), 1u) << row.args;
      EXPECT_EQ(sys.boxes[0].text, row.box) << row.args;
    }
  }
}

TEST(ButtonBox, HandsTheBoxItsButtonsAndRefusesACaptionAnsiCannotHold) {
  FakeSystem sys;
  testing::PrepareCall(sys, L"erg.txt BUTTONBOX p.txt",
                       CrLf({"", "WARNUNG CANCEL=2 DEFAULT=2", "&Ja|&Nein", "Zeile 1", "Zeile 2"}));
  EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
  ASSERT_EQ(sys.button_boxes.size(), 1u);
  const ButtonBoxRequest& box = sys.button_boxes[0];
  EXPECT_EQ(box.title, L"KELVARI");
  EXPECT_EQ(box.text, L"Zeile 1\rZeile 2");
  EXPECT_EQ(box.icon, MessageIcon::kWarning);
  EXPECT_EQ(box.captions, (std::vector<std::wstring>{L"&Ja", L"&Nein"}));
  EXPECT_EQ(box.default_button, 1);
  EXPECT_EQ(box.cancel_button, 1);
  EXPECT_EQ(sys.files[L"erg.txt"].bytes, "Nein\r\n");

  // "Ω" is no character of code page 1252: refused before any box, in UTF-8 passed on.
  for (const bool utf8 : {false, true}) {
    FakeSystem omega;
    testing::PrepareCall(omega, L"erg.txt BUTTONBOX p.txt",
                         "\xEF\xBB\xBFT\r\n\r\nOK|\xCE\xA9\r\nx\r\n");
    omega.button_presses.push_back(1);
    Settings settings;
    if (utf8) settings.charset = ResultCharset::kUtf8;
    EXPECT_EQ(testing::RunProgram(omega, nullptr, settings), utf8 ? kExitAnswered : kExitFailed);
    EXPECT_EQ(omega.button_boxes.size(), utf8 ? 1u : 0u);
    EXPECT_EQ(omega.files[L"erg.txt"].bytes, utf8 ? "\xCE\xA9\r\n" : "ALT\r\n");
  }
}

TEST(ProgressBox, OpensMovesAndCloses) {
  FakeSystem sys;
  testing::PrepareCall(sys, L"NUL PROGRESSBOX p.txt",
                       CrLf({"Sicherung", "abbrechen laufend", "Dateien", "werden kopiert"}));
  EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
  ASSERT_TRUE(sys.progress);
  EXPECT_EQ(sys.progress->title, L"Sicherung");
  EXPECT_EQ(sys.progress->text, L"Dateien\rwerden kopiert");
  EXPECT_TRUE(sys.progress->cancel_button);
  EXPECT_TRUE(sys.progress->running);

  struct Step {
    const wchar_t* args;
    int exit;
    int percent;
    const wchar_t* text;
  };
  sys.environment[L"TEXT"] = L"Bilder \u2026";
  sys.files[L"t.txt"].bytes = "; Kommentar\r\n  Neuer Text  \r\n";
  const Step steps[] = {
      {L"NUL PROGRESS 40", kExitAnswered, 40, L"Dateien\rwerden kopiert"},
      {L"NUL PROGRESS 50 /v TEXT", kExitAnswered, 50, L"Bilder \u2026"},
      {L"NUL PROGRESS 60 /V FEHLT", kExitAnswered, 60, L""},
      {L"NUL PROGRESS 70 t.txt", kExitAnswered, 70, L"Neuer Text"},
  };
  for (const Step& step : steps) {
    sys.argument_text = step.args;
    EXPECT_EQ(testing::RunProgram(sys), step.exit) << step.args;
    ASSERT_TRUE(sys.progress) << step.args;
    EXPECT_EQ(sys.percent, step.percent) << step.args;
    EXPECT_EQ(sys.progress->text, step.text) << step.args;
  }
  // The user cancels: the next update hears it once, then there is no window.
  sys.progress_cancelled = true;
  sys.argument_text = L"NUL PROGRESS 80";
  EXPECT_EQ(testing::RunProgram(sys), kExitCancelled);
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  EXPECT_TRUE(sys.boxes.empty());

  sys.argument_text = L"NUL PROGRESSBOX p.txt";
  EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
  sys.argument_text = L"NUL PROGRESS Ende";
  EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
  EXPECT_FALSE(sys.progress);
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
}

TEST(NoticeBox, ShowsTheNoticeAndReturns) {
  FakeSystem sys;
  testing::PrepareCall(sys, L"NUL NOTICEBOX p.txt", CrLf({"Sicherung", "5 stop", "Fertig."}));
  EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
  ASSERT_EQ(sys.notices.size(), 1u);
  EXPECT_EQ(sys.notices[0].title, L"Sicherung");
  EXPECT_EQ(sys.notices[0].text, L"Fertig.");
  EXPECT_EQ(sys.notices[0].icon, MessageIcon::kStop);
  EXPECT_EQ(sys.notices[0].seconds, 5);

  sys.windows_fail = true;
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text, L"Der Hinweis konnte nicht angezeigt werden:\rkein Desktop");
}

}  // namespace
}  // namespace kelvari
