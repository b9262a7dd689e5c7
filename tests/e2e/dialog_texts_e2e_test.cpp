// No text of the program's own dialogs is cut off: every button caption and label fits the
// control's client rectangle, at 96 and at 144 dots per inch. A button measures its caption
// itself, in its own font and with its own margins (BCM_GETIDEALSIZE). A font of another
// process cannot be read, so a label's text is measured here in the font the dialog chooses:
// the system's message font at the DPI, or Arial of 9.6 points for the about text.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <tuple>

#include "driver.h"

namespace kvtest {
namespace {

struct Dialog {
  const char* name;
  const wchar_t* args;
  std::vector<std::pair<const char*, std::string>> files;
  const wchar_t* window_class;
  int texts;                 // the captions and labels the dialog shows
  bool arial_label = false;  // the labels are set in Arial, 9.6 points
};

HFONT LabelFont(bool arial, DWORD dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  EXPECT_TRUE(
      SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi));
  LOGFONTW font = metrics.lfMessageFont;
  if (arial) {
    font = LOGFONTW{};
    font.lfHeight = -static_cast<LONG>(9.6 * dpi / 72 + 0.5);
    font.lfWeight = FW_NORMAL;
    lstrcpynW(font.lfFaceName, L"Arial", LF_FACESIZE);
  }
  return CreateFontIndirectW(&font);
}

// The size a button of the program needs for its caption; a button with several lines is
// asked for the height at its own width. The answer travels through the button's process.
SIZE IdealSize(HWND button, LONG width) {
  DWORD pid = 0;
  GetWindowThreadProcessId(button, &pid);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  EXPECT_NE(process, nullptr);
  SIZE size{width, 0};
  if (!process) return size;
  void* remote = VirtualAllocEx(process, nullptr, sizeof size, MEM_COMMIT, PAGE_READWRITE);
  EXPECT_NE(remote, nullptr);
  if (remote) {
    WriteProcessMemory(process, remote, &size, sizeof size, nullptr);
    EXPECT_TRUE(SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(remote)));
    ReadProcessMemory(process, remote, &size, sizeof size, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return size;
}

class DialogTexts : public ::testing::TestWithParam<std::tuple<Dialog, DWORD>> {};

TEST_P(DialogTexts, FitTheirControls) {
  const auto& [d, dpi] = GetParam();
  const auto dir = FreshWorkDir();
  for (const auto& [name, bytes] : d.files) WriteBytes(dir / name, bytes);
  std::optional<Program> kv;
  HWND window = nullptr;
  {
    DisplayDpi display(dpi);
    kv.emplace(d.args, dir);
    window = kv->WaitForWindow(d.window_class);
  }
  ASSERT_NE(window, nullptr);
  HDC dc = GetDC(nullptr);
  int checked = 0;
  for (HWND control : Children(window)) {
    const std::wstring text = Text(control), kind = ClassName(control);
    if (!IsWindowVisible(control) || text.empty()) continue;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT room;
    GetClientRect(control, &room);
    SIZE need{};
    if (kind == L"Button" && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) {
      need = IdealSize(control, (style & BS_MULTILINE) ? room.right : 0);
    } else if (kind == L"Static" && (style & SS_TYPEMASK) == SS_LEFT) {
      UINT flags = DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK;
      if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
      if (style & SS_EDITCONTROL) flags |= DT_EDITCONTROL;
      HFONT font = LabelFont(d.arial_label, dpi);
      HGDIOBJ old = SelectObject(dc, font);
      RECT extent{0, 0, room.right, 0};
      DrawTextW(dc, text.c_str(), -1, &extent, flags);
      SelectObject(dc, old);
      DeleteObject(font);
      need = {extent.right, extent.bottom};
    } else {
      continue;
    }
    EXPECT_LE(need.cx, room.right) << d.name << " at " << dpi << " DPI: " << Utf8(text);
    EXPECT_LE(need.cy, room.bottom) << d.name << " at " << dpi << " DPI: " << Utf8(text);
    ++checked;
  }
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(checked, d.texts);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(kv->WaitForExit().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogTexts,
    ::testing::Combine(
        ::testing::Values(Dialog{"InputBox",
                                 L"erg.txt INPUTBOX p.txt",
                                 {{"p.txt",
                                   "Anmeldung\r\nMax\r\nBitte geben Sie Ihren Namen ein:\r\n"}},
                                 L"#32770",
                                 3},
                          Dialog{"ListDialog",
                                 L"erg.txt LISTBOX p.txt",
                                 {{"p.txt", "Farbwahl\r\nliste.txt\r\n\r\nWelche Farbe?\r\n"},
                                  {"liste.txt", "Rot\r\nBlau\r\n"}},
                                 L"KelvariListe",
                                 3},
                          Dialog{"AboutBox", L"erg.txt INFO", {}, L"#32770", 4, true},
                          Dialog{"ButtonBox",
                                 L"erg.txt BUTTONBOX p.txt",
                                 {{"p.txt",
                                   "Neustart\r\nFRAGE CANCEL=3\r\n&Jetzt neu starten und alle "
                                   "offenen Programme schlie\xDF"
                                   "en|In einer &Stunde|Sp\xE4&ter "
                                   "&& nie\r\nDer Rechner muss neu starten.\r\n"}},
                                 L"#32770",
                                 4},
                          Dialog{"ButtonBoxColumn",
                                 L"erg.txt BUTTONBOX p.txt",
                                 {{"p.txt", "Viele\r\nCANCEL=1\r\n" +
                                                std::string("Erste Schaltfl\xE4"
                                                            "che mit einer langen Beschriftung|"
                                                            "Zweite Schaltfl\xE4"
                                                            "che mit einer langen Beschriftung|"
                                                            "Dritte Schaltfl\xE4"
                                                            "che mit einer langen Beschriftung|"
                                                            "Vierte Schaltfl\xE4"
                                                            "che mit einer langen Beschriftung|"
                                                            "F\xFC"
                                                            "nfte Schaltfl\xE4"
                                                            "che mit einer langen Beschriftung|") +
                                                std::string(40, 'W') + " " + std::string(40, 'W') +
                                                " " + std::string(40, 'W') + "\r\nText\r\n"}},
                                 L"#32770",
                                 7}),
        ::testing::Values(96u, 144u)),
    [](const auto& p) {
      return std::string(std::get<0>(p.param).name) + std::to_string(std::get<1>(p.param));
    });

}  // namespace
}  // namespace kvtest
