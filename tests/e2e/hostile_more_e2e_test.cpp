// More hostile input and faults: oversized and strangely encoded list files, devices and
// wildcards as list, wave and proposed file names, drives without a medium, files locked by
// another process, a machine without a sound device and a DLL planted beside the program.
// Each case ends with a clear German message or a defined answer, never a crash, a hang or a
// lost file.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"

namespace kvtest {
namespace {

constexpr wchar_t kListClass[] = L"KelvariListe";
constexpr int kLongWaitMs = 60000;  // generous: only there so that a hang fails the test

std::wstring Wide(const char* text) {
  return std::wstring(text, text + std::char_traits<char>::length(text));
}

bool StartsWith(const std::wstring& text, const std::wstring& start) {
  return text.rfind(start, 0) == 0;
}

// The list dialog's list in use.
HWND ListOf(HWND form) {
  return form ? ChildOfClass(form, L"ListBox") : nullptr;
}

std::string Utf16(const std::wstring& text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (wchar_t c : text) {
    const auto lo = static_cast<char>(c & 0xFF);
    const auto hi = static_cast<char>((c >> 8) & 0xFF);
    bytes += big_endian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return bytes;
}

std::string Binary() {
  std::string bytes;
  std::uint32_t x = 2463534242u;
  for (int i = 0; i < 20000; ++i) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    bytes.push_back(static_cast<char>(x & 0xFF));
  }
  return bytes;
}

struct ListFileCase {
  const char* name;
  std::string bytes;
  std::vector<std::wstring> first_entries;  // the list's first entries as shown
  int choose;                               // position to confirm; -1: the list is empty
  const char* answer;                       // the result line's text; nullptr: not fixed
};

TEST(HostileList, StrangeListFilesShowAndAnswer) {
  const ListFileCase cases[] = {
      {"leer", "", {}, -1, nullptr},
      {"utf8 mit bom",
       "\xEF\xBB\xBFGr\xC3\xBCn\r\nWei\xC3\x9F\r\n\xE2\x82\xAC uro\r\n",
       {L"Gr\u00FCn", L"Wei\u00DF", L"\u20AC uro"},
       2,
       "\x80 uro"},
      {"utf16 le", Utf16(L"Rot\r\nGr\u00FCn\r\n", false), {L"Rot", L"Gr\u00FCn"}, 1, "Gr\xFCn"},
      {"utf16 be", Utf16(L"Rot\r\nGr\u00FCn\r\n", true), {L"Rot", L"Gr\u00FCn"}, 1, "Gr\xFCn"},
      {"cp1252 undefiniert",
       "A\x81"
       "B\r\n\x8D\x8F\x90\x9D\r\n",
       {L"A\u0081B", L"\u008D\u008F\u0090\u009D"},
       1,
       "\x8D\x8F\x90\x9D"},
      {"binaer", Binary(), {}, 0, nullptr},
      // NUL bytes carry no text: the list shows and answers the text around them.
      {"nul", std::string(1 << 20, '\0'), {}, -1, nullptr},
      {"nul zwischen", std::string("Ro\0t\r\n\0\0Blau\0\r\n", 15), {L"Rot", L"Blau"}, 0, "Rot"},
      {"utf16 ohne bom",
       std::string("R\0o\0t\0\r\0\n\0B\0l\0a\0u\0", 18),
       {L"Rot", L"Blau"},
       1,
       "Blau"},
  };
  for (const ListFileCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "p.txt", "Auswahl\r\nliste.txt\r\n\r\nBitte w\xE4hlen\r\n");
    WriteBytes(dir / "liste.txt", c.bytes);
    WriteBytes(dir / "erg.txt", "ALT\r\n");
    Program kv(L"erg.txt LISTBOX p.txt", dir);
    HWND form = kv.WaitForWindow(kListClass);
    HWND list = ListOf(form);
    ASSERT_NE(list, nullptr);
    const std::vector<std::wstring> shown = ListEntries(list);
    ASSERT_GE(shown.size(), c.first_entries.size());
    for (std::size_t i = 0; i < c.first_entries.size(); ++i) {
      EXPECT_EQ(shown[i], c.first_entries[i]) << i;
    }
    HWND ok = ChildByText(form, L"OK");
    ASSERT_NE(ok, nullptr);
    if (c.choose < 0) {
      EXPECT_TRUE(shown.empty());
      EXPECT_FALSE(IsWindowEnabled(ok));
      PostMessageW(form, WM_CLOSE, 0, 0);
      EXPECT_EQ(kv.WaitForExit(), 1u);
      EXPECT_EQ(ReadBytes(dir / "erg.txt"), "ALT\r\n");
      continue;
    }
    ASSERT_GT(shown.size(), static_cast<std::size_t>(c.choose));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(c.choose), 0);
    Press(ok);
    EXPECT_EQ(kv.WaitForExit(), 0u);
    const auto result = ReadBytes(dir / "erg.txt");
    ASSERT_TRUE(result.has_value());
    if (c.answer) {
      EXPECT_EQ(*result, std::string(c.answer) + "\r\n");
    } else {
      // One line: the chosen entry as shown, in the ANSI code page, and CR LF.
      const std::wstring& entry = shown[static_cast<std::size_t>(c.choose)];
      std::string ansi(entry.size() * 2 + 1, '\0');
      const int n =
          WideCharToMultiByte(CP_ACP, 0, entry.data(), static_cast<int>(entry.size()), ansi.data(),
                              static_cast<int>(ansi.size()), nullptr, nullptr);
      ansi.resize(static_cast<std::size_t>(std::max(n, 0)));
      EXPECT_EQ(*result, ansi + "\r\n");
    }
  }
}

// Device names and wildcards where a file name belongs: a message or a quiet end, no hang.
const char* const kDeviceAndWildcardNames[] = {"CON",    "NUL",       "COM1", "LPT1",
                                               "l*.txt", "l?ste.txt", "*"};

TEST(HostileNames, DevicesAndWildcardsAsListFile) {
  for (const char* name : kDeviceAndWildcardNames) {
    SCOPED_TRACE(name);
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "p.txt", std::string("Auswahl\r\n") + name + "\r\n\r\nBitte w\xE4hlen\r\n");
    WriteBytes(dir / "liste.txt", "Rot\r\nBlau\r\n");
    WriteBytes(dir / "erg.txt", "ALT\r\n");
    const BoxCall run = OneBoxThenOk(L"erg.txt LISTBOX p.txt", dir);
    EXPECT_EQ(run.box.title, L"Kelvari");
    EXPECT_EQ(run.windows, 1u) << "a second window beside the message";
    const std::wstring& text = run.box.text;
    // Not found (error 8, the name upper-cased) or found but no file that could be read.
    std::wstring upper = Wide(name);
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    const bool not_found = text == L"Ausf\u00FChrungsfehler:\r\rLISTBOX: Die Datei " + upper +
                                       L" mit dem\rListeninhalt konnte nicht gefunden werden.";
    const bool unreadable = StartsWith(text, L"LISTBOX: Die Datei " + Wide(name) +
                                                 L" mit dem Listeninhalt konnte nicht gelesen "
                                                 L"werden:\r");
    EXPECT_TRUE(not_found || unreadable) << Utf8(text);
    // A device is named as such.
    if (std::string(name).find_first_of("*?") == std::string::npos) {
      EXPECT_TRUE(text.ends_with(L"\rDer Name bezeichnet ein Ger\u00E4t und keine Datei."))
          << Utf8(text);
    }
    std::printf("list file %s: %s\n", name, not_found ? "error 8" : Utf8(text).c_str());
    EXPECT_EQ(run.exit, 2u);
    EXPECT_EQ(run.result, "ALT\r\n");
  }
}

TEST(HostileNames, DevicesAndWildcardsAsWaveFileEndQuietly) {
  for (const char* name : {"CON", "NUL", "COM1", "LPT1", "*.wav", "t?n.wav", "*"}) {
    SCOPED_TRACE(name);
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "ton.wav", "RIFF kein Klang");
    WriteBytes(dir / "p.txt", std::string(name) + "\r\n");
    Program kv(L"erg.txt PLAY p.txt", dir);
    EXPECT_EQ(kv.WaitForExit(kLongWaitMs), 0u);
    EXPECT_TRUE(kv.Windows().empty());
    EXPECT_FALSE(ReadBytes(dir / "erg.txt").has_value());
  }
}

// The edit control of the file dialog's name field.
HWND FileNameField(HWND dialog) {
  HWND field = GetDlgItem(dialog, 0x47C);        // cmb13, the explorer-style dialog's name field
  if (!field) return GetDlgItem(dialog, 0x480);  // edt1 of older templates
  while (field && ClassName(field) != L"Edit") field = GetWindow(field, GW_CHILD);
  return field;
}

// A confirmed device name answers its path, as any name would: FILEOPENBOX opens nothing. A
// confirmed wildcard only filters the dialog's list; the dialog stays until it is cancelled,
// and a cancel answers the proposal unchanged.
TEST(HostileNames, DevicesAndWildcardsAsProposedFileName) {
  for (const char* name : kDeviceAndWildcardNames) {
    for (const bool confirm : {false, true}) {
      SCOPED_TRACE(std::string(name) + (confirm ? " confirmed" : " cancelled"));
      auto dir = FreshWorkDir().make_preferred();
      WriteBytes(dir / "liste.txt", "x");
      WriteBytes(dir / "p.txt", std::string("Datei w\xE4hlen\r\n") + name + "\r\n" + dir.string() +
                                    "\r\nText (*.txt)|*.txt|Alle|*.*\r\n");
      Program kv(L"erg.txt FILEOPENBOX p.txt", dir);
      HWND box = kv.WaitForWindow(L"#32770");
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(Text(box), L"Datei w\u00E4hlen");
      HWND field = FileNameField(box);
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(ControlText(field), Wide(name));
      // The clicks are handled in order: a cancel after a confirmation that closed the dialog
      // goes nowhere.
      if (confirm) Press(GetDlgItem(box, IDOK));
      Press(GetDlgItem(box, IDCANCEL));
      const bool wildcard = std::string(name).find_first_of("*?") != std::string::npos;
      const bool chosen = confirm && !wildcard;
      EXPECT_EQ(kv.WaitForExit(kLongWaitMs), chosen ? 0u : 1u);
      EXPECT_EQ(ReadBytes(dir / "erg.txt"),
                (chosen ? (dir / name).string() : std::string(name)) + "\r\n");
    }
  }
}

// Drive M: of the session has no medium; Q: does not exist at all.
TEST(HostileDrives, ResultFileOnADriveWithoutMediumOrAMissingDrive) {
  for (const wchar_t* result : {L"M:\\erg.txt", L"Q:\\erg.txt", L"Q:erg.txt"}) {
    SCOPED_TRACE(Utf8(result));
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "p.txt", "Titel\r\nJN\r\nWeiter?\r\n");
    Program kv(std::wstring(result) + L" MESSAGEBOX p.txt", dir);
    HWND question = kv.WaitForWindow(L"#32770");
    ASSERT_NE(question, nullptr);
    PressButton(question, L"Ja");
    HWND fault = WaitForAnotherBox(kv, question);
    ASSERT_NE(fault, nullptr);
    const MessageBoxView view = ReadMessageBox(fault);
    EXPECT_EQ(view.title, L"Kelvari");
    EXPECT_TRUE(StartsWith(view.text, L"Die Ergebnisdatei '" + std::wstring(result) +
                                          L"' konnte nicht geschrieben werden:\r"))
        << Utf8(view.text);
    EXPECT_GT(view.text.find(L'\r') + 1, 0u);
    EXPECT_LT(view.text.find(L'\r') + 1, view.text.size()) << "no reason given";
    EXPECT_EQ(kv.Windows().size(), 1u) << "a system box beside the message";
    PressButton(fault, L"OK");
    EXPECT_EQ(kv.WaitForExit(), 2u);
  }
}

TEST(HostileDrives, ParameterFileOnADriveWithoutMediumOrAMissingDrive) {
  for (const wchar_t* param : {L"M:\\p.txt", L"Q:\\p.txt", L"M:p.txt"}) {
    SCOPED_TRACE(Utf8(param));
    const auto dir = FreshWorkDir();
    const BoxCall run = OneBoxThenOk(std::wstring(L"erg.txt MESSAGEBOX ") + param, dir);
    EXPECT_EQ(run.box.title, L"Kelvari");
    EXPECT_EQ(run.windows, 1u) << "a second window beside the message";
    EXPECT_EQ(run.box.text, L"Ausf\u00FChrungsfehler:\r\rDie Parameterdatei '" +
                                std::wstring(param) + L"' konnte nicht gefunden werden.");
    EXPECT_EQ(run.exit, 2u);
    EXPECT_FALSE(run.result.has_value());
  }
}

// Replaces a file of the Wine session for the programs started while it lives.
class ScopedSessionFile {
 public:
  ScopedSessionFile(const std::string& name, const std::string& content)
      : path_(WineSessionFile(name)), old_(ReadBytes(path_)) {
    WriteBytes(path_, content);
  }
  ~ScopedSessionFile() {
    if (old_) WriteBytes(path_, *old_);
  }
  ScopedSessionFile(const ScopedSessionFile&) = delete;
  ScopedSessionFile& operator=(const ScopedSessionFile&) = delete;

 private:
  std::filesystem::path path_;
  std::optional<std::string> old_;
};

// Sets Wine's sound driver (HKCU\Software\Wine\Drivers, value Audio; empty: none) for the
// programs started while it lives.
class ScopedAudioDriver {
 public:
  explicit ScopedAudioDriver(const std::wstring& driver) {
    wchar_t old[256] = {};
    DWORD size = sizeof old;
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, L"Audio", RRF_RT_REG_SZ, nullptr, old, &size) ==
        ERROR_SUCCESS) {
      old_ = old;
    }
    Set(driver);
  }
  ~ScopedAudioDriver() {
    if (old_) {
      Set(*old_);
    } else {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"Audio");
    }
  }
  ScopedAudioDriver(const ScopedAudioDriver&) = delete;
  ScopedAudioDriver& operator=(const ScopedAudioDriver&) = delete;

 private:
  static constexpr wchar_t kKey[] = L"Software\\Wine\\Drivers";
  static void Set(const std::wstring& driver) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Audio", REG_SZ, driver.c_str(),
                    static_cast<DWORD>((driver.size() + 1) * sizeof(wchar_t)));
  }
  std::optional<std::wstring> old_;
};

// A mono 16-bit wave file of one second of a rising tone.
std::string OneSecondWave() {
  std::string samples;
  for (int i = 0; i < 22050; ++i) {
    const auto v = static_cast<std::uint16_t>((i * 97) & 0x3FFF);
    samples.push_back(static_cast<char>(v & 0xFF));
    samples.push_back(static_cast<char>(v >> 8));
  }
  return WaveFileOf(samples);
}

// PLAY on a machine whose sound cannot be heard: it ends as always, without a message and
// without a result file, and does not wait for a device that never plays.
TEST(HostileSound, PlayWithoutAWorkingSoundDeviceEndsQuietly) {
  const char* const kinds[] = {"ALSA default device names a missing sound card",
                               "Wine without a sound driver"};
  for (const char* kind : kinds) {
    SCOPED_TRACE(kind);
    const auto dir = FreshWorkDir();
    WriteBytes(dir / "ton.wav", OneSecondWave());
    WriteBytes(dir / "p.txt", "ton.wav\r\n");
    const auto capture = WineSessionFile("sound-capture.raw");
    std::filesystem::remove(capture);
    std::optional<ScopedSessionFile> alsa;
    std::optional<ScopedAudioDriver> driver;
    if (kind == kinds[0]) {
      alsa.emplace("asound.conf",
                   "pcm.!default { type hw card 27 device 0 }\nctl.!default { type hw card 27 }\n");
    } else {
      driver.emplace(L"");
    }
    Program kv(L"erg.txt PLAY p.txt", dir);
    EXPECT_EQ(kv.WaitForExit(kLongWaitMs), 0u);
    EXPECT_TRUE(kv.Windows().empty());
    EXPECT_FALSE(ReadBytes(dir / "erg.txt").has_value());
    // The session's capturing device was not used: the sound really had nowhere to go.
    EXPECT_FALSE(ReadBytes(capture).has_value());
  }
}

// Holds a file open without sharing it, as another program that writes it would.
class LockedFile {
 public:
  explicit LockedFile(const std::filesystem::path& path)
      : handle_(CreateFileW(path.wstring().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~LockedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  bool locked() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// Makes `path` 2 GiB long without writing the bytes (a sparse file on the Linux side).
bool GrowToTwoGigabytes(const std::filesystem::path& path) {
  HANDLE file = CreateFileW(path.wstring().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  size.QuadPart = 1LL << 31;
  const bool grown = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return grown;
}

// A file that cannot be read, because another program holds it or because it is 2 GiB long,
// is reported and no answer is written.
TEST(HostileLocks, UnreadableFilesGiveAMessage) {
  struct Case {
    const char* command;
    const char* locked;  // or grown to 2 GiB, with `huge`
    const wchar_t* message_start;
    bool huge = false;
  } cases[] = {
      {"MESSAGEBOX", "p.txt", L"Die Parameterdatei 'p.txt' konnte nicht gelesen werden:\r", true},
      {"LISTBOX", "liste.txt",
       L"LISTBOX: Die Datei liste.txt mit dem Listeninhalt konnte nicht gelesen werden:\r", true},
      {"MESSAGEBOX", "p.txt", L"Die Parameterdatei 'p.txt' konnte nicht gelesen werden:\r"},
      {"LISTBOX", "p.txt", L"Die Parameterdatei 'p.txt' konnte nicht gelesen werden:\r"},
      {"PLAY", "p.txt", L"Die Parameterdatei 'p.txt' konnte nicht gelesen werden:\r"},
      {"LISTBOX", "liste.txt",
       L"LISTBOX: Die Datei liste.txt mit dem Listeninhalt konnte nicht gelesen werden:\r"},
      {"MESSAGEBOX", "erg.txt", L"Die Ergebnisdatei 'erg.txt' konnte nicht geschrieben werden:\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.command) + " " + c.locked);
    const auto dir = FreshWorkDir();
    const bool list = std::string(c.command) == "LISTBOX";
    WriteBytes(dir / "p.txt",
               list ? "Auswahl\r\nliste.txt\r\n\r\nBitte\r\n" : "ton.wav\r\nJN\r\nWeiter?\r\n");
    WriteBytes(dir / "liste.txt", "Rot\r\nBlau\r\n");
    WriteBytes(dir / "erg.txt", "ALT\r\n");
    std::optional<LockedFile> lock;
    if (c.huge) {
      ASSERT_TRUE(GrowToTwoGigabytes(dir / c.locked));
    } else {
      lock.emplace(dir / c.locked);
      ASSERT_TRUE(lock->locked());
    }
    Program kv(L"erg.txt " + Wide(c.command) + L" p.txt", dir);
    HWND box = kv.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    if (std::string(c.locked) == "erg.txt") {  // the question comes first, then the fault
      PressButton(box, L"Ja");
      HWND fault = WaitForAnotherBox(kv, box);
      ASSERT_NE(fault, nullptr);
      box = fault;
    }
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.title, L"Kelvari");
    EXPECT_TRUE(StartsWith(view.text, c.message_start)) << Utf8(view.text);
    EXPECT_GT(view.text.size(), std::wstring(c.message_start).size()) << "no reason given";
    PressButton(box, L"OK");
    EXPECT_EQ(kv.WaitForExit(), 2u);
    lock.reset();
    EXPECT_EQ(ReadBytes(dir / "erg.txt").value_or("<weg>"), "ALT\r\n");
    if (c.huge) std::filesystem::remove(dir / c.locked);
  }
}

// A reader that holds the result file for a moment (a virus scanner, an indexer) is waited
// out: the answer arrives.
TEST(HostileLocks, AShortHoldOnTheResultFileIsWaitedOut) {
  const auto dir = FreshWorkDir();
  WriteBytes(dir / "p.txt", "Frage\r\nJN\r\nWeiter?\r\n");
  WriteBytes(dir / "erg.txt", "ALT\r\n");
  Program kv(L"erg.txt MESSAGEBOX p.txt", dir);
  HWND box = kv.WaitForWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  {
    LockedFile lock(dir / "erg.txt");
    ASSERT_TRUE(lock.locked());
    PressButton(box, L"Ja");
    Sleep(300);
  }
  EXPECT_EQ(kv.WaitForExit(), 0u);
  EXPECT_EQ(ReadBytes(dir / "erg.txt"), "JA\r\n");
}

// The DLL of this build that refuses to load and leaves a marker when it is loaded anyway.
std::filesystem::path PlantedDll() {
  std::wstring w = L"Z:" + Wide(KELVARI_PLANTED_DLL_UNIX_PATH);
  std::replace(w.begin(), w.end(), L'/', L'\\');
  return w;
}

// Tells Wine to prefer a DLL of the program's own over the system's, for one program name.
class PreferNativeDll {
 public:
  PreferNativeDll(const std::wstring& exe_name, const std::wstring& dll)
      : key_(L"Software\\Wine\\AppDefaults\\" + exe_name) {
    const std::wstring value = L"native,builtin";
    ok_ =
        RegSetKeyValueW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), dll.c_str(), REG_SZ,
                        value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  ~PreferNativeDll() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }
  PreferNativeDll(const PreferNativeDll&) = delete;
  PreferNativeDll& operator=(const PreferNativeDll&) = delete;
  bool ok() const { return ok_; }

 private:
  std::wstring key_;
  bool ok_ = false;
};

// A DLL planted in the program's folder under the name of a system DLL that a command loads
// must never be loaded: the program takes system DLLs from the system folder only.
TEST(HostileDll, APlantedDllBesideTheProgramIsNotLoaded) {
  struct Case {
    const wchar_t* dll;
    const wchar_t* command;
    const char* params;
    bool dialog;  // the command shows a dialog that has to be cancelled
  } cases[] = {
      {L"winmm", L"PLAY", "fehlt.wav\r\n", false},
      {L"comdlg32", L"FILEOPENBOX", "Datei\r\nname.txt\r\nC:\\\r\nAlle|*.*\r\n", true},
      {L"shell32", L"QUERYFOLDERBOX", "Ordner\r\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(c.dll));
    const auto dir = FreshWorkDir().make_preferred();
    // A program name of its own, so that the preference touches no other test's program.
    const std::wstring exe_name = L"kvplant_" + std::wstring(c.dll) + L".exe";
    std::filesystem::copy_file(KelvariExe(), dir / exe_name);
    std::filesystem::copy_file(PlantedDll(), dir / (std::wstring(c.dll) + L".dll"));
    WriteBytes(dir / "p.txt", c.params);
    PreferNativeDll prefer(exe_name, c.dll);
    ASSERT_TRUE(prefer.ok());
    {
      Program kv(L"\"" + (dir / exe_name).wstring() + L"\" erg.txt " + c.command + L" p.txt", dir,
                 true);
      if (c.dialog) {
        HWND box = kv.WaitForWindow(L"#32770");
        if (box) PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
      }
      EXPECT_EQ(kv.WaitForExit(kLongWaitMs), c.dialog ? 1u : 0u);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "planted-dll-loaded.txt"));
  }
}

}  // namespace
}  // namespace kvtest
