#include "ui/toolsetmenu.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include "model/document/usertool.h"
#include "model/globals.h"
#include "ui/uitexts.h"

namespace {
constexpr int kFirstSetImage = 69;
constexpr int kLastSetImage = 74;

QIcon SetIcon(int image) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor color = QColor::fromHsv((image - kFirstSetImage) * 55 % 360, 150, 190);
  p.setPen(color.darker(140));
  p.setBrush(color);
  p.drawRoundedRect(QRectF(1.5, 3.5, 13, 10), 2, 2);
  p.drawRect(QRectF(5.5, 1.5, 5, 2));
  return QIcon(pixmap);
}
}  // namespace

int ToolSetImage(int counter) { return counter <= kLastSetImage - kFirstSetImage ? kFirstSetImage + counter : kLastSetImage; }

void AddToolSets(QMenu& menu, const std::vector<CToolSet>& sets, const UserToolRunner& runner) {
  int counter = 0;
  for (const CToolSet& set : sets) {
    if (set.count <= 0) continue;
    if (counter == 0) menu.addSection(QString::fromUtf8(kTextToolFolder));
    QMenu* sub = menu.addMenu(SetIcon(ToolSetImage(counter)), set.title);
    sub->setToolTip(set.title);
    sub->menuAction()->setToolTip(set.title);
    sub->menuAction()->setStatusTip(QString::fromUtf8(kTextToolSetPrefix) + set.title);
    sub->setToolTipsVisible(true);
    ++counter;
    for (int i = set.first; i < set.first + set.count && i < static_cast<int>(g_globalTools.size()); ++i) {
      const CRecord* record = g_globalTools[i];
      if (!record) continue;
      QAction* tool = sub->addAction(record->m_strName);
      tool->setToolTip(record->m_strName);
      tool->setStatusTip(record->m_strComment);
      tool->setEnabled(static_cast<bool>(runner));
      QObject::connect(tool, &QAction::triggered, tool, [runner, i] {
        if (runner) runner(i);
      });
    }
  }
}
