#include "ui/editors/propertysheets.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/uibridge.h"
#include "render/currentmaterial.h"
#include "render/viewglobals.h"
#include "render/viewlight.h"
#include "ui/editors/editorpages.h"
#include "ui/editors/editortexts.h"
#include "view/kavrelview.h"

CPropertySheet::CPropertySheet(const QString& title, QWidget* parent)
    : QDialog(parent), m_pTabs(new QTabWidget(this)) {
  setWindowTitle(title);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
  m_pApply = buttons->button(QDialogButtonBox::Apply);
  m_pApply->setEnabled(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_pApply, &QPushButton::clicked, this, [this] { Apply(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pTabs, 1);
  layout->addWidget(buttons);
}

void CPropertySheet::AddPage(CPropertyPage* page, const char* title) {
  m_pTabs->addTab(page, QString::fromUtf8(title));
  m_pages.push_back(page);
  connect(page, &CPropertyPage::modified, m_pApply, [this] { m_pApply->setEnabled(true); });
}

bool CPropertySheet::Apply() {
  for (CPropertyPage* page : m_pages) {
    if (page->TakeTypedValues()) continue;
    m_pTabs->setCurrentWidget(page);
    page->ShowRefusal();
    return false;
  }
  OnApply();
  m_pApply->setEnabled(false);
  return true;
}

void CPropertySheet::accept() {
  if (Apply()) QDialog::accept();
}

CLightEditor::CLightEditor(CKavrelView* view, QWidget* parent)
    : CPropertySheet(QString::fromUtf8(kTextLightSheet), parent),
      m_pView(view),
      m_pAmbient(new CEditor(this)),
      m_pDiffuse(new CEditor(this)),
      m_pSpecular(new CEditor(this)),
      m_pPosition(new CEditPos(this)) {
  AddPage(m_pAmbient, kTextAmbientPage);
  AddPage(m_pDiffuse, kTextDiffusePage);
  AddPage(m_pSpecular, kTextSpecularPage);
  AddPage(m_pPosition, kTextPositionPage);
  m_pAmbient->SetValues(g_prefs.lightAmbient);
  m_pDiffuse->SetValues(g_prefs.lightDiffuse);
  m_pSpecular->SetValues(g_prefs.lightSpecular);
  m_pPosition->SetValues(g_prefs.lightPosition);
}

void CLightEditor::OnApplyLight() {
  g_prefs.lightAmbient = m_pAmbient->Values();
  g_prefs.lightDiffuse = m_pDiffuse->Values();
  g_prefs.lightSpecular = m_pSpecular->Values();
  g_prefs.lightPosition = m_pPosition->Values();
  if (m_pView)
    m_pView->ApplyLight();
  else
    ApplyLight0(g_prefs);
}

CMatEditor::CMatEditor(QWidget* parent)
    : CPropertySheet(QString::fromUtf8(kTextMaterialSheet), parent),
      m_colours{new CEditor(this), new CEditor(this), new CEditor(this)},
      m_pShininess(new CShineEdit(this)) {
  AddPage(m_colours[0], kTextAmbientPage);
  AddPage(m_colours[1], kTextDiffusePage);
  AddPage(m_colours[2], kTextSpecularPage);
  AddPage(m_pShininess, kTextShininessPage);
  m_colours[0]->SetValues(g_curMaterial.ambient);
  m_colours[1]->SetValues(g_curMaterial.diffuse);
  m_colours[2]->SetValues(g_curMaterial.specular);
  m_pShininess->SetShininess(static_cast<int>(g_curMaterial.shininess));
}

void CMatEditor::OnApplyMaterial() {
  g_curMaterial.ambient = m_colours[0]->Values();
  g_curMaterial.diffuse = m_colours[1]->Values();
  g_curMaterial.specular = m_colours[2]->Values();
  g_curMaterial.shininess = static_cast<float>(m_pShininess->Shininess());
  UiBridge().Post(UiTarget::View, WM_APPLY_MATERIAL, 0, 0);
}
