// Dialogs as data.  A command that asks the user for values fills a plain
// object of the dialog's own data class (its members, preset to what the
// dialog should show), hands it to the provider and, only when the answer is
// IDOK, reads the members back.  Commands therefore never see a widget: the
// program's provider finds the widgets of a dialog by the data's class (they
// live in the ui layer), and headless runs and tests install providers that
// never block.
#pragma once
#include <memory>

class CDialogData {
 public:
  virtual ~CDialogData() = default;
  // A copy of the same class, and assignment of all members from an object
  // of the same class (others are ignored).
  virtual std::unique_ptr<CDialogData> Clone() const = 0;
  virtual void CopyFrom(const CDialogData& other) = 0;
};

// The base of a dialog's data class T: copying is T's own copy.
//   class CDlgValue : public CDialogDataOf<CDlgValue> { public: float m_fValue = 0; };
template <class T>
class CDialogDataOf : public CDialogData {
 public:
  std::unique_ptr<CDialogData> Clone() const override {
    return std::make_unique<T>(static_cast<const T&>(*this));
  }
  void CopyFrom(const CDialogData& other) override {
    if (const auto* from = dynamic_cast<const T*>(&other)) static_cast<T&>(*this) = *from;
  }
};

class IDialogProvider {
 public:
  virtual ~IDialogProvider() = default;
  // Shows the dialog of data's class, preset with its members.  IDOK: the
  // members hold what the user chose.  Any other answer (IDCANCEL): data is
  // exactly as it was.
  virtual int DoModal(CDialogData& data) = 0;
};

// The provider in force; without a window every dialog is cancelled.
IDialogProvider& DialogProvider();
std::unique_ptr<IDialogProvider> SetDialogProvider(std::unique_ptr<IDialogProvider> provider);
