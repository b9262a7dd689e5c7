#include <gtest/gtest.h>

#include "run_program.h"

namespace kelvari {
namespace {

using testing::CrLf;
using testing::FakeSystem;

TEST(Play, PlaysLineOneAndEndsWithoutResultOrMessage) {
  for (const bool sound_fails : {false, true}) {
    FakeSystem sys;
    sys.argument_text = L"e.txt play p.txt";
    sys.files[L"p.txt"].bytes = CrLf({"; Klang", "  C:\\Klang mit Blank.wav ", "weitere Zeile"});
    sys.files[L"e.txt"].bytes = "ALT\r\n";
    sys.sound_fails = sound_fails;
    EXPECT_EQ(testing::RunProgram(sys), kExitAnswered);
    EXPECT_EQ(sys.played, std::vector<std::wstring>{L"C:\\Klang mit Blank.wav"});
    EXPECT_EQ(sys.files[L"e.txt"].bytes, "ALT\r\n");
    EXPECT_TRUE(sys.boxes.empty());
    EXPECT_EQ(sys.main_window_created, 0);
  }
}

TEST(Play, AnEmptyParameterFileIsErrorFive) {
  FakeSystem sys;
  sys.argument_text = L"e.txt PLAY p.txt";
  sys.files[L"p.txt"].bytes = "";
  EXPECT_EQ(testing::RunProgram(sys), kExitFailed);
  EXPECT_TRUE(sys.played.empty());
  EXPECT_EQ(sys.boxes.size(), 1u);
}

}  // namespace
}  // namespace kelvari
