// The presentation import dialog as data (platform/dialogprovider.h).
#pragma once
#include <QString>

#include "editing/presentation/presentationtexts.h"
#include "platform/dialogprovider.h"
#include "platform/types.h"

class CDlgPPT : public CDialogDataOf<CDlgPPT> {
 public:
  static constexpr int kMaxSlide = 100;
  int m_nFrom = 1;  // slide numbers, 1 to 100
  int m_nTo = 1;
  BOOL m_bConvert = 1;  // texts as editable rich texts
  QString m_strHelp = QString::fromUtf8(kTextPptHelp);
  QString m_strSource = QString::fromUtf8(kTextPptSourceDefault);
};
