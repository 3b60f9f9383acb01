// Keys, typing and the mouse reaching the editor.
#include <chrono>
#include <functional>

#include "editorfixture.h"

namespace KAVREL_FILE_LOCAL {

class EditorKeys : public EditorTest {};

TEST_F(EditorKeys, PlainKeysMoveOrEditAndOnlyEditsRecord) {
  struct Case {
    const char* name;
    int key;
    const char* after;  // "|" typed at the caret
    int records, beeps;
  } cases[] = {
      {"Home", vk::Home, "<#><l><e>ab</e></l><l><e>|cd</e></l></#>", 0, 0},
      {"End at the end is refused", vk::End, "<#><l><e>ab</e></l><l><e>cd|</e></l></#>", 0, 1},
      {"Delete at the end is refused", vk::Delete, "<#><l><e>ab</e></l><l><e>cd|</e></l></#>", 0, 1},
      {"Backspace", vk::Back, "<#><l><e>ab</e></l><l><e>c|</e></l></#>", 1, 0},
      {"Left", vk::Left, "<#><l><e>ab</e></l><l><e>c|d</e></l></#>", 0, 0},
      {"Right at the end is refused", vk::Right, "<#><l><e>ab</e></l><l><e>cd|</e></l></#>", 0, 1},
      {"Up", vk::Up, "<#><l><e>ab|</e></l><l><e>cd</e></l></#>", 0, 0},
      {"Down on the last line is refused", vk::Down, "<#><l><e>ab</e></l><l><e>cd|</e></l></#>", 0, 1},
      {"Enter", vk::Return, "<#><l><e>ab</e></l><l><e>cd</e></l><l><e>|</e></l></#>", 1, 0},
      {"Tab does nothing", vk::Tab, "<#><l><e>ab</e></l><l><e>cd|</e></l></#>", 0, 0},
      {"Ctrl+Delete does nothing", vk::Delete + 1000, "<#><l><e>ab</e></l><l><e>cd|</e></l></#>", 0, 0},
  };
  for (const Case& c : cases) {
    Load("<#><l><e>ab</e></l><l><e>cd</e></l></#>");
    const int records = Records(), beeps = host.beeps;
    const bool ctrl = c.key > 1000;
    Key(ctrl ? c.key - 1000 : c.key, ctrl);
    EXPECT_EQ(Records() - records, c.records) << c.name;
    EXPECT_EQ(host.beeps - beeps, c.beeps) << c.name;
    Type("|");
    EXPECT_EQ(Vod(), Q(c.after)) << c.name;
  }
}

TEST_F(EditorKeys, ARefusedKeyBeepsAndReturnsAtOnce) {
  Load("<#><l><e>a</e></l></#>");
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 3; ++i) Key(vk::Delete);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
  EXPECT_EQ(host.beeps, 3);
  EXPECT_EQ(Records(), 1);
}

TEST_F(EditorKeys, EscClosesTheHostWithoutOk) {
  Load();
  Key(vk::Escape);
  editor.RunCommand(ID_FORMULA_CLOSE);
  EXPECT_EQ(host.closes, 2);
  EXPECT_EQ(host.accepts, 0);
  editor.RunCommand(ID_FORMULA_OK);
  EXPECT_EQ(host.accepts, 1);
}

TEST_F(EditorKeys, InputThatMustNotChangeTheFormulaDoesNot) {
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"a control character", [&] { editor.OnChar(Q("\t")); }},
      {"typing with the button held",
       [&] {
         editor.OnLButtonDown({1, 1});
         editor.OnChar(Q("x"));
       }},
      {"anything when read-only",
       [&] {
         editor.m_bReadOnly = TRUE;
         editor.OnChar(Q("x"));
         Key(vk::Back);
         Key('X', true);
         editor.RunCommand(ID_FORMULA_FRACTION);
         editor.InsertBuiltInFormula(0);
         editor.OnLButtonDown({1, 1});
         EXPECT_FALSE(editor.m_bMouseDown);
       }},
  };
  for (const auto& [name, input] : cases) {
    Load("<#><l><e>ab</e></l></#>");
    input();
    EXPECT_EQ(Vod(), Q("<#><l><e>ab</e></l></#>")) << name;
    EXPECT_EQ(Records(), 1) << name;
  }
}

TEST_F(EditorKeys, DraggingSelectsAndTheOffsetMovesWhereTheMouseLands) {
  Load("<#><l><e>abc</e></l></#>");
  const RECT run = Node({0, 0})->m_rcPlaced;
  const int y = (run.top + run.bottom) / 2;
  editor.m_ptOffset = {100, 0};
  editor.OnLButtonDown({run.left - 100, y});
  editor.UpdateLayout();
  EXPECT_EQ(editor.m_caret.m_geometry.caretTop.x(), run.left) << "the caret went where the button went down";
  editor.OnMouseMove({run.right - 100, y});
  editor.OnLButtonUp();
  EXPECT_EQ(State(), CFormulaCaret::SELECTION);
  EXPECT_EQ(tree.GetText(3), Q("abc"));
  EXPECT_TRUE(editor.CaretLines().empty()) << "no caret over a selection";
  Type("x");
  EXPECT_EQ(Vod(), Q("<#><l><e>x</e></l></#>"));
  EXPECT_EQ(State(), CFormulaCaret::CARET);
  const std::vector<QLine> caret = editor.CaretLines();
  ASSERT_EQ(caret.size(), 2u);
  EXPECT_EQ(caret[0].p1(), editor.m_caret.m_geometry.caretTop - QPoint(100, 0));
}

}  // namespace
