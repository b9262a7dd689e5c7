// The example batch files as a user runs them: cmd runs the example beside kv.cmd and
// kelvari.exe, and the test answers the real dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "driver.h"
#include "process_windows.h"

namespace kvtest {
namespace {

namespace fs = std::filesystem;

std::set<std::wstring> NamesIn(const fs::path& folder) {
  std::set<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().wstring());
  }
  return names;
}

// aufraeumen.cmd lists a folder's *.tmp files, every name exactly, and after "Ja" deletes
// exactly the chosen ones, walked one by one: no name split at its blanks, none that lost its
// ";", "^" or "%", and no decoy such as 100.tmp beside 100%sicher%.tmp. (No name with "!"
// here: Wine's cmd loses a pair of "!" in the walk, Windows' does not; see README.)
TEST(Examples, CleanupDeletesExactlyTheChosenFiles) {
  const auto dir = FreshWorkDir();
  const fs::path build = fs::path(KelvariExe()).parent_path();
  const fs::path examples = dir / "kit" / "examples";
  fs::create_directories(examples);
  fs::copy_file(build / "kv.cmd", dir / "kit" / "kv.cmd");
  fs::copy_file(KelvariExe(), dir / "kit" / "kelvari.exe");
  fs::copy_file(build / "examples" / "aufraeumen.cmd", examples / "aufraeumen.cmd");
  const fs::path folder = dir / L"M\u00FCll";
  fs::create_directories(folder);
  const std::set<std::wstring> chosen = {L";komisch.tmp", L"M\u00FCller & S\u00F6hne.tmp",
                                         L"Gr\u00F6\u00DFe \u00DF.tmp", L"100%sicher%.tmp",
                                         L"a^b.tmp"};
  const std::set<std::wstring> kept = {
      L"komisch.tmp", L"S\u00F6hne.tmp", L"50% Rabatt.tmp", L"\u00DCbersicht.tmp",
      L"notizen.txt", L"100.tmp",        L"ab.tmp"};
  for (const auto& name : chosen) WriteBytes(folder / name, "x");
  for (const auto& name : kept) WriteBytes(folder / name, "x");

  // Whatever fails, no box of the example stays open for the tests after this one.
  struct CloseLeftovers {
    ~CloseLeftovers() {
      for (HWND w : WindowsOfImage(L"kelvari.exe")) PostMessageW(w, WM_CLOSE, 0, 0);
    }
  } close_leftovers;
  Program cmd(L"C:\\windows\\system32\\cmd.exe /c \"\"" + (examples / "aufraeumen.cmd").wstring() +
                  L"\" \"" + folder.wstring() + L"\"\"",
              dir, true, CREATE_NEW_CONSOLE);
  HWND form = WaitForWindowOfImage(L"kelvari.exe", L"Ordner bereinigen");
  ASSERT_NE(form, nullptr);
  HWND list = ChildOfClass(form, L"ListBox");
  const std::vector<std::wstring> entries = ListEntries(list);
  std::set<std::wstring> listed = chosen;
  listed.insert(kept.begin(), kept.end());
  listed.erase(L"notizen.txt");
  EXPECT_EQ(std::set<std::wstring>(entries.begin(), entries.end()), listed);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (chosen.count(entries[i])) SendMessageW(list, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
  }
  Press(ChildByText(form, L"OK"));
  HWND confirm = WaitForWindowOfImage(L"kelvari.exe", L"Dateien entfernen");
  ASSERT_NE(confirm, nullptr);
  PressButton(confirm, L"Ja");
  EXPECT_EQ(cmd.WaitForExit(), 0u);
  EXPECT_EQ(NamesIn(folder), kept);
}

}  // namespace
}  // namespace kvtest
