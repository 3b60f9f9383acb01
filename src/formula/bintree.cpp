#include "formula/bintree.h"

#include <QByteArray>

#include "formula/boxnode.h"
#include "formula/rownode.h"
#include "platform/filebytes.h"

IMPLEMENT_SERIAL(CBinTree, CObject)

CBinTree::CBinTree() : m_lfDefault(FormulaStartFont(35)) {}

CBinTree::~CBinTree() { DeleteRoot(); }

void CBinTree::DeleteRoot() {
  delete m_pRoot;
  m_pRoot = nullptr;
}

void CBinTree::SetVod(const QString& text) {
  DeleteRoot();
  m_pRoot = ParseVod(text);
  if (!m_pRoot) return;
  Normalize();
  ApplyDefaultFont();
  m_pRoot->CaretToEnd();
}

bool CBinTree::Normalize() {
  if (!m_pRoot) return false;
  if (!dynamic_cast<CBoxNode*>(m_pRoot)) {
    auto* box = new CBoxNode;
    box->AppendChild(m_pRoot);
    m_pRoot = box;
  }
  return m_pRoot->Normalize();
}

void CBinTree::ApplyDefaultFont() {
  if (!m_pRoot) return;
  if (m_pRoot->m_dwFontMask == 0) m_pRoot->m_lf = m_lfDefault;
  m_pRoot->TakeUnsetFontParts(m_lfDefault, m_crDefault);
  m_pRoot->InheritFont();
}

QString CBinTree::GetText(int mode) const {
  switch (mode) {
    case 0:
    case 1: return m_pRoot ? m_pRoot->ToVod(mode == 1) : kEmptyVod;
    case 2:
    case 3: return m_pRoot ? m_pRoot->ToText(mode == 3) : QString();
    default: return {};
  }
}

bool CBinTree::IsEmpty() const {
  auto* box = dynamic_cast<const CBoxNode*>(m_pRoot);
  if (!box) return true;
  if (box->ChildCount() != 1) return false;
  auto* row = dynamic_cast<const CRowNode*>(box->ChildAt(0));
  return !row || row->ChildCount() == 0;
}

bool CBinTree::SaveVodFile(const QString& path) const {
  const QString text = GetText(0);
  QByteArray bytes;
  bytes.reserve(2 + text.size() * 2);
  bytes.append('\xFF').append('\xFE');
  for (QChar c : text) bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
  return WriteFileBytes(path, bytes);
}

bool CBinTree::LoadVodFile(const QString& path, FileFailure* failure) {
  const auto bytes = ReadFileBytes(path, failure, kMaxVodFileBytes);
  if (!bytes || bytes->size() < 2 || uchar(bytes->at(0)) != 0xFF || uchar(bytes->at(1)) != 0xFE)
    return false;
  QString text;
  text.reserve((bytes->size() - 2) / 2);
  for (qsizetype i = 2; i + 1 < bytes->size(); i += 2)
    text += QChar(char16_t(uchar(bytes->at(i)) | (uchar(bytes->at(i + 1)) << 8)));
  SetVod(text);
  // A file whose text the reader rejects holds no formula: that is no success.
  return m_pRoot != nullptr;
}
