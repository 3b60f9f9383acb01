// The iterate command's checks, the map dialog's rules, the built cell, and
// the iteration property row with its live dialog and depth binding.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "editing/dialogs/iterations/iteratedialog.h"
#include "editing/dialogs/iterations/iteratepropertydialog.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

namespace KAVREL_FILE_LOCAL {
QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A, B, the segment AB, its midpoint M, the segment AM, another point C, a
// free parameter t with a value calculated from it, and the distance AB.
struct Figure {
  explicit Figure(CommandPage& p) : p(p) {
    a = p.Point();
    b = p.Point(16, 8, 0);
    const WORD ab = p.Line(a, b);
    m = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ab));
    am = p.Line(a, m);
    c = p.Point(3, 3, 3);
    t = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("t"), 2));
    calc = p.Enter(new CGTmVarCalculator(p.Page().m_nNextId++, {t}, QStringLiteral("No1*2"), QString()));
    d = p.Enter(new CGTmVarDistancePP(p.Page().m_nNextId++, a, b));
  }
  bool AnyMarked() const {
    for (auto [id, cell] : p.Page().m_cells)
      if (cell->m_bMarked) return true;
    return false;
  }
  int ImageRow(WORD id, const CDlgIterate& dialog) const {
    for (size_t i = 0; i < dialog.m_images.size(); ++i)
      if (dialog.m_images[i].id == id) return static_cast<int>(i);
    return -1;
  }
  CommandPage& p;
  WORD a, b, m, am, c, t, calc, d;
};

TEST(IterateCommand, RefusalsNameTheirFaultAndLeaveNoMark) {
  struct Row {
    const char* selection;
    const char* caption;  // empty: the dialog opens
  } rows[] = {
      {"A M C", "与原象相冲突"}, {"d", "选择不合条件"}, {"C", "丢失初像"}, {"A B t", ""},
      {"A d", "选择不合条件"},  // A's descendants were marked before the refusal
  };
  for (const Row& row : rows) {
    CommandPage p;
    Figure f(p);
    std::vector<WORD> ids;
    for (const QString& name : U(row.selection).split(' '))
      ids.push_back(name == "d" ? f.d : name == "t" ? f.t : p.Named(name));
    p.Select(ids);
    p.dialogs->Cancel<CDlgIterate>();
    p.ExpectNothingMade([&] { ASSERT_TRUE(p.Run(ID_TRANS_ITERATE)); });
    EXPECT_FALSE(f.AnyMarked()) << row.selection;
    const bool opened = p.dialogs->Offered<CDlgIterate>().size() == 1;
    if (*row.caption) {
      ASSERT_EQ(p.seams.notifier->shown.size(), 1u) << row.selection;
      EXPECT_EQ(p.seams.notifier->shown[0].caption, U(row.caption));
      EXPECT_EQ(p.seams.notifier->shown[0].type & MB_ICONMASK, MB_ICONERROR);
      EXPECT_FALSE(opened);
    } else {
      EXPECT_TRUE(p.seams.notifier->shown.empty());
      EXPECT_TRUE(opened);
    }
  }
}

TEST(IterateDialog, PointsBeforeValuesAndKindsMapToTheirKind) {
  CommandPage p;
  Figure f(p);
  p.Select({f.t, f.a, f.b});
  CDlgIterate dialog;
  dialog.Initialise();
  EXPECT_FALSE(f.AnyMarked());
  ASSERT_EQ(dialog.m_sources.size(), 3u);
  EXPECT_EQ(dialog.m_sources[0].id, f.a);
  EXPECT_EQ(dialog.m_sources[1].id, f.b);
  EXPECT_EQ(dialog.m_sources[2].id, f.t);
  EXPECT_EQ(dialog.m_nSources, 3);
  EXPECT_EQ(dialog.m_nPointSources, 2);
  EXPECT_EQ(dialog.m_nDepth, 3);
  EXPECT_EQ(dialog.MapNames(), QStringList{U("映射#1")});

  ASSERT_FALSE(dialog.ChooseImage(f.ImageRow(f.calc, dialog)));  // a value for point A
  EXPECT_EQ(p.seams.notifier->shown.back().text, U("点不能映射到值！"));
  EXPECT_EQ(p.seams.notifier->shown.back().caption, U("映射错误"));
  EXPECT_EQ(p.seams.notifier->shown.back().type & MB_ICONMASK, MB_ICONWARNING);
  ASSERT_TRUE(dialog.ChooseImage(f.ImageRow(f.a, dialog)));
  ASSERT_TRUE(dialog.ChooseImage(f.ImageRow(f.m, dialog)));
  EXPECT_EQ(dialog.m_nSource, 2);
  EXPECT_FALSE(dialog.m_bOkEnabled);
  ASSERT_FALSE(dialog.ChooseImage(f.ImageRow(f.m, dialog)));  // a point for value t
  EXPECT_EQ(p.seams.notifier->shown.back().text, U("值不能映射到点！"));
  ASSERT_TRUE(dialog.ChooseImage(f.ImageRow(f.calc, dialog)));
  EXPECT_EQ(dialog.m_nSource, 0) << "after the last pre-image the first again";
  EXPECT_TRUE(dialog.m_bOkEnabled);
  EXPECT_EQ(dialog.Rules(), (QStringList{U("A=>A"), U("B=>M"), U("t=>") + p.Find(f.calc)->m_strName}));
}

TEST(IterateDialog, MapsAreAddedSwitchedAndDeletedOnlyWhenComplete) {
  CommandPage p;
  Figure f(p);
  p.Select({f.a, f.b});
  CDlgIterate dialog;
  dialog.Initialise();
  const auto lastText = [&] { return p.seams.notifier->shown.back().text; };
  ASSERT_FALSE(dialog.AddMap());
  EXPECT_EQ(lastText(), U("当前映射未完成，不能添加！"));
  EXPECT_EQ(p.seams.notifier->shown.back().caption, U("添加新映射"));
  ASSERT_TRUE(dialog.ChooseImage(f.ImageRow(f.a, dialog)));
  EXPECT_EQ(dialog.Rules(), (QStringList{U("A=>A"), U("B=> ")}));
  ASSERT_TRUE(dialog.ChooseImage(f.ImageRow(f.m, dialog)));
  EXPECT_EQ(dialog.Rules(), (QStringList{U("A=>A"), U("B=>M")}));
  ASSERT_FALSE(dialog.DeleteMap());
  EXPECT_EQ(lastText(), U("只有一个映射，不能删除！"));
  EXPECT_EQ(p.seams.notifier->shown.back().caption, U("删除映射"));

  ASSERT_TRUE(dialog.AddMap());
  EXPECT_EQ(dialog.MapNames(), (QStringList{U("映射#1"), U("映射#2")}));
  EXPECT_EQ(dialog.MapRow(), 1);
  EXPECT_FALSE(dialog.m_bOkEnabled);
  EXPECT_EQ(dialog.Rules(), (QStringList{U("A=>A=> "), U("B=>M=> ")}));
  ASSERT_FALSE(dialog.ChooseMap(0));
  EXPECT_EQ(lastText(), U("当前映射未完成，不能切换！"));
  EXPECT_EQ(p.seams.notifier->shown.back().caption, U("修改映射"));
  EXPECT_EQ(dialog.MapRow(), 1);

  ASSERT_TRUE(dialog.DeleteMap());
  EXPECT_EQ(dialog.MapNames(), QStringList{U("映射#1")});
  EXPECT_EQ(dialog.MapRow(), 0);
  EXPECT_TRUE(dialog.m_bOkEnabled);
  EXPECT_EQ(dialog.m_maps.size(), 2u);
}

TEST(IterateDialog, DepthArrowsStepWithinTheirOwnRange) {
  struct Row {
    const char* typed;
    int steps;
    const char* shown;
  } rows[] = {
      {"5", 1, "6"},   {" 7 ", -1, "6"}, {"1000", 1, "1000"}, {"5000", -1, "999"},
      {"0", -1, "0"},  {"-4", 1, "1"},   {"abc", 1, "4"},     {"", -1, "2"},
  };
  CDlgIterate dialog;  // the stored depth, 3, stands for a text that is no number
  for (const Row& row : rows) EXPECT_EQ(dialog.SteppedDepth(U(row.typed), row.steps), U(row.shown)) << row.typed;
}

// A -> A, B -> M at depth 4.
WORD BuildHalving(CommandPage& p, Figure& f) {
  p.Select({f.a, f.b});
  CDlgIterate answer;
  answer.Initialise();
  answer.ChooseImage(f.ImageRow(f.a, answer));
  answer.ChooseImage(f.ImageRow(f.m, answer));
  answer.m_nDepth = 4;
  p.dialogs->Ok(answer);
  const std::vector<WORD> made = p.ExpectConstruction(ID_TRANS_ITERATE, 1, U("添加迭代图"));
  return made.empty() ? 0 : made[0];
}

TEST(IterateCommand, OkBuildsOneIterationAsOneUndoStep) {
  CommandPage p;
  Figure f(p);
  const WORD id = BuildHalving(p, f);
  const auto* iterate = p.As<CGIterate>(id);
  ASSERT_NE(iterate, nullptr);
  EXPECT_EQ(iterate->m_nSources, 2);
  EXPECT_EQ(iterate->m_nPointSources, 2);
  EXPECT_EQ(iterate->m_nMappings, 1);
  EXPECT_EQ(iterate->m_nDepth, 4);
  EXPECT_EQ(iterate->m_idArrays, (std::vector<std::vector<WORD>>{{f.a, f.b}, {f.a, f.m}}));
  EXPECT_FALSE(f.AnyMarked());
  const QByteArray made = DocumentBytes(p.doc);
  ASSERT_TRUE(p.Page().m_undo.Undo());
  ASSERT_TRUE(p.Page().m_undo.Redo());
  EXPECT_EQ(DocumentBytes(p.doc), made) << "redone byte for byte, the hidden labels too";

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("halving.kv"));
  ASSERT_TRUE(p.doc.OnSaveDocument(path));
  const QByteArray saved = DocumentBytes(p.doc);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, false));
  EXPECT_EQ(DocumentBytes(reopened), saved);
}

// Runs the property command with the iteration (and `also`) selected; the
// dialog's provider plays `user` on the live data and answers `answer`.
class LiveProvider : public IDialogProvider {
 public:
  int DoModal(CDialogData& data) override {
    auto* dialog = dynamic_cast<CDlgPropertyIterate*>(&data);
    if (!dialog) return IDCANCEL;
    offered = *dialog;
    if (user) user(*dialog);
    return answer;
  }
  std::function<void(CDlgPropertyIterate&)> user;
  int answer = IDCANCEL;
  CDlgPropertyIterate offered;
};

LiveProvider* InstallLive() {
  auto provider = std::make_unique<LiveProvider>();
  LiveProvider* live = provider.get();
  SetDialogProvider(std::move(provider));
  return live;
}

TEST(IteratePropertyRow, LiveChangesStayAfterCancelAndOkWritesTheColour) {
  CommandPage p;
  Figure f(p);
  const WORD id = BuildHalving(p, f);
  auto* iterate = p.As<CGIterate>(id);
  iterate->m_bTableShown = 1;
  LiveProvider* live = InstallLive();
  live->user = [](CDlgPropertyIterate& dialog) {
    dialog.SetTableAcross(true);
    dialog.SetDepth(6);
    dialog.SetSolidLinesOnly(true);
    dialog.SetName(QStringLiteral("halving"));
  };
  p.Select({id});
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  EXPECT_EQ(live->offered.m_nDepth, 4);
  EXPECT_EQ(live->offered.m_rules, (QStringList{U("A=>A"), U("B=>M")}));
  EXPECT_EQ(iterate->m_nDepth, 6);
  EXPECT_EQ(iterate->m_bSolidLinesOnly, 1);
  EXPECT_EQ(iterate->m_bTableShown, 0) << "solid lines only clears the table";
  EXPECT_EQ(iterate->TableOrientation(), 0) << "and its across form";
  EXPECT_EQ(live->offered.m_bTableShown, 1);
  EXPECT_EQ(iterate->m_strName, QStringLiteral("halving"));
  EXPECT_TRUE(iterate->m_bNameFixed);
  EXPECT_EQ(iterate->m_nStyle, 0);

  live->user = [](CDlgPropertyIterate& dialog) { dialog.m_nColour = CDlgPropertyIterate::kColourLevels; };
  live->answer = IDOK;
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  EXPECT_EQ(iterate->m_nStyle, 1);
}

TEST(IteratePropertyDialog, DepthHintFollowsMapsAndCellsOfOneCopy) {
  struct Row {
    int maps;
    int cells;
    int depth;
    const char* hint;  // empty: none
  } rows[] = {
      {2, 10, 12, "建议输入1-10的整数，否则可能运行缓慢！"},
      {2, 10, 10, ""},
      {2, 10, 1001, ""},
      {1, 10, 12, ""},
      {1, 100, 400, "建议输入1-320的整数，否则可能运行缓慢！"},
      {2, 0, 12, ""},  // no cell in one copy: nothing to divide by
      {0, 10, 12, ""},  // no map
  };
  for (const Row& row : rows) {
    CommandPage p;
    Figure f(p);
    std::vector<std::vector<WORD>> arrays(static_cast<size_t>(row.maps) + 1, std::vector<WORD>{f.a, f.b});
    const WORD id = p.Enter(new CGIterate(p.Page().m_nNextId++, 2, 2, 3, arrays));
    auto* iterate = p.As<CGIterate>(id);
    iterate->m_chain.assign(static_cast<size_t>(row.cells), f.am);
    CDlgPropertyIterate dialog;
    dialog.m_nIterate = id;
    dialog.Initialise();
    dialog.SetDepth(row.depth);
    EXPECT_EQ(iterate->m_nDepth, row.depth);
    if (*row.hint) {
      ASSERT_EQ(p.seams.notifier->shown.size(), 1u) << row.maps << " " << row.cells;
      EXPECT_EQ(p.seams.notifier->shown[0].text, U(row.hint));
      EXPECT_EQ(p.seams.notifier->shown[0].caption, U("迭代深度"));
      EXPECT_EQ(p.seams.notifier->shown[0].type & MB_ICONMASK, MB_ICONINFORMATION);
    } else {
      EXPECT_TRUE(p.seams.notifier->shown.empty()) << row.maps << " " << row.cells << " " << row.depth;
    }
  }
}

TEST(IteratePropertyDialog, AStoredDepthBeyondWhatTheDialogShowsReadsZero) {
  CommandPage p;
  Figure f(p);
  CDlgPropertyIterate dialog;
  dialog.m_nIterate = BuildHalving(p, f);
  const std::pair<int, int> rows[] = {{0, 0}, {4, 4}, {20000, 20000}, {20001, 0}, {-1, 0}};
  for (const auto& [stored, shown] : rows) {
    dialog.Cell()->m_nDepth = stored;
    dialog.Initialise();
    EXPECT_EQ(dialog.m_nDepth, shown) << stored;
  }
}

TEST(IteratePropertyDialog, TicksMoveCellsBetweenTheShownLists) {
  CommandPage p;
  Figure f(p);
  const WORD distance = p.Enter(new CGTmVarDistancePP(p.Page().m_nNextId++, f.a, f.m));
  const WORD id = BuildHalving(p, f);
  auto* iterate = p.As<CGIterate>(id);
  CDlgPropertyIterate dialog;
  dialog.m_nIterate = id;
  dialog.Initialise();
  int row = -1, segment = -1;
  for (size_t i = 0; i < dialog.m_objects.size(); ++i) {
    if (dialog.m_objects[i].id == distance) row = static_cast<int>(i);
    if (dialog.m_objects[i].id == f.am) segment = static_cast<int>(i);
  }
  ASSERT_GE(row, 0);
  ASSERT_GE(segment, 0);
  const size_t tabled = iterate->m_table.size(), drawn = iterate->m_drawn.size();
  dialog.Tick(row, false);
  EXPECT_EQ(iterate->m_table.size(), tabled - 1);
  iterate->Recalculate();
  EXPECT_EQ(iterate->m_nTableCells, static_cast<int>(tabled) - 1);
  dialog.Tick(row, true);
  EXPECT_EQ(iterate->m_table.back(), distance);
  iterate->Recalculate();
  EXPECT_EQ(iterate->m_nTableCells, static_cast<int>(tabled)) << "the next table has the column again";
  dialog.Tick(segment, false);
  EXPECT_EQ(iterate->m_drawn.size(), drawn - 1);
  EXPECT_EQ(iterate->m_table.size(), tabled) << "a drawn cell is not a table cell";
}

TEST(IteratePropertyDialog, EveryLiveChangeRedrawsTheView) {
  CommandPage p;
  Figure f(p);
  CDlgPropertyIterate dialog;
  dialog.m_nIterate = BuildHalving(p, f);
  dialog.Initialise();
  const std::function<void()> changes[] = {
      [&] { dialog.Tick(0, false); },          [&] { dialog.SetDepth(5); },
      [&] { dialog.SetTableShown(true); },     [&] { dialog.SetTableAcross(true); },
      [&] { dialog.SetSolidLinesOnly(true); }, [&] { dialog.SetAllLevels(false); },
      [&] { dialog.SetName(U("n")); },
  };
  for (size_t i = 0; i < std::size(changes); ++i) {
    const long before = p.seams.bridge->viewUpdates;
    changes[i]();
    EXPECT_EQ(p.seams.bridge->viewUpdates, before + 1) << "change " << i;
  }
}

TEST(IteratePropertyDialog, TheTableAndSolidLinesExcludeEachOtherAndTheAcrossFormNeedsTheTable) {
  CommandPage p;
  Figure f(p);
  CDlgPropertyIterate dialog;
  dialog.m_nIterate = BuildHalving(p, f);
  dialog.Initialise();
  const CGIterate& cell = *dialog.Cell();
  // After each step: the dialog's table, across and solid-lines boxes, and
  // the cell's.
  struct Row {
    std::function<void()> step;
    int table, across, solid;
  } rows[] = {
      {[&] { dialog.SetTableShown(true); }, 1, 0, 0},     {[&] { dialog.SetTableAcross(true); }, 1, 1, 0},
      {[&] { dialog.SetTableShown(false); }, 0, 0, 0},    {[&] { dialog.SetTableAcross(true); }, 0, 0, 0},
      {[&] { dialog.SetSolidLinesOnly(true); }, 0, 0, 1}, {[&] { dialog.SetTableShown(true); }, 1, 0, 0},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    rows[i].step();
    EXPECT_EQ(std::vector<int>({dialog.m_bTableShown, dialog.m_bTableAcross, dialog.m_bSolidLinesOnly}),
              std::vector<int>({rows[i].table, rows[i].across, rows[i].solid}))
        << "step " << i;
    EXPECT_EQ(std::vector<int>({cell.m_bTableShown, cell.TableOrientation(), cell.m_bSolidLinesOnly}),
              std::vector<int>({rows[i].table, rows[i].across, rows[i].solid}))
        << "step " << i;
  }
}

TEST(IteratePropertyRow, ABoundParameterDrivesTheDepth) {
  struct Row {
    const char* what;
    float value;
    bool before;  // made before the iteration
    const char* message;
    bool bound;
  } rows[] = {
      {"late parameter", 3.7f, false, "未能添加含参数的迭代\n选中的参数必须先于迭代之前创建（父不能小于子）！", false},
      {"parameter", 3.7f, true, "选中的参数将作为迭代深度，建议控制在1-%d，否则可能运行缓慢！", true},
      {"large", 5000.0f, true, "参数的当前值较大，建议深度为1-%d，请控制参数值范围！", true},
      {"negative", -2.0f, true, "参数的当前值为负，建议深度为1-%d，请控制参数值范围", true},
      {"distance", 0, true, "选中的参数将作为迭代深度，建议控制在1-%d，否则可能运行缓慢！", true},
  };
  for (const Row& row : rows) {
    CommandPage p;
    Figure f(p);
    const bool distance = std::string(row.what) == "distance";
    WORD value = 0;
    if (distance) {
      const WORD e = p.Point(1, 0, 0);
      value = p.Enter(new CGTmVarDistancePP(p.Page().m_nNextId++, f.c, e));
    }
    if (!distance && row.before) value = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("n"), row.value));
    const WORD id = BuildHalving(p, f);
    if (!distance && !row.before) value = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("n"), row.value));
    auto* iterate = p.As<CGIterate>(id);
    const auto parents = iterate->m_parents;
    p.seams.notifier->shown.clear();
    LiveProvider* live = InstallLive();
    p.Select({id, value});
    ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY)) << row.what;
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u) << row.what;
    EXPECT_EQ(p.seams.notifier->shown[0].text,
              U(row.message).replace(QStringLiteral("%d"), QString::number(iterate->MaxDepth())))
        << row.what;
    EXPECT_EQ(live->offered.m_nIterate, id) << "the dialog opens in every case";
    EXPECT_EQ(iterate->DepthFromValue(), row.bound) << row.what;
    if (!row.bound) {
      EXPECT_EQ(iterate->m_parents, parents);
      continue;
    }
    EXPECT_EQ(iterate->m_parents.back(), value);
    const auto& children = p.Find(value)->m_children;
    EXPECT_EQ(children.back(), id);
    EXPECT_TRUE(live->offered.m_bDepthFromParameter);
    const int depth = std::string(row.what) == "parameter" ? 3 : std::string(row.what) == "negative" ? 0 : -1;
    if (depth >= 0) {
      EXPECT_EQ(iterate->m_nDepth, depth) << row.what;
    }
  }
}
}  // namespace
