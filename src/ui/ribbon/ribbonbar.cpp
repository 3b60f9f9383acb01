#include "ui/ribbon/ribbonbar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Colours come from the palette, so the looks restyle the ribbon too.
const char* kRibbonStyle = R"(
CRibbonBar { background: palette(window); }
QStackedWidget#ribbonBody {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 palette(base), stop:1 palette(window));
  border-top: 1px solid palette(mid);
  border-bottom: 1px solid palette(mid);
}
CRibbonPanel { border: none; border-right: 1px solid palette(midlight); background: transparent; }
QLabel#ribbonPanelTitle { color: palette(dark); padding: 0px 4px 1px 4px; }
QToolButton#ribbonAppButton {
  color: white; font-weight: bold; padding: 3px 14px; border: none;
  border-top-left-radius: 3px; border-top-right-radius: 3px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3d7fd1, stop:1 #1f5fae);
}
QToolButton#ribbonAppButton:hover { background: #4a8de0; }
QToolButton#ribbonAppButton::menu-indicator { image: none; width: 0px; }
QTabBar#ribbonTabs::tab { padding: 4px 14px; margin-right: 1px; border: 1px solid transparent; border-bottom: none; }
QTabBar#ribbonTabs::tab:selected {
  background: palette(base); border-color: palette(mid);
  border-top-left-radius: 3px; border-top-right-radius: 3px;
}
QTabBar#ribbonTabs::tab:hover:!selected { background: palette(midlight); }
)";
}  // namespace

// A category's panels side by side; those that do not fit fold, the
// rightmost first.
class CRibbonCategoryPage : public QWidget {
 public:
  explicit CRibbonCategoryPage(QWidget* parent) : QWidget(parent) {
    m_pRow = new QHBoxLayout(this);
    m_pRow->setContentsMargins(2, 2, 2, 2);
    m_pRow->setSpacing(2);
    m_pRow->addStretch(1);
  }
  CRibbonPanel* AddPanel(const QString& title) {
    auto* panel = new CRibbonPanel(title, this);
    m_pRow->insertWidget(m_pRow->count() - 1, panel);  // before the closing stretch
    m_panels.push_back(panel);
    return panel;
  }
  void Fit() {
    const QMargins margins = m_pRow->contentsMargins();
    int needed = margins.left() + margins.right();
    for (CRibbonPanel* panel : m_panels) needed += panel->SpreadWidth() + m_pRow->spacing();
    for (auto it = m_panels.rbegin(); it != m_panels.rend(); ++it) {
      CRibbonPanel* panel = *it;
      const bool fold = needed > width() && panel->CanFold();
      if (fold) needed -= panel->SpreadWidth() - panel->FoldedWidth();
      panel->SetFolded(fold);
    }
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    Fit();
  }

 private:
  QHBoxLayout* m_pRow;
  std::vector<CRibbonPanel*> m_panels;
};

CRibbonBar::CRibbonBar(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("ribbonBar"));
  setStyleSheet(QString::fromLatin1(kRibbonStyle));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 2, 0, 0);
  layout->setSpacing(0);

  auto* top = new QHBoxLayout;
  top->setContentsMargins(2, 0, 4, 0);
  top->setSpacing(6);
  m_pAppButton = new QToolButton(this);
  m_pAppButton->setObjectName(QStringLiteral("ribbonAppButton"));
  m_pAppMenu = new QMenu(m_pAppButton);
  m_pAppButton->setMenu(m_pAppMenu);
  m_pAppButton->setPopupMode(QToolButton::InstantPopup);
  top->addWidget(m_pAppButton, 0, Qt::AlignBottom);
  m_pTabs = new QTabBar(this);
  m_pTabs->setObjectName(QStringLiteral("ribbonTabs"));
  m_pTabs->setDrawBase(false);
  m_pTabs->setExpanding(false);
  m_pTabs->setUsesScrollButtons(false);
  m_pTabs->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  top->addWidget(m_pTabs, 1, Qt::AlignBottom);
  m_pCorner = new QHBoxLayout;
  m_pCorner->setSpacing(2);
  top->addLayout(m_pCorner);
  layout->addLayout(top);

  m_pBody = new QStackedWidget(this);
  m_pBody->setObjectName(QStringLiteral("ribbonBody"));
  layout->addWidget(m_pBody);
  connect(m_pTabs, &QTabBar::currentChanged, this, [this](int index) {
    m_pBody->setCurrentIndex(index);
    if (index >= 0 && index < static_cast<int>(m_pages.size())) m_pages[index]->Fit();
  });
  connect(m_pTabs, &QTabBar::tabBarDoubleClicked, this, [this] { SetMinimized(!m_bMinimized); });
  connect(m_pTabs, &QTabBar::tabBarClicked, this, [this](int) {
    if (m_bMinimized) SetMinimized(false);
  });
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CRibbonBar::AddCornerWidget(QWidget* widget) { m_pCorner->addWidget(widget); }

int CRibbonBar::AddCategory(const QString& name) {
  auto* page = new CRibbonCategoryPage(m_pBody);
  m_pBody->addWidget(page);
  m_pages.push_back(page);
  m_pTabs->addTab(name);
  m_panels.emplace_back();
  return CategoryCount() - 1;
}

QString CRibbonBar::CategoryName(int category) const { return m_pTabs->tabText(category); }

CRibbonPanel* CRibbonBar::AddPanel(int category, const QString& title) {
  CRibbonPanel* panel = m_pages[category]->AddPanel(title);
  m_panels[category].push_back(panel);
  return panel;
}

int CRibbonBar::PanelCount(int category) const {
  return category >= 0 && category < CategoryCount() ? static_cast<int>(m_panels[category].size()) : 0;
}

CRibbonPanel* CRibbonBar::Panel(int category, int index) const {
  if (index < 0 || index >= PanelCount(category)) return nullptr;
  return m_panels[category][index];
}

QToolButton* CRibbonBar::FindButton(unsigned id) const {
  for (const auto& panels : m_panels)
    for (CRibbonPanel* panel : panels)
      for (QToolButton* button : panel->Buttons())
        if (button->property("commandId").toUInt() == id) return button;
  return nullptr;
}

int CRibbonBar::CurrentCategory() const { return m_pTabs->currentIndex(); }
void CRibbonBar::SetCurrentCategory(int category) { m_pTabs->setCurrentIndex(category); }

void CRibbonBar::SetMinimized(bool minimized) {
  if (minimized == m_bMinimized) return;
  m_bMinimized = minimized;
  m_pBody->setVisible(!minimized);
  emit minimizedChanged(minimized);
}
