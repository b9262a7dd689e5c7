#include <gtest/gtest.h>

#include "core/parameter_file.h"
#include "run_program.h"

namespace kelvari {
namespace {

using testing::FakeSystem;
using V = std::vector<std::wstring>;

// Reads `content` as the parameter file of a command line with three words.
// A command CMD that needs `least_lines` lines of its parameter file and answers nothing.
Program ProgramWithCommand(FakeSystem& sys, std::vector<CommandRow>& table, int least_lines) {
  table = {{L"CMD", least_lines,
            [](const Invocation&, System&) { return Outcome::NoAnswer(kExitAnswered); }}};
  return Program(sys, table);
}

// Reads `content` as the parameter file of a command line with three words; with `by_kv_cmd` as
// the parameter file kv.cmd wrote into its folder for a call of its own.
V ReadParams(const std::string& content, std::int16_t min = 1, FakeSystem* out = nullptr,
             bool by_kv_cmd = false) {
  FakeSystem local;
  FakeSystem& sys = out ? *out : local;
  Settings settings;
  if (by_kv_cmd) {
    settings = testing::KvCmdCall(sys, L"C:\\T\\kv1.tmp");
    sys.files[L"C:\\T\\kv1.tmp\\parameter.txt"].bytes = content;
    sys.argument_text = L"C:\\T\\kv1.tmp\\r.txt CMD C:\\T\\kv1.tmp\\parameter.txt";
  } else {
    sys.files[L"p.txt"].bytes = content;
    sys.argument_text = L"r.txt CMD p.txt";
  }
  std::vector<CommandRow> table;
  Program program = ProgramWithCommand(sys, table, min);
  if (program.Finish(program.Start(settings)) != kExitAnswered) return {L"<ended>"};
  V lines{L""};
  for (int n = 1; n <= program.call().LineCount(); ++n) lines.push_back(program.call().Line(n));
  return lines;
}

TEST(ParameterFile, CommentsAreDroppedAndBlankLinesKept) {
  EXPECT_EQ(ReadParams(testing::CrLf({"; Kommentar", "Hallo", "", "REM x", "Text"}), 3),
            (V{L"", L"Hallo", L"", L"Text"}));
  EXPECT_EQ(ReadParams("   Hallo   Welt   "), (V{L"", L"Hallo   Welt"}));
  EXPECT_EQ(ReadParams("    \r\nx"), (V{L"", L"", L"x"}));
  EXPECT_EQ(ReadParams("Remote\rREMARK\rrem\r'x\r  ;y\rRe\rz"), (V{L"", L"Re", L"z"}));
  EXPECT_EQ(ReadParams("\t;kein Kommentar"), (V{L"", L"\t;kein Kommentar"}));
  EXPECT_EQ(ReadParams("a;b"), (V{L"", L"a;b"}));
}

// kv.cmd's own files: every line after the sign is a text the batch file named, as it stands,
// in the encoding the sign names (no detection). Any other first line is a comment as always.
TEST(ParameterFile, KvCmdFilesKeepEveryLineAsItStands) {
  EXPECT_EQ(ReadParams(";kv.cmd:UTF-8\r\nWartung\r\nJN FRAGE\r\nRemote-Rechner neu starten?\r\n"
                       "  = mit Blanken =  \r\n\r\n; x\r\n'y\r\n\xC4\x86"
                       "evap\xC4\x8Di\xC4\x87i \xC4\x9E\xC4\xB0\xC5\x9E\r\n\xC4\r\n",
                       3),
            (V{L"", L"Wartung", L"JN FRAGE", L"Remote-Rechner neu starten?", L"  = mit Blanken =  ",
               L"", L"; x", L"'y", L"\u0106evap\u010Di\u0107i \u011E\u0130\u015E", L"\uFFFD"}));
  EXPECT_EQ(ReadParams(";kv.cmd:ANSI\r\nRem \xC4\x8D \r\n"), (V{L"", L"Rem \u00C4\u008D "}));
  EXPECT_EQ(ReadParams(";kv.cmd:UTF-8\r\n"), (V{L"<ended>"}));  // no line: error 5
  EXPECT_EQ(ReadParams(";kv.cmd:UTF-8\r\n\r\n"), (V{L"", L""}));
  EXPECT_EQ(ReadParams(";kv.cmd:UTF-8 \r\nRem x\r\n \xC4\x8D "), (V{L"", L"\u00C4\u008D"}));
  EXPECT_EQ(ReadParams("\xEF\xBB\xBF;kv.cmd:UTF-8\r\n Rem x"), (V{L"<ended>"}));
}

// kv.cmd's files of variables: each line names an environment variable whose value is the line,
// exactly; an undefined one is an empty line, a value with CR or LF is refused.
TEST(ParameterFile, KvCmdFilesOfVariablesTakeTheLinesFromTheEnvironment) {
  FakeSystem sys;
  sys.environment = {{L"kv_line_1", L"  geheim  "},
                     {L"TITEL", L"\u0141\u00F3d\u017A \u4E2D\U0001F600 100% ! ^ \"&\" =x ; y"},
                     {L"GR\u00DC\u00DF", L"Rem z"},
                     {L"LEER", L""}};
  EXPECT_EQ(ReadParams(";kv.cmd:UTF-8:VARIABLES\r\nkv_line_1\r\nTITEL\r\nLEER\r\nFEHLT\r\n\r\n", 5,
                       &sys, true),
            (V{L"", L"  geheim  ", sys.environment[L"TITEL"], L"", L"", L""}));
  EXPECT_EQ(ReadParams(";kv.cmd:ANSI:VARIABLES\r\nGR\xDC\xDF\r\n", 1, &sys, true),
            (V{L"", L"Rem z"}));
  EXPECT_EQ(ReadParams(";kv.cmd:UTF-8:VARIABLES\r\nGR\xC3\x9C\xC3\x9F", 1, &sys, true),
            (V{L"", L"Rem z"}));
  EXPECT_EQ(ReadParams(";kv.cmd:utf-8:VARIABLES\r\nLEER", 1, &sys, true), (V{L"", L"LEER"}));
  // Anyone else's file that starts so, or one outside kv.cmd's folder, is an ordinary file:
  // its first line a comment.
  EXPECT_EQ(ReadParams(";kv.cmd:ANSI:VARIABLES\r\nTITEL\r\n", 1, &sys), (V{L"", L"TITEL"}));
  for (const wchar_t* broken : {L"a\nb", L"a\r", L"\r\n"}) {
    FakeSystem fault;
    fault.environment[L"TEXT"] = broken;
    EXPECT_EQ(ReadParams(";kv.cmd:ANSI:VARIABLES\r\nLEER\r\nTEXT\r\n", 1, &fault, true),
              (V{L"<ended>"}));
    ASSERT_EQ(fault.boxes.size(), 1u);
    EXPECT_EQ(fault.boxes[0].text,
              L"Die Umgebungsvariable 'TEXT' enth\u00E4lt einen Zeilenumbruch und kann keine Zeile "
              L"sein.");
    EXPECT_EQ(fault.boxes[0].title, L"Kelvari");
    EXPECT_EQ(fault.boxes[0].icon, MessageIcon::kStop);
  }
}

TEST(ParameterFile, UnixLineEndsMakeOneLine) {
  EXPECT_EQ(ReadParams("A\nB\nC\n"), (V{L"", L"A\nB\nC\n"}));
}

TEST(ParameterFile, Utf8FromNotepadIsReadAsUtf8) {
  EXPECT_EQ(ReadParams("\xEF\xBB\xBF; Kommentar\r\nGr\xC3\xBC\xC3\x9F"
                       "e\r\n"),
            (V{L"", L"Gr\u00FC\u00DFe"}));
  EXPECT_EQ(ReadParams("Gr\xFC\xDF"
                       "e"),
            (V{L"", L"Gr\u00FC\u00DFe"}));
}

TEST(ParameterFile, BinaryAndNulBytesAreReadWithoutHarm) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>(i * 7 % 256));
  const V lines = ReadParams(binary);
  EXPECT_GE(lines.size(), 2u);
  // NUL bytes are no text: a line shows and means what is around them.
  EXPECT_EQ(ReadParams(std::string("a\0b\r\nc", 6)), (V{L"", L"ab", L"c"}));
}

TEST(ParameterFile, ALongLineAndManyLinesAreKeptWhole) {
  std::string long_line(1'000'000, 'x');
  EXPECT_EQ(ReadParams(long_line)[1].size(), 1'000'000u);
  std::string many;
  for (int i = 0; i < 32767; ++i) many += "z\r\n";
  EXPECT_EQ(ReadParams(many).size(), 32768u);
}

TEST(ParameterFile, MoreLinesThanTheCountsHoldAreRefused) {
  std::string many;
  for (int i = 0; i < 32768; ++i) many += "z\r\n";
  FakeSystem sys;
  EXPECT_EQ(ReadParams(many, 1, &sys), V{L"<ended>"});
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text, L"Die Parameterdatei 'p.txt' enth\u00E4lt mehr als 32767 Zeilen.");
}

TEST(ParameterFile, ADeviceIsReportedAsADevice) {
  FakeSystem sys;
  sys.files[L"CON"].bytes = "a\r\n";  // were it read, it would count as a file
  sys.devices = {L"CON"};
  sys.argument_text = L"r.txt CMD CON";
  std::vector<CommandRow> table;
  Program program = ProgramWithCommand(sys, table, 1);
  EXPECT_EQ(program.Finish(program.Start({})), kExitFailed);
  ASSERT_EQ(sys.boxes.size(), 1u);
  EXPECT_EQ(sys.boxes[0].text,
            L"Die Parameterdatei 'CON' konnte nicht gelesen werden:\r"
            L"Der Name bezeichnet ein Ger\u00E4t und keine Datei.");
}

TEST(ParameterFile, ErrorsThreeFourAndFive) {
  struct Case {
    std::wstring args;
    bool file, hidden, folder;
    std::string content;
    std::int16_t min;
    std::wstring message;
  } cases[] = {
      {L"r.txt CMD", true, false, false, "a", 1,
       L"Der Name der Parameterdatei wurde nicht angegeben."},
      {L"r.txt CMD fehlt.txt", false, false, false, "", 1,
       L"Die Parameterdatei 'fehlt.txt' konnte nicht gefunden werden."},
      {L"r.txt CMD p.txt", true, true, false, "a", 1,
       L"Die Parameterdatei 'p.txt' konnte nicht gefunden werden."},
      {L"r.txt CMD p.txt", true, false, true, "a", 1,
       L"Die Parameterdatei 'p.txt' konnte nicht gefunden werden."},
      {L"r.txt CmD p.txt", true, false, false, "; nur\r\nREM Kommentar", 1,
       L"F\u00FCr das Kommando 'CmD' wurden\rzu wenig Angaben in der Parameterdatei gemacht."},
      {L"r.txt CMD p.txt", true, false, false, "", 1,
       L"F\u00FCr das Kommando 'CMD' wurden\rzu wenig Angaben in der Parameterdatei gemacht."},
      {L"r.txt CMD p.txt", true, false, false, "a\r\nb", 3,
       L"F\u00FCr das Kommando 'CMD' wurden\rzu wenig Angaben in der Parameterdatei gemacht."},
  };
  for (const Case& c : cases) {
    FakeSystem sys;
    if (c.file) sys.files[L"p.txt"] = {c.content, c.hidden, c.folder};
    sys.argument_text = c.args;
    std::vector<CommandRow> table;
    Program program = ProgramWithCommand(sys, table, c.min);
    EXPECT_EQ(program.Finish(program.Start({})), kExitFailed) << "case " << (&c - cases);
    ASSERT_EQ(sys.boxes.size(), 1u);
    EXPECT_EQ(sys.boxes[0].text, L"Ausf\u00FChrungsfehler:\r\r" + c.message);
    EXPECT_EQ(sys.boxes[0].title, L"Kelvari");
    EXPECT_EQ(sys.boxes[0].icon, MessageIcon::kStop);
  }
}

TEST(PromptString, JoinsTheTrailingLinesWithCr) {
  const Invocation call({}, V{L"A", L"B", L"C"}, {});
  EXPECT_EQ(call.PromptFrom(2), L"B\rC");
  EXPECT_EQ(call.PromptFrom(3), L"C");
  EXPECT_EQ(call.PromptFrom(4), L"");
  EXPECT_EQ(Invocation({}, V{L"a", L"", L"b"}, {}).PromptFrom(1), L"a\r\rb");
  EXPECT_EQ(JoinPrompt(V{L"A", L"B", L"C"}, 1), L"B\rC");  // from position 1, that is line 2
}

}  // namespace
}  // namespace kelvari
