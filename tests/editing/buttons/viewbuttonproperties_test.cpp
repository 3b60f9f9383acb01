// 属性 on a view button: its settings offered in its dialog, a changed
// label and run written back with the run restarted, Cancel changing nothing.
#include <type_traits>

#include "cells/dynamic/buttons/viewbuttons.h"
#include "editing/buttons/viewbuttonproperties.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
// Opens 属性 on the button with the dialog answered by `edit` applied to
// what it offered (or cancelled); returns what it offered.
template <class Data, class Button>
Data Reopen(CommandPage& p, Button* button, bool ok) {
  button->m_nTick = 3;
  Data answer = DialogOf(*button);
  answer.m_strLabel = QStringLiteral("转到正面");
  answer.m_fDuration = 2.5f;
  answer.m_nPlayCount = 1;
  if constexpr (std::is_same_v<Data, CDlgViewRotate>) answer.m_pairs[1] = {0.75f, 0.25f};
  if (ok)
    p.dialogs->Ok(answer);
  else
    p.dialogs->Cancel<Data>();
  p.Select({button->m_nId});
  EXPECT_TRUE(p.Run(ID_EDIT_PROPERTY));
  return p.dialogs->Offered<Data>().at(0);
}

TEST(ViewButtonProperties, EachButtonOffersItsFieldsAndTakesTheAnswer) {
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok);
    CommandPage p;
    auto* rotate = new CGButnRotate(p.Page().m_nNextId++, QStringLiteral("r"), 0.5f, 0.5f, 0.5f, 0.5f, 0, 0, 1, 45,
                                    1, 0, 4, 1.5f);
    auto* trans = new CGButnTranslate(p.Page().m_nNextId++, QStringLiteral("t"), 1, 2, 3, 4, 5, 6, 0, 1, 6, 0);
    auto* scale = new CGButnScale(p.Page().m_nNextId++, QStringLiteral("s"), 0.5f, 2, 0, 0, 3, 0);
    for (CGCell* c : std::initializer_list<CGCell*>{rotate, trans, scale}) p.Enter(c);

    const CDlgViewRotate r = Reopen<CDlgViewRotate>(p, rotate, ok);
    EXPECT_EQ(std::make_tuple(r.m_strLabel, r.m_pairs[0].start, r.m_pairs[0].other, r.m_pairs[3].other,
                              r.m_nDirection, r.m_nPlayCount, r.m_fDuration, r.m_fPause),
              std::make_tuple(QStringLiteral("r"), 0.5f, 45.0f, 1.0f, 1, 0, 4.0f, 1.5f));
    const CDlgViewTrans t = Reopen<CDlgViewTrans>(p, trans, ok);
    EXPECT_EQ(std::make_tuple(t.m_centres[1].start, t.m_centres[1].other, t.m_nPlayCount, t.m_fDuration),
              std::make_tuple(2.0f, 5.0f, 1, 6.0f));
    const CDlgViewScale s = Reopen<CDlgViewScale>(p, scale, ok);
    EXPECT_EQ(std::make_tuple(s.m_fStart, s.m_fTarget, s.m_strLabel), std::make_tuple(0.5f, 2.0f, QStringLiteral("s")));

    for (CGViewButton* b : std::initializer_list<CGViewButton*>{rotate, trans, scale}) {
      EXPECT_EQ(b->m_nTick, ok ? 0 : 3);
      EXPECT_EQ(b->m_fDuration == 2.5f, ok);
      EXPECT_EQ(b->m_strName == QStringLiteral("转到正面"), ok);
      EXPECT_EQ(b->m_bRepeat, ok || b == trans);
    }
    EXPECT_EQ(std::make_tuple(rotate->StartW(), rotate->AngleDegrees(), rotate->m_fAxis[2]),
              std::make_tuple(0.5f, 45.0f, 1.0f));
    EXPECT_EQ(std::make_tuple(rotate->m_fStart[0], rotate->m_fAxis[0]),
              ok ? std::make_tuple(0.75f, 0.25f) : std::make_tuple(0.5f, 0.0f));
    EXPECT_EQ(std::make_tuple(trans->m_fTarget[2], scale->m_fTarget), std::make_tuple(6.0f, 2.0f));
  }
}
}  // namespace
