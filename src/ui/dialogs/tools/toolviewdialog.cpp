#include "ui/dialogs/tools/toolviewdialog.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTreeWidget>
#include <QWidget>

#include "editing/dialogs/tools/toolscript.h"
#include "editing/dialogs/tools/toolscriptview.h"
#include "editing/tools/toolusetexts.h"
#include "model/globals.h"

namespace {
// One icon of the strip of 18: a square in a hue of its own.
QIcon StripIcon(int index) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setBrush(QColor::fromHsv(index * 20 % 360, 160, 200));
  p.setPen(Qt::darkGray);
  p.drawRect(2, 2, 11, 11);
  return QIcon(pixmap);
}

QTreeWidgetItem* ItemOf(const CToolScriptItem& item) {
  auto* node = new QTreeWidgetItem(QStringList{item.text});
  node->setIcon(0, StripIcon(item.icon));
  return node;
}

QWidget* MainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->inherits("QMainWindow")) return widget;
  return nullptr;
}

CDlgToolView*& TheView() {
  static CDlgToolView* view = nullptr;
  return view;
}

const struct InstallShower {
  InstallShower() {
    SetToolScriptShower([](bool open) {
      CDlgToolView*& view = TheView();
      if (!view && open) {
        view = new CDlgToolView(MainWindow());
        QObject::connect(view, &QObject::destroyed, [] { TheView() = nullptr; });
      }
      if (!view) return;
      view->Fill(g_pCurrentTool);
      if (!g_pCurrentTool) view->hide();  // its tool left the menu
      if (open && g_pCurrentTool) {
        view->show();
        view->raise();
      }
    });
  }
} installShower;
}  // namespace

CDlgToolView::CDlgToolView(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("toolScriptView"));
  setWindowTitle(QString::fromUtf8(kTextScriptViewCaption));
  setModal(false);
  m_pComment = new QPlainTextEdit(this);
  m_pComment->setObjectName(QStringLiteral("toolComment"));
  m_pComment->setReadOnly(true);
  m_pInputs = new QListWidget(this);
  m_pInputs->setObjectName(QStringLiteral("toolInputs"));
  m_pInputs->setToolTip(QString::fromUtf8(kTextScriptInputs));
  m_pSteps = new QTreeWidget(this);
  m_pSteps->setObjectName(QStringLiteral("toolSteps"));
  m_pSteps->setHeaderHidden(true);
  m_pSteps->setToolTip(QString::fromUtf8(kTextScriptSteps));
  resize(360, 480);
}

void CDlgToolView::Fill(const CRecord* tool) {
  m_pInputs->clear();
  m_pSteps->clear();
  m_pComment->clear();
  if (!tool) return;
  const CToolScript script = MakeToolScript(*tool);
  setWindowTitle(script.title);
  m_pComment->setPlainText(script.comment);
  m_pInputs->addItems(script.inputs);
  auto* root = new QTreeWidgetItem(QStringList{script.root});
  for (const CToolScriptItem& cell : script.cells) {
    QTreeWidgetItem* node = ItemOf(cell);
    for (const CToolScriptItem& parent : cell.parents) node->addChild(ItemOf(parent));
    root->addChild(node);
  }
  m_pSteps->addTopLevelItem(root);
  root->setExpanded(true);
}

void CDlgToolView::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  CScriptViewLayout layout;
  if (!LayOutScriptView(event->size().width(), event->size().height(), layout)) return;
  m_pComment->setGeometry(layout.comment[0], layout.comment[1], layout.comment[2], layout.comment[3]);
  m_pInputs->setGeometry(layout.inputs[0], layout.inputs[1], layout.inputs[2], layout.inputs[3]);
  m_pSteps->setGeometry(layout.tree[0], layout.tree[1], layout.tree[2], layout.tree[3]);
}
