#include "editing/properties/propertyedits.h"

#include <cstring>
#include <string>

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "platform/numberformat.h"
#include "platform/uibridge.h"

void TakeTypedName(CGCell& cell, const QString& name) {
  if (name == cell.m_strName) return;
  cell.m_strName = name;
  cell.m_bNameFixed = true;
  cell.m_bLabelStale = true;
}

const std::vector<WORD>& CollectDescendants(CGPage& page, CGCell& cell) {
  cell.MarkDescendants();
  page.CollectDirtyIds(page.m_dirtyIds);
  return page.m_dirtyIds;
}

void PostItemTexts(const CGPage& page) { UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, 0, page.m_nId); }

QString FillConversions(const char* format, std::initializer_list<CFormatValue> values) {
  QString out;
  const CFormatValue* next = values.begin();
  const char* literal = format;  // the start of the text not yet copied
  const char* p = format;
  while (*p) {
    if (*p != '%') {
      ++p;
      continue;
    }
    // Flags, width and precision up to the conversion letter.
    const char* end = p + 1;
    while (*end && std::strchr("-+ #0123456789.", *end)) ++end;
    if (!*end) break;  // a lone "%" at the end stays as it is
    out += QString::fromUtf8(literal, static_cast<int>(p - literal));
    if (*end == '%') {
      out += QLatin1Char('%');
    } else if (next != values.end()) {
      const std::string conversion(p, end + 1);
      out += next->isText ? next->text : FormatNumber(conversion.c_str(), next->number);
      ++next;
    }
    p = end + 1;
    literal = p;
  }
  out += QString::fromUtf8(literal);
  return out;
}
