#include "ui/formula/formatbar.h"

#include "ui/formula/fontcombobox.h"
#include "ui/formula/sizecombobox.h"
#include "ui/formula/vodfmlcombobox.h"

namespace {
constexpr int kFaceBoxWidth = 96;
constexpr int kSizeBoxWidth = 52;
constexpr int kFormulaBoxWidth = 72;
}  // namespace

CFormatToolBar::CFormatToolBar(const QString& title, QWidget* parent) : QToolBar(title, parent) {
  setMovable(false);
  setFloatable(false);
}

void CFormatToolBar::MakeBoxes(bool formulaMode) {
  m_pFaceBox = new CFontComboBox(this);
  m_pFaceBox->setFixedWidth(kFaceBoxWidth);
  m_pFaceBox->FillFontList();
  connect(m_pFaceBox, &CFontComboBox::faceChosen, this, &CFormatToolBar::faceChosen);
  m_pSizeBox = new CSizeComboBox(this);
  m_pSizeBox->setFixedWidth(kSizeBoxWidth);
  connect(m_pSizeBox, &CSizeComboBox::sizeChosen, this, [this](int twips) {
    m_nLastSize = twips;
    emit sizeChosen(twips);
  });
  connect(m_pSizeBox, &CSizeComboBox::enterPressed, this, &CFormatToolBar::sizeEntered);
  if (!formulaMode) return;
  m_pFormulaBox = new CVodFmlComboBox(this);
  m_pFormulaBox->setFixedWidth(kFormulaBoxWidth);
  connect(m_pFormulaBox, &CVodFmlComboBox::formulaChosen, this, &CFormatToolBar::builtInFormulaChosen);
}

void CFormatToolBar::Build(const std::vector<unsigned>& layout, bool formulaMode,
                           const std::function<QAction*(unsigned)>& action) {
  MakeBoxes(formulaMode);
  for (const unsigned id : layout) {
    if (id == 0) {
      addSeparator();
    } else if (id == kFaceBoxId) {
      addWidget(m_pFaceBox);
    } else if (id == kSizeBoxId) {
      addWidget(m_pSizeBox);
    } else if (id == kFormulaBoxId) {
      if (m_pFormulaBox) addWidget(m_pFormulaBox);
    } else if (QAction* a = action ? action(id) : nullptr) {
      addAction(a);
    }
  }
}

void CFormatToolBar::ShowFace(const QString& face) { m_pFaceBox->ShowFace(face); }
void CFormatToolBar::ShowSize(int twips) { m_pSizeBox->ShowSize(twips); }
