// Formula texts: VOD mark-up rendered into RGBA pixels (formulapictures.h)
// and shown in the text layer, drawn from the pixels or, when the text
// scales with the view's zoom, as a mipmapped texture on a quad.
//
// The pixels (width x height x 4 bytes, rows from the bottom up) live in
// the text bitmap's buffer.  Red, green and blue of m_rgbaColor are the
// text colour and its alpha byte is the alpha of the backdrop (0 lets the
// page show between the glyphs); the option word is the backdrop colour.
#pragma once
#include <QString>

#include "cells/texts/cgtextbit.h"
#include "render/gltexture.h"

class CGTbVodText : public CGTextbit {
  DECLARE_SERIAL(CGTbVodText)

 public:
  // The text-bitmap default, first colour's alpha 0, scale 1, not scaling,
  // "VOD彩色数学文本".
  CGTbVodText();
  // Renders the mark-up and places the text as a new text bitmap.
  CGTbVodText(WORD id, const QString& markup, DWORD option, DWORD scalesWithView);

  // The common record; mark-up, option word, scale, flag, word, text; and,
  // when the archive stores formula pictures, width, height and pixels.
  // When the pictures are not stored, loading only measures the mark-up:
  // the pixels are rendered when the text is first drawn (EnsurePicture),
  // so a document of many large formula texts costs memory only for those
  // shown.  Loaded pictures are kept, the flag then set to exactly 1 when
  // set at all.  Storing pictures renders one not yet drawn first; memory
  // running out then leaves with std::bad_alloc, the text as it was.
  void Serialize(CArchive& ar) override;
  // Text layer, scaled by the view's zoom when the text scales with it:
  // the pixels at zoom 1, else the texture; selected, the box around it.
  void Draw() override;
  // Pick modes 3 and above: the box under (7, id).
  void DrawForPick(int mode) override;
  QString GetDescription() override;
  // The backdrop becomes the background colour; rendered again.
  void TakeBackdrop(COLORREF background) override;
  // Four bytes a pixel.
  std::size_t RowBytes(DWORD width) const override;
  // Follows the pointer pixel for pixel: a text drawn zoomed with the view
  // moves its anchor by the pointer's motion over the zoom.
  void DragBy(int dx, int dy) override;

  // Renders the mark-up again in the current colour, option word and alpha
  // (new size and pixels); the texture is uploaded again at its next draw.
  // Mark-up that renders to nothing leaves a 0 x 0 text; memory running
  // out leaves the text as it was.
  void RebuildTexture();
  // Renders the pixels a load left for the first draw; nothing otherwise.
  // Memory that runs out leaves the text without pixels (not drawn).
  void EnsurePicture();
  bool ScalesWithView() const { return m_dwScalesWithView != 0; }

  QString m_strMarkup;
  DWORD m_dwOption = 0;
  CGlTexture m_texture;
  float m_fStoredScale = 1.0f;  // kept and stored; nothing reads it
  DWORD m_dwScalesWithView = 0;
  DWORD m_dwStoredWord = 0;  // kept and stored; nothing reads it
  QString m_strStoredText;   // kept and stored; nothing reads it
  bool m_bPictureDue = false;  // measured on loading, not yet rendered

 protected:
  // The pixels with their lower-left corner at `at`.
  void DrawPixels(const float at[3]);
  // The texture over the box from (x0, y0) to (x1, y1) in the plane z.
  void DrawTextured(float x0, float y0, float x1, float y1, float z);
};

// A formula text attached to a point: its anchor is the point plus an
// offset, taken into the text layer through g_dWorldToText; it always
// scales with the view and replaces the point's label.
class CGTbMhc : public CGTbVodText {
  DECLARE_SERIAL(CGTbMhc)

 public:
  // The formula-text default, scaling, "附点彩文".
  CGTbMhc();
  // Follows `point` (already in the current page's map); placed at once.
  CGTbMhc(WORD id, const QString& markup, DWORD option, WORD point);

  // The formula-text record, then the offset.  Loading fails unless there
  // is exactly one parent and the offset is finite.
  void Serialize(CArchive& ar) override;
  void Recalculate() override;
  // At the point's image in the text layer: the pixels while the zoom is
  // within 0.01 of 1, else the texture, both zoomed.
  void Draw() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;
  void DragBy(int dx, int dy) override;
  float* AnchorOffset() override { return m_vOffset; }

  float m_vOffset[3] = {0, 0, 0};
};
