#include <gtest/gtest.h>

#include "commands/list_box_attributes.h"
#include "commands/list_box_selection.h"
#include "win32/list_dialog_layout.h"

namespace kelvari {
namespace {

TEST(BuildListResult, AllModes) {
  const std::vector<std::wstring> colours = {L"Rot", L" Gr\u00FCn ", L"Blau"};
  const std::vector<std::wstring> gaps = {L"", L"a", L"  ", L"b"};
  const std::vector<std::wstring> inner = {L"a b", L"a", L"b", L"\tt\t", L" x  y "};
  struct Case {
    const std::vector<std::wstring>* entries;
    std::vector<int> selected;
    bool multi, numeric;
    std::wstring result;
    bool quoted = false;
  } cases[] = {
      // multiple selection, texts and numbers
      {&colours, {0, 1}, true, false, L"Rot Gr\u00FCn"},
      {&colours, {0, 1}, true, true, L"1 2"},
      {&colours, {2, 0}, true, true, L"1 3"},
      {&colours, {}, true, false, L""},
      {&colours, {}, true, true, L""},
      {&colours, {0, 1, 2}, true, true, L"1 2 3"},
      // the blank goes in before an entry only when the answer is not empty
      {&gaps, {0, 1, 2, 3}, true, false, L"a  b"},
      {&gaps, {0}, true, false, L""},
      {&gaps, {0, 2}, true, false, L""},
      {&gaps, {1, 2}, true, false, L"a "},
      {&gaps, {0, 2}, true, true, L"1 3"},
      // inner blanks stay; only blanks are trimmed, tabs stay
      {&inner, {0}, true, false, L"a b"},
      {&inner, {1, 2}, true, false, L"a b"},
      {&inner, {3}, true, false, L"\tt\t"},
      {&inner, {4}, true, false, L"x  y"},
      // single selection: the text as read, NUMERIC has no effect
      {&colours, {1}, false, false, L" Gr\u00FCn "},
      {&colours, {1}, false, true, L" Gr\u00FCn "},
      {&gaps, {2}, false, false, L"  "},
      // single selection with nothing selected: an empty answer
      {&colours, {}, false, false, L""},
      {&colours, {-1}, false, true, L""},
      // positions the list does not have are ignored
      {&colours, {7, -1, 2}, true, true, L"3"},
      // QUOTED: every entry exactly as it stands, also an empty one; numbers stay bare
      {&inner, {2, 0, 1}, true, false, L"\"a b\" \"a\" \"b\"", true},
      {&colours, {0, 1}, true, false, L"\"Rot\" \" Gr\u00FCn \"", true},
      {&gaps, {0, 3}, true, false, L"\"\" \"b\"", true},
      {&colours, {0, 2}, true, true, L"1 3", true},
      {&colours, {1}, false, true, L"\" Gr\u00FCn \"", true},
      {&colours, {}, false, false, L"", true},
      {&colours, {}, true, false, L"", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildListResult(*c.entries, c.selected, {c.multi, c.numeric, c.quoted}), c.result)
        << c.selected.size() << " multi=" << c.multi << " numeric=" << c.numeric
        << " quoted=" << c.quoted;
  }
}

TEST(BuildListResult, NumbersOfALongList) {
  std::vector<std::wstring> entries(32767, L"e");
  EXPECT_EQ(BuildListResult(entries, {9, 99, 32766}, {true, true}), L"10 100 32767");
}

TEST(EntryQuotesCannotHold, OnlyQuotedTextsWithAQuoteOfTheirOwn) {
  const std::vector<std::wstring> entries = {L"a", L"So \"nicht\"", L"\""};
  struct Case {
    std::vector<int> selected;
    ListAnswerKind kind;
    std::optional<std::wstring> entry;
  } cases[] = {
      {{2, 0, 1}, {true, false, true}, L"So \"nicht\""},
      {{2}, {false, false, true}, L"\""},
      {{2, 1}, {false, true, true}, L"\""},  // NUMERIC does not count in single selection
      {{0}, {true, false, true}, std::nullopt},
      {{1, 2}, {true, true, true}, std::nullopt},
      {{1, 2}, {true, false, false}, std::nullopt},
      {{7}, {false, false, true}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EntryQuotesCannotHold(entries, c.selected, c.kind), c.entry) << c.selected.size();
  }
}

TEST(ReadSelectedWord, NumbersFromOneToTheLongestList) {
  struct Case {
    const wchar_t* word;
    std::optional<std::vector<int>> positions;
  } cases[] = {
      {L"SELECTED=1", std::vector<int>{0}},
      {L"SELECTED=3,1,3", std::vector<int>{2, 0, 2}},
      {L"SELECTED=32767,010", std::vector<int>{32766, 9}},
      {L"SELECTED=", std::nullopt},
      {L"SELECTED=0", std::nullopt},
      {L"SELECTED=1,,2", std::nullopt},
      {L"SELECTED=1,", std::nullopt},
      {L"SELECTED=,1", std::nullopt},
      {L"SELECTED=x", std::nullopt},
      {L"SELECTED=-1", std::nullopt},
      {L"SELECTED=+1", std::nullopt},
      {L"SELECTED=32768", std::nullopt},
      {L"SELECTED=99999999999", std::nullopt},
      {L"SELECTED", std::nullopt},
      {L"SELECTED:1", std::nullopt},
      {L"selected=1", std::nullopt},  // words come upper-cased
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadSelectedWord(c.word), c.positions) << ::testing::PrintToString(c.word);
}

TEST(ApplyListAttribute, WordsSetTheirFlag) {
  struct Case {
    std::vector<std::wstring> words;
    bool numeric, multi;
  } cases[] = {
      {{}, false, false},
      {{L"MULTISELECT"}, false, true},
      {{L"MULTISELECT", L"SINGLESELECT"}, false, false},
      {{L"NUMERIC"}, true, false},
      {{L"NUMERIC", L"STRING"}, false, false},
      {{L"STRING", L"MULTISELECT", L"NUMERIC"}, true, true},
  };
  for (const Case& c : cases) {
    bool numeric = false, multi = false;
    for (const auto& w : c.words) EXPECT_TRUE(ApplyListAttribute(w, numeric, multi));
    EXPECT_EQ(numeric, c.numeric);
    EXPECT_EQ(multi, c.multi);
  }
}

TEST(ApplyListAttribute, OtherWordsAreRefusedWithoutChange) {
  for (const wchar_t* word : {L"multiselect", L"MULTI", L"NUMERICS", L"", L"MULTISELECT,",
                              L"\tSTRING", L"SINGLE SELECT"}) {
    bool numeric = true, multi = true;
    EXPECT_FALSE(ApplyListAttribute(word, numeric, multi));
    EXPECT_TRUE(numeric);
    EXPECT_TRUE(multi);
  }
}

TEST(TwipsToPixels, FifteenTwipsAPixelAt96Dpi) {
  struct Case {
    int twips, dpi, pixels;
  } cases[] = {
      {0, 96, 0},      {15, 96, 1},      {1440, 96, 96}, {6960, 96, 464},  {3732, 96, 249},
      {3672, 96, 245}, {4035, 96, 269},  {372, 96, 25},  {6960, 192, 928}, {3732, 192, 498},
      {372, 144, 37},  {1440, 120, 120}, {7, 96, 0},     {8, 96, 1},       {-15, 96, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips;
}

TEST(ListDialogDesign, ControlsLieInsideTheFrameAndTheFrameInsideTheForm) {
  const ListDialogDesign d;
  for (const TwipsRect& r : {d.list, d.ok, d.cancel, d.label}) {
    EXPECT_GE(r.left, d.frame.left);
    EXPECT_GE(r.top, d.frame.top);
    EXPECT_LE(r.left + r.width, d.frame.left + d.frame.width);
    EXPECT_LE(r.top + r.height, d.frame.top + d.frame.height);
  }
  EXPECT_LE(d.frame.left + d.frame.width, d.client_width);
  EXPECT_LE(d.frame.top + d.frame.height, d.client_height);
  EXPECT_LT(d.cancel.left + d.cancel.width, d.ok.left);  // "Abbrechen" left of "OK"
}

}  // namespace
}  // namespace kelvari
