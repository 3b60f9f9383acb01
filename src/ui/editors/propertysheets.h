// The light and material sheets.  CLightEditor ("灯光属性") edits light 0 of
// the view (the light of the display preferences) and sets it at once;
// CMatEditor ("材质属性") edits the current material and hands it to the
// view for the selected ready-made body.  Both apply on Apply and on OK;
// Cancel keeps what was applied last.  A value a page refuses keeps the
// sheet open on that page.
#pragma once
#include <QDialog>
#include <vector>

class CEditPos;
class CEditor;
class CKavrelView;
class CPropertyPage;
class CShineEdit;
class QPushButton;
class QTabWidget;

class CPropertySheet : public QDialog {
 public:
  CPropertySheet(const QString& title, QWidget* parent);

  QTabWidget* Tabs() const { return m_pTabs; }
  QPushButton* ApplyButton() const { return m_pApply; }
  // Every page takes what was typed, then the sheet applies once; false
  // when a page refused what was typed (it is shown, and nothing applied).
  bool Apply();
  void accept() override;

 protected:
  void AddPage(CPropertyPage* page, const char* title);
  virtual void OnApply() = 0;

 private:
  QTabWidget* m_pTabs;
  QPushButton* m_pApply;
  std::vector<CPropertyPage*> m_pages;
};

class CLightEditor final : public CPropertySheet {
 public:
  // The view repaints with the new light; without one, light 0 of the
  // context current at Apply takes it.
  explicit CLightEditor(CKavrelView* view, QWidget* parent = nullptr);

  CEditor* AmbientPage() const { return m_pAmbient; }
  CEditor* DiffusePage() const { return m_pDiffuse; }
  CEditor* SpecularPage() const { return m_pSpecular; }
  CEditPos* PositionPage() const { return m_pPosition; }

  // The pages' values become the light of the display preferences and of
  // GL light 0 (ambient, diffuse, specular, position); one repaint.
  void OnApplyLight();

 protected:
  void OnApply() override { OnApplyLight(); }

 private:
  CKavrelView* m_pView;
  CEditor* m_pAmbient;
  CEditor* m_pDiffuse;
  CEditor* m_pSpecular;
  CEditPos* m_pPosition;
};

class CMatEditor final : public CPropertySheet {
 public:
  explicit CMatEditor(QWidget* parent = nullptr);

  CEditor* ColourPage(int i) const { return m_colours[i]; }
  CShineEdit* ShininessPage() const { return m_pShininess; }

  // The pages' values become the current material, and the view is asked
  // (0x805) to give it to the selected ready-made body.
  void OnApplyMaterial();

 protected:
  void OnApply() override { OnApplyMaterial(); }

 private:
  CEditor* m_colours[3];
  CShineEdit* m_pShininess;
};
