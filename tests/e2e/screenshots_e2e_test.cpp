// Not a test but the camera of the manual: with KELVARI_SCREENSHOT_DIR set, takes a picture
// of every dialog of the program as the user sees it and saves it there as NAME.bmp
// (scripts/make-manual.sh turns them into the manual's figures). Without the variable every
// case is skipped. A command that this build does not have yet (it answers with the fallback
// error) gets no picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "driver.h"
#include "shell_recorder.h"
#include "window_picture.h"

namespace kvtest {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> ShotDir() {
  wchar_t dir[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"KELVARI_SCREENSHOT_DIR", dir, MAX_PATH) == 0) return std::nullopt;
  return fs::path(dir);
}

// Saves what the screen shows of `window` as a 24-bit BMP.
void SaveWindow(HWND window, const fs::path& file) {
  WriteBytes(file, WindowPicture(window));
}

struct Shot {
  const char* name;
  const wchar_t* args;
  std::vector<std::pair<const char*, std::string>> files;
};

class Screenshots : public ::testing::TestWithParam<Shot> {};

TEST_P(Screenshots, Take) {
  const auto out = ShotDir();
  if (!out) GTEST_SKIP() << "KELVARI_SCREENSHOT_DIR is not set";
  const Shot& shot = GetParam();
  const auto dir = FreshWorkDir();
  for (const auto& [name, bytes] : shot.files) WriteBytes(dir / name, bytes);
  UseShellRecorder();
  Program kv(shot.args, dir);
  HWND window = kv.WaitForWindow();
  ASSERT_NE(window, nullptr) << shot.name;
  if (Text(window) == L"Kelvari" &&
      ReadMessageBox(window).text.find(L"Unerwarteter Fehler") != std::wstring::npos) {
    GTEST_SKIP() << shot.name << ": not part of this build";
  }
  SetForegroundWindow(window);
  SetCursorPos(0, 0);
  // Windows shows a new dialog active; this Wine paints a message box's title bar grey, as if
  // it were in the background.
  DWORD_PTR ignored;
  SendMessageTimeoutW(window, WM_NCACTIVATE, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  // Let the dialog finish painting before the picture is taken.
  for (int i = 0; i < 10; ++i) {
    UpdateWindow(window);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  SaveWindow(window, *out / (std::string(shot.name) + ".bmp"));
}

const std::string kList = "Rot\r\nGr\xFCn\r\nBlau\r\nGelb\r\nSchwarz & Wei\xDF\r\n";

INSTANTIATE_TEST_SUITE_P(
    Dialogs, Screenshots,
    ::testing::Values(
        Shot{"messagebox",
             L"erg.txt MESSAGEBOX p.txt",
             {{"p.txt", "Sicherung\r\nJN FRAGE\r\nSoll jetzt gesichert werden?\r\n"}}},
        Shot{"messagebox-jna",
             L"erg.txt MESSAGEBOX p.txt",
             {{"p.txt",
               "Daten l\xF6schen\r\nJNA WARNUNG RECHTS\r\nSollen die alten Daten gel\xF6scht "
               "werden?\r\n\r\nAbbrechen beendet das Programm.\r\n"}}},
        Shot{"inputbox",
             L"erg.txt INPUTBOX p.txt",
             {{"p.txt", "Anmeldung\r\nMax Mustermann\r\nBitte geben Sie Ihren Namen ein:\r\n"}}},
        Shot{"listbox",
             L"erg.txt LISTBOX p.txt",
             {{"p.txt",
               "Farbwahl\r\nfarben.txt\r\nMULTISELECT NUMERIC\r\nWelche Farben m\xF6gen Sie?\r\n"
               "\r\nMehrere Eintr\xE4ge w\xE4hlen Sie\r\nmit Strg+Klick aus, mit der Tastatur\r\n"
               "mit Strg+Pfeiltaste und Strg+Leertaste.\r\n"},
              {"farben.txt", kList}}},
        Shot{"fileopenbox",
             L"erg.txt FILEOPENBOX p.txt",
             {{"p.txt",
               "Textdatei \xF6\x66\x66nen\r\n\r\nC:\\\r\nTextdateien (*.txt)|*.txt|Alle Dateien "
               "(*.*)|*.*\r\n"}}},
        Shot{"filesavebox",
             L"erg.txt FILESAVEBOX p.txt",
             {{"p.txt",
               "Protokoll speichern unter\r\nprotokoll.txt\r\nC:\\\r\nTextdateien "
               "(*.txt)|*.txt\r\n"}}},
        Shot{"queryfolderbox",
             L"erg.txt QUERYFOLDERBOX p.txt",
             {{"p.txt", "Wohin soll installiert werden?\r\n"}}},
        Shot{"help", L"erg.txt HELP", {}}, Shot{"info", L"erg.txt INFO", {}},
        Shot{"error", L"erg.txt MSGBOX p.txt", {}}),
    [](const ::testing::TestParamInfo<Shot>& param) {
      std::string name;
      for (const char* c = param.param.name; *c; ++c) {
        if (*c != '-') name += *c;
      }
      return name;
    });

}  // namespace
}  // namespace kvtest
