// Variants of arrows and brackets (Ctrl+Left, Ctrl+Right) and the style
// dialog (Ctrl+P) on a selected structure.
#include "editorfixture.h"
#include "formula/control/structurestyle.h"

namespace KAVREL_FILE_LOCAL {

class StructureStyle : public EditorTest {
 protected:
  // Loads a formula whose first line holds a structure and selects that.
  CNode* LoadSelected(const QString& vod) {
    Load(vod.toUtf8().constData());
    return SelectStructure();
  }
  // Selects the first structure of the first line.
  CNode* SelectStructure() {
    auto* row = ChildAs<CRowNode>(tree.m_pRoot, 0);
    for (int i = 0; i < row->ChildCount(); ++i)
      if (!dynamic_cast<CTextNode*>(row->ChildAt(i))) {
        SelectInRow(0, i, i + 1);
        return row->ChildAt(i);
      }
    return nullptr;
  }
};

QString Arrows(int type) {
  return QStringLiteral("<#><l><a:type=%1><#><l><e>x</e></l></#><#><l><e>y</e></l></#></a></l></#>").arg(type);
}
QString Brackets(const QString& pair) { return QStringLiteral("<#><l><b><#><l><e>x</e></l></#>%1</b></l></#>").arg(pair); }

TEST(BracketPairList, RightGlyphsWithEveryLeftGlyphThenTheAngles) {
  const auto& pairs = BracketPairs();
  ASSERT_EQ(pairs.size(), 39u);
  const std::pair<int, const char16_t*> samples[] = {
      {0, u"\uF028\uF029"}, {1, u"\uF05B\uF029"}, {5, u" \uF029"},  {6, u"\uF028\uF05D"}, {21, u"\uF0E1\uF0F1"},
      {35, u"  "},          {36, u"\uF03C\uF03E"}, {37, u"\uF03C "}, {38, u" \uF03E"}};
  for (const auto& [index, pair] : samples) EXPECT_EQ(pairs[index], QString::fromUtf16(pair)) << index;
}

TEST_F(StructureStyle, CtrlArrowsStepVariantsAndPairsWithoutRecording) {
  struct Case {
    const char* name;
    QString vod;
    int key;
    QString sign;
    int type;
  } cases[] = {
      {"last pair forward", Brackets(QStringLiteral(" \uF03E")), vk::Right, QStringLiteral("\uF028\uF029"), 0},
      {"first pair back", Brackets(QStringLiteral("\uF028\uF029")), vk::Left, QStringLiteral(" \uF03E"), 0},
      {"a pair not listed", Brackets(QStringLiteral("\uF07C\uF07B")), vk::Left, QStringLiteral("\uF028\uF029"), 0},
      {"arrows 13 forward", Arrows(13), vk::Right, {}, 0},
      {"arrows 0 back", Arrows(0), vk::Left, {}, 13},
      {"arrows 5 forward", Arrows(5), vk::Right, {}, 6},
      {"a fraction stays", QStringLiteral("<#><l><f><#><l><e>x</e></l></#><#><l><e>y</e></l></#></f></l></#>"),
       vk::Right, {}, 0},
  };
  for (const Case& c : cases) {
    CNode* node = LoadSelected(c.vod);
    Key(c.key, true);
    EXPECT_EQ(node->m_strText, c.sign) << c.name;
    EXPECT_EQ(node->m_nType, c.type) << c.name;
    EXPECT_EQ(Records(), 1) << c.name;
  }
}

TEST_F(StructureStyle, TheStyleDialogRetypesSignsAndPicksArrowStyles) {
  const QString lim = QStringLiteral(
      "<#><l><d><t><#><l><e>x</e></l></#><#><l></l></#>lim</t><#><l><e>f</e></l></#></d></l></#>");
  struct Case {
    const char* name;
    QString vod;         // empty: a structure inserted by command `inserted`
    unsigned inserted;
    const char16_t* typed;  // null: Cancel
    int sel;
    int mode;
    QString sign;  // the sign afterwards
    int type;
    bool changes;
  } cases[] = {
      {"a sum's P", {}, 33550, u"P", 0, CDlgVodNodeType::SYMBOL, QStringLiteral("\uF050"), 0, true},
      {"a sum emptied", {}, 33550, u"", 0, CDlgVodNodeType::SYMBOL, QStringLiteral("\uF0E5"), 0, false},
      {"a control code", {}, 33550, u"\x01", 0, CDlgVodNodeType::SYMBOL, QStringLiteral("\uF0E5"), 0, false},
      {"an integral's Z", {}, 33552, u"Zq", 0, CDlgVodNodeType::SYMBOL, QStringLiteral("\uF05A"), 0, true},
      {"an integral emptied", {}, 33552, u"", 0, CDlgVodNodeType::SYMBOL, QStringLiteral("\uF0F2"), 0, false},
      {"one bracket", {}, 33553, u"(", 0, CDlgVodNodeType::SYMBOL, QStringLiteral("\uF0E1\uF0F1"), 0, true},
      {"two brackets", {}, 33553, u"[]", 0, CDlgVodNodeType::SYMBOL, QStringLiteral("\uF05B\uF05D"), 0, true},
      {"an open side", {}, 33553, u" >", 0, CDlgVodNodeType::SYMBOL, QStringLiteral(" \uF03E"), 0, true},
      {"a control code right", {}, 33553, u"[\x05", 0, CDlgVodNodeType::SYMBOL, QStringLiteral("\uF05B\uF029"), 0, true},
      {"lim emptied", lim, 0, u"", 0, CDlgVodNodeType::PLAIN, QStringLiteral("lim"), 0, false},
      {"lim retyped", lim, 0, u"<max", 0, CDlgVodNodeType::PLAIN, QStringLiteral("max"), 0, true},
      {"an arrow style", Arrows(3), 0, u"", 5, CDlgVodNodeType::LIST, {}, 5, true},
      {"no such arrow style", Arrows(3), 0, u"", 14, CDlgVodNodeType::LIST, {}, 3, false},
      {"Cancel", Arrows(3), 0, nullptr, 0, CDlgVodNodeType::LIST, {}, 3, false},
  };
  for (const Case& c : cases) {
    CNode* node;
    if (c.inserted) {
      Load();
      editor.RunCommand(c.inserted);
      editor.m_undo.Clear();
      editor.SaveUndoState();
      node = StyledNode(SelectStructure());
    } else {
      node = StyledNode(LoadSelected(c.vod));
    }
    const QString before = node->m_strText;
    CDlgVodNodeType answer;
    answer.m_strText = QString::fromUtf16(c.typed ? c.typed : u"");
    answer.m_nSel = c.sel;
    if (c.typed)
      dialogs->Ok(answer);
    else
      dialogs->Cancel<CDlgVodNodeType>();
    Key('P', true);
    const CDlgVodNodeType offered = dialogs->Offered<CDlgVodNodeType>().back();
    EXPECT_EQ(offered.m_nMode, c.mode) << c.name;
    EXPECT_EQ(offered.m_strText, c.mode == CDlgVodNodeType::LIST ? QString() : before) << c.name;
    if (c.mode == CDlgVodNodeType::LIST) {
      EXPECT_EQ(std::make_pair(offered.m_nCount, offered.m_nSel), std::make_pair(14, 3)) << c.name;
    }
    EXPECT_EQ(node->m_strText, c.sign) << c.name;
    EXPECT_EQ(node->m_nType, c.type) << c.name;
    EXPECT_EQ(Records(), c.changes ? 2 : 1) << c.name;
  }
}

}  // namespace
