// The clipboard and the built-in formulas: what the editor puts on the
// clipboard, what it pastes and what it refuses.
#include "editorfixture.h"
#include "formula/control/formulaclipboard.h"
#include "formula/control/formulatables.h"
#include "platform/clipboard.h"

namespace KAVREL_FILE_LOCAL {

// A clipboard offering a formula record and text at once, as the system's does.
class TwoFormatClipboard : public MemoryClipboard {
 public:
  QString Text() const override { return text; }
  QString text;
};

class ClipboardFormulas : public EditorTest {};

TEST_F(ClipboardFormulas, CopyPutsTheSelectionsMarkupAndPicture) {
  EXPECT_EQ(FormulaClipboardRecord(QString::fromUtf16(u"a\u4E2D")), QByteArray("a\0\x2D\x4E\0\0", 6));
  Load("<#><l><e>abc</e></l></#>");
  SelectCharacters(Node({0, 0}), 1, 2);
  editor.SetRepaintLevel(1);
  Key('C', true);
  EXPECT_EQ(ReadFormulaClipboardRecord(*Clipboard().Data(kFormulaClipboardFormat)), tree.GetText(1));
  const QString copied = Q("<l><e:name=Times New Roman,cset=0,size=35,b=1,i=0,u=0>b</e></l>");
  EXPECT_EQ(tree.GetText(1), copied) << "with its whole font";
  EXPECT_FALSE(Clipboard().Image().isNull());
  Key('T', true);
  EXPECT_EQ(Clipboard().Text(), Q("b"));
  Key('X', true);
  EXPECT_EQ(Vod(), Q("<#><l><e>ac</e></l></#>"));
  EXPECT_EQ(Records(), 2);
  Key('V', true);
  EXPECT_EQ(Vod(), Q("<#><l><e>a</e>") + copied.mid(3, copied.size() - 7) + Q("<e>c</e></l></#>")) << "the record, not the text";
  SelectInRow(0, 0, 1);
  SelectCharacters(Node({0, 0}), 0, 1);
  editor.RunCommand(ID_FORMULA_CLEAR);
  EXPECT_FALSE(Vod().contains(Q("<e>a</e>")));
  EXPECT_EQ(ReadFormulaClipboardRecord(*Clipboard().Data(kFormulaClipboardFormat)), copied) << "Clear copies nothing";
}

TEST_F(ClipboardFormulas, PasteTakesTheRecordFirstThenLinesOfText) {
  const QString thirty = QStringLiteral("l\n").repeated(29) + QStringLiteral("l");
  struct Case {
    const char* name;
    std::optional<QByteArray> record;
    QString text;
    const char* after;
    int records, beeps;
  } cases[] = {
      {"a record", FormulaClipboardRecord(Q("<l><e>r</e></l>")), Q("t"), "<#><l><e>r</e></l></#>", 2, 0},
      {"an empty record, then text", QByteArray(2, '\0'), Q("t"), "<#><l><e>t</e></l></#>", 2, 0},
      {"a record without terminator", QByteArray("<\0l\0>\0", 6), Q("t"), "<#><l></l></#>", 1, 1},
      {"a record of odd length", QByteArray("<\0l\0>\0\0\0\0", 9), Q("t"), "<#><l></l></#>", 1, 1},
      {"a record over 8 MB", QByteArray((8 << 20) + 2, 'a'), Q("t"), "<#><l></l></#>", 1, 1},
      {"a record that does not parse", FormulaClipboardRecord(Q("</x>")), Q("t"), "<#><l></l></#>", 1, 1},
      {"lines with an empty one", std::nullopt, Q("a\r\n\r\nb"), "<#><l><e>a</e></l><l></l><l><e>b</e></l></#>", 2, 0},
      {"lines ending in \\n", std::nullopt, Q("a\nb"), "<#><l><e>a</e></l><l><e>b</e></l></#>", 2, 0},
      {"control characters", std::nullopt, Q("x\ty"), "<#><l><e>xy</e></l></#>", 2, 0},
      {"1023 characters", std::nullopt, QString(1023, u'z'), nullptr, 2, 0},
      {"1024 characters", std::nullopt, QString(1024, u'z'), "<#><l></l></#>", 1, 1},
      {"30 lines", std::nullopt, thirty, nullptr, 2, 1},
  };
  for (const Case& c : cases) {
    Load();
    auto* clipboard = new TwoFormatClipboard;
    SetClipboard(std::unique_ptr<IClipboard>(clipboard));
    if (c.record) clipboard->SetData(kFormulaClipboardFormat, *c.record);
    clipboard->text = c.text;
    const int beeps = host.beeps;
    EXPECT_TRUE(editor.QueryCommand(ID_EDIT_PASTE).m_bEnabled) << c.name;
    Key('V', true);
    if (c.after) { EXPECT_EQ(Vod(), Q(c.after)) << c.name; }
    EXPECT_EQ(Records(), c.records) << c.name;
    EXPECT_EQ(host.beeps - beeps, c.beeps) << c.name;
  }
  EXPECT_EQ(ChildAs<CBoxNode>(tree.m_pRoot, -1), nullptr);
  EXPECT_EQ(static_cast<CBoxNode*>(tree.m_pRoot)->ChildCount(), kMaxPastedLines) << "30 lines";
  SetClipboard(std::make_unique<MemoryClipboard>());
  EXPECT_FALSE(editor.QueryCommand(ID_EDIT_PASTE).m_bEnabled) << "an empty clipboard";
}

TEST_F(ClipboardFormulas, EachBuiltInFormulaIsOneLineInsertedAtTheCaret) {
  for (int i = 0; i < kBuiltInFormulaCount; ++i) {
    CBinTree reader;
    std::unique_ptr<CNode> parsed(reader.ParseVod(BuiltInFormula(i)));
    EXPECT_NE(dynamic_cast<CRowNode*>(parsed.get()), nullptr) << i;
    Load("<#><l><e>a</e></l></#>");
    editor.InsertBuiltInFormula(i);
    const QString line = Rewritten(QStringLiteral("<#>") + BuiltInFormula(i) + QStringLiteral("</#>")).mid(6);
    EXPECT_EQ(Vod(), QStringLiteral("<#><l><e>a</e>") + line) << i;
    EXPECT_EQ(Records(), 2) << i;
  }
  EXPECT_TRUE(BuiltInFormula(24).contains(QChar(0xF0DB)));
  const QString symbols = BuiltInFormula(27);
  EXPECT_EQ(std::count_if(symbols.begin(), symbols.end(), [](QChar c) { return c >= QChar(0xF020) && c <= QChar(0xF0FF); }), 15);
  Load("<#><l><e>a</e></l></#>");
  editor.InsertBuiltInFormula(-1);
  editor.InsertBuiltInFormula(kBuiltInFormulaCount);
  EXPECT_EQ(Records(), 1);
  Key('A', true);
  editor.InsertBuiltInFormula(27);
  EXPECT_EQ(Vod(), Rewritten(QStringLiteral("<#>") + BuiltInFormula(27) + QStringLiteral("</#>"))) << "replaces the selection";
}

}  // namespace
