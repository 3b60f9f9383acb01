// The pages of the light and material sheets: three colour channels
// (CEditor), the three coordinates of the light's position (CEditPos), and
// the material's shininess (CShineEdit).  Each value has a control and an
// edit box; what is typed into a box is taken when the box is left and on
// Apply, and input out of range is refused (the box shows the value again).
#pragma once
#include <QWidget>
#include <array>

class QLineEdit;
class QSlider;
class QToolButton;

class CPropertyPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
  // Takes what was typed into the edit boxes; false when a box holds what
  // the page refuses, which then stays for the user to mend.
  virtual bool TakeTypedValues() = 0;
  // Says why the page refused and puts the focus on the box.
  virtual void ShowRefusal() {}

 signals:
  // The user changed something: Apply becomes available.
  void modified();
};

// Three sliders over the first three of four floats; the fourth (alpha, or
// w of the position) is carried through unchanged.
class CSliderPage : public CPropertyPage {
 public:
  // value = (position - offset) / scale; position = trunc(value * scale + offset).
  struct Scale {
    int maximum;  // the sliders run from 0
    int tick;
    float scale;
    float offset;
    const char* startFormat;  // the format of the first showing
  };

  CSliderPage(const Scale& scale, const char* const labels[3], QWidget* parent);

  void SetValues(const std::array<float, 4>& values);
  const std::array<float, 4>& Values() const { return m_fValue; }
  QSlider* Slider(int i) const { return m_sliders[i]; }
  QLineEdit* Edit(int i) const { return m_edits[i]; }

  bool TakeTypedValues() override;

 private:
  void OnScroll(int i, int position);
  void TakeTyped(int i);
  int Position(float value) const;
  void ShowValue(int i, const char* format);

  Scale m_scale;
  std::array<float, 4> m_fValue{};
  std::array<QSlider*, 3> m_sliders{};
  std::array<QLineEdit*, 3> m_edits{};
  // Boxes typed into since they last showed a value: only their text is
  // taken, so that leaving a box never rounds a slider's value to its text.
  std::array<bool, 3> m_typed{};
};

// A colour: red, green, blue from 0 to 1 on sliders of 0 to 1000.
class CEditor final : public CSliderPage {
 public:
  explicit CEditor(QWidget* parent = nullptr);
};

// The light's position: x, y, z from -1000 to 1000 on sliders of 0 to 2000.
class CEditPos final : public CSliderPage {
 public:
  explicit CEditPos(QWidget* parent = nullptr);
};

// The shininess, a whole number from 0 to 128, with up and down buttons.
class CShineEdit final : public CPropertyPage {
 public:
  explicit CShineEdit(QWidget* parent = nullptr);

  void SetShininess(int shininess);
  int Shininess() const { return m_nShininess; }
  QLineEdit* Edit() const { return m_pEdit; }
  QToolButton* StepButton(bool up) const { return up ? m_pUp : m_pDown; }

  bool TakeTypedValues() override;
  void ShowRefusal() override;

 private:
  void Step(int delta);

  int m_nShininess = 0;
  QLineEdit* m_pEdit;
  QToolButton* m_pUp;
  QToolButton* m_pDown;
};
