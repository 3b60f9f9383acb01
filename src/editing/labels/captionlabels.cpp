#include "editing/labels/captionlabels.h"

#include "cells/texts/cgtextmap.h"
#include "editing/properties/propertyedits.h"
#include "formula/vodmarkup.h"
#include "model/cgpage.h"
#include "platform/notifier.h"

namespace {
// The caption's style byte in formula form; any other value is text form.
constexpr BYTE kFormulaStyle = 1;
}  // namespace

QString CaptionMarkupOfName(const QString& name) {
  return QStringLiteral("<#><l>") + TextRunMarkup(QStringLiteral(">"), name) + QStringLiteral("</l></#>");
}

CDlgLabelVod CaptionLabelOf(CGTextmap& caption) {
  if (caption.m_strVodName.isEmpty()) caption.m_strVodName = CaptionMarkupOfName(caption.m_strName);
  CDlgLabelVod data;
  data.m_strLabel = caption.m_strName;
  data.m_strVod = caption.m_strVodName;
  data.m_nKind = caption.m_bNameFixed ? CDlgLabelVod::CUSTOM : CDlgLabelVod::AUTOMATIC;
  data.m_nFormat = caption.m_nStyle == kFormulaStyle ? CDlgLabelVod::FORMULA : CDlgLabelVod::TEXT;
  return data;
}

void ApplyCaptionLabel(CGPage& page, CGTextmap& caption, const CDlgLabelVod& answer) {
  const bool formula = answer.m_nFormat == CDlgLabelVod::FORMULA;
  caption.m_nStyle = formula ? kFormulaStyle : 0;
  caption.m_bNameFixed = answer.m_nKind == CDlgLabelVod::CUSTOM;
  if (caption.m_bNameFixed && formula) {
    caption.m_strName = answer.m_strLabel;
    caption.m_strVodName = answer.m_strVod;
  } else if (caption.m_bNameFixed && answer.m_strLabel != caption.m_strName) {
    caption.m_strName = answer.m_strLabel;
    caption.m_strVodName = CaptionMarkupOfName(caption.m_strName);
  }
  // Named again now, with the cells named after it; the edit's end
  // computes them.
  caption.UpdateLabel();
  caption.m_bLabelStale = true;
  page.UpdateLabels(CollectDescendants(page, caption));
}

void EditCaptionLabel(CGPage& page, CGTextmap& caption) {
  CDlgLabelVod data = CaptionLabelOf(caption);
  if (DialogProvider().DoModal(data) == IDOK) ApplyCaptionLabel(page, caption, data);
}
