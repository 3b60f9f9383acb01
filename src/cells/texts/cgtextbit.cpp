#include "cells/texts/cgtextbit.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <string>

#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/texts/textcelltexts.h"
#include "math/widevector.h"
#include "model/cellmap.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "platform/crtrandom.h"
#include "render/screenlayer.h"

IMPLEMENT_SERIAL(CGTextbit, CGCell)
IMPLEMENT_SERIAL(CGTbImage, CGTextbit)
IMPLEMENT_SERIAL(CGTbHenchman, CGTextbit)

namespace {
[[noreturn]] void Reject(const CGCell& cell, const char* what) {
  throw CArchiveException(ArchiveError::BadData, "text picture " + std::to_string(cell.m_nId) + ": " + what);
}

QString SizeDescription(const char* format, DWORD width, DWORD height) {
  return FillFormat(format, "%d", {QString::number(width), QString::number(height)});
}
}  // namespace

// --- CGTextbit ----------------------------------------------------------------

CGTextbit::CGTextbit() {
  m_vLabelAnchor[0] = -5;
  m_vLabelAnchor[1] = 5;
  m_rgbaColor = g_prefs.rgbaText;
  m_strName = QString::fromUtf8(kTextBitmapName);
}

CGTextbit::CGTextbit(WORD id, DWORD width, DWORD height, std::vector<BYTE>&& pixels) : CGTextbit() {
  m_nId = id;
  m_nWidth = width;
  m_nHeight = height;
  SetPixels(std::move(pixels));
  PlaceNewText();
}

void CGTextbit::SetPixels(std::vector<BYTE>&& pixels) {
  static std::uint64_t stamps = 0;
  m_pixels = std::move(pixels);
  m_nPixelsStamp = ++stamps;
}

void CGTextbit::PlaceNewText() {
  const double p = g_fUnitsPerPixel;
  m_vLabelAnchor[0] = static_cast<float>(-static_cast<double>(m_nWidth) * p / 2);
  m_vLabelAnchor[1] = static_cast<float>((KvRand() / 32767.0 * 8 - 4) * 20 * p);
}

std::size_t CGTextbit::RowBytes(DWORD width) const { return (static_cast<std::size_t>(width) + 31) / 32 * 4; }

std::size_t CGTextbit::PictureBytes() const { return RowBytes(m_nWidth) * static_cast<std::size_t>(m_nHeight); }

bool CGTextbit::HasPicture() const {
  return m_nWidth > 0 && m_nHeight > 0 && m_pixels.size() >= PictureBytes();
}

void CGTextbit::SerializePicture(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_nWidth << m_nHeight;
    if (ar.DigestOnly()) {
      const std::uint64_t identity[2] = {m_nPixelsStamp, m_pixels.size()};
      ar.Write(identity, sizeof identity);
      return;
    }
    // The record always holds the rows its size promises.
    const std::size_t bytes = PictureBytes();
    if (m_pixels.size() >= bytes) {
      ar.Write(m_pixels.data(), static_cast<qsizetype>(bytes));
    } else {
      const std::vector<BYTE> blank(bytes);
      ar.Write(blank.data(), static_cast<qsizetype>(bytes));
    }
    return;
  }
  ar >> m_nWidth >> m_nHeight;
  if (m_nWidth > kMaxSide || m_nHeight > kMaxSide) Reject(*this, "a side is too long");
  const std::size_t bytes = PictureBytes();
  if (bytes > static_cast<std::size_t>(ar.Remaining())) Reject(*this, "the pixels are cut short");
  std::vector<BYTE> pixels(bytes, 0);
  if (bytes > 0) ar.Read(pixels.data(), static_cast<qsizetype>(bytes));
  SetPixels(std::move(pixels));
}

void CGTextbit::RequireFinite(std::initializer_list<float> values) const {
  for (float v : values)
    if (!std::isfinite(v)) Reject(*this, "a stored number is not finite");
}

void CGTextbit::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  SerializePicture(ar);
  if (ar.IsLoading()) RequireFinite({m_vLabelAnchor[0], m_vLabelAnchor[1]});
}

QString CGTextbit::GetDescription() {
  const char* format = m_nSubKind == 0   ? kTextBitmapDescription
                       : m_nSubKind == 4 ? kTextFormulaBitmapDescription
                                         : kTextRichBitmapDescription;
  return SizeDescription(format, m_nWidth, m_nHeight);
}

void CGTextbit::DragBy(int dx, int dy) {
  MoveAnchor(dx, dy);
  // Dropped beyond the view's edge it would be drawn nowhere.
  KeepInView(m_vLabelAnchor);
}

void CGTextbit::MoveAnchor(int dx, int dy) {
  m_vLabelAnchor[0] += static_cast<float>(dx) * g_fUnitsPerPixel;
  m_vLabelAnchor[1] -= static_cast<float>(dy) * g_fUnitsPerPixel;
}

// --- CGTbImage ----------------------------------------------------------------

CGTbImage::CGTbImage() {
  SetZoom(1, 1);
  m_strName = QString::fromUtf8(kTextImageName);
}

CGTbImage::CGTbImage(WORD id, DWORD width, DWORD height, std::vector<BYTE>&& pixels)
    : CGTextbit(id, width, height, std::move(pixels)) {
  SetZoom(1, 1);
  m_strName = QString::fromUtf8(kTextImageName);
}

void CGTbImage::Serialize(CArchive& ar) {
  CGTextbit::Serialize(ar);
  if (ar.IsLoading()) RequireFinite({ZoomX(), ZoomY()});
}

std::size_t CGTbImage::RowBytes(DWORD width) const { return (3 * static_cast<std::size_t>(width) + 3) / 4 * 4; }

float CGTbImage::ZoomX() const { return std::bit_cast<float>(m_dwParam1); }
float CGTbImage::ZoomY() const { return std::bit_cast<float>(m_dwParam2); }

void CGTbImage::SetZoom(float x, float y) {
  m_dwParam1 = std::bit_cast<DWORD>(x);
  m_dwParam2 = std::bit_cast<DWORD>(y);
}

QString CGTbImage::GetDescription() { return SizeDescription(kTextImageDescription, m_nWidth, m_nHeight); }

CGCell* CreateImageCell(WORD id, int width, int height, std::vector<BYTE>&& pixels, float scale, float x,
                        float y) {
  const auto fits = [](int side) { return side > 0 && static_cast<DWORD>(side) <= CGTextbit::kMaxSide; };
  if (!fits(width) || !fits(height)) return nullptr;
  auto image = std::make_unique<CGTbImage>(id, width, height, std::move(pixels));
  if (!image->HasPicture()) return nullptr;
  image->SetZoom(scale, scale);
  image->m_vLabelAnchor[0] = x;
  image->m_vLabelAnchor[1] = y;
  return image.release();
}

// --- CGTbHenchman -------------------------------------------------------------

CGTbHenchman::CGTbHenchman(WORD id, DWORD width, DWORD height, std::vector<BYTE>&& pixels, WORD point)
    : CGTextbit(id, width, height, std::move(pixels)) {
  FollowPoint(point);
  Recalculate();
}

void CGTbHenchman::Serialize(CArchive& ar) {
  CGTextbit::Serialize(ar);
  SerializeOffset(ar, m_vOffset);
}

void CGTbHenchman::Recalculate() { PlaceAtPoint(m_vOffset); }

QString CGTbHenchman::GetDescription() { return FillFormat(kTextFollowerDescription, "%s", {FollowedPointName()}); }

void CGTbHenchman::DragBy(int dx, int dy) { DragWithOffset(dx, dy, m_vOffset); }

// --- Texts following a point ----------------------------------------------------

void CGTextbit::FollowPoint(WORD point) {
  AppendParent(*this, point);
  if (CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(point) : nullptr) cell->m_bLabelHidden = 1;
}

QString CGTextbit::FollowedPointName() const { return m_parents.empty() ? QString() : CornerName(m_parents[0]); }

void CGTextbit::PlaceAtPoint(const float offset[3]) {
  const CGVertex* point = m_parents.empty() ? nullptr : CornerPoint(m_parents[0]);
  float anchor[3] = {0, 0, 0};
  if (point)
    for (int i = 0; i < 3; ++i) anchor[i] = point->m_vPos[i] + offset[i];
  // A point beyond the float range, or one pushed past it by the offset,
  // leaves the text where it was: the record keeps only numbers.
  m_bDefined = point && point->m_bDefined && kvmath::Finite3(anchor);
  if (m_bDefined) std::copy_n(anchor, 3, m_vLabelAnchor);
}

void CGTextbit::DragWithOffset(int dx, int dy, float offset[3]) {
  MoveAnchor(dx, dy);
  offset[0] += static_cast<float>(dx) * g_fUnitsPerPixel;
  offset[1] -= static_cast<float>(dy) * g_fUnitsPerPixel;
}

void CGTextbit::SerializeOffset(CArchive& ar, float offset[3]) {
  if (ar.IsStoring()) {
    ar << offset[0] << offset[1] << offset[2];
    return;
  }
  ar >> offset[0] >> offset[1] >> offset[2];
  // Recalculate reads the first parent as the point it follows.
  if (m_parents.size() != 1) Reject(*this, "it must follow exactly one point");
  RequireFinite({offset[0], offset[1], offset[2], m_vLabelAnchor[0], m_vLabelAnchor[1], m_vLabelAnchor[2]});
}
