// Ready-made pictures in the screen-space text layer (textlayer.h).
//
// CGTextbit shows a one-bit mask of a text, rendered elsewhere (rich texts
// arrive as such masks), in its first colour m_rgbaColor, with a shadow in
// m_rgbaLabel 3 pixels right and 2 up unless m_bLabelHidden is set.  Its
// lower-left corner is m_vLabelAnchor x, y (world units of the text layer);
// m_nSubKind tells where the text came from (0 plain bitmap text, 4
// editable formula colour text, other values editable rich text).
//
// The picture is m_nWidth x m_nHeight pixels, rows from the bottom up, each
// row padded as RowBytes says; subclasses holding other pixels override
// RowBytes and draw them their own way.  A picture whose buffer is shorter
// than its size needs is treated as having none: nothing is drawn from it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "model/cgcell.h"

class CGTextbit : public CGCell {
  DECLARE_SERIAL(CGTextbit)

 public:
  // Id 0, anchor (-5, 5), no picture, the preference text colour, "BText".
  CGTextbit();
  // Takes the picture, placed as PlaceNewText says.
  CGTextbit(WORD id, DWORD width, DWORD height, std::vector<BYTE>&& pixels);

  // The common record, then width, height and the pixel rows.  Loading
  // checks the size against what is left to read and against 16384 pixels
  // a side before it allocates, and that the anchor is a finite number
  // (BadData otherwise).
  void Serialize(CArchive& ar) override;

  // The mask (after its shadow) and, when selected, a frame around it.
  void Draw() override;
  // Pick modes 3 and above: the picture's quad under (7, id).
  void DrawForPick(int mode) override;
  QString GetDescription() override;

  // Moves the picture by a mouse movement of (dx, dy) pixels (y down), its
  // anchor held over the view (KeepInView).
  virtual void DragBy(int dx, int dy);

  // Bytes of one stored row `width` pixels wide: whole 32-bit words of
  // one bit per pixel.
  virtual std::size_t RowBytes(DWORD width) const;
  // The bytes the picture needs, computed in 64 bits.
  std::size_t PictureBytes() const;
  // True when there is a picture to draw: a size and the pixels for it.
  bool HasPicture() const;

  // The pixel rows.  They are only ever replaced whole, through
  // SetPixels, so a record made to be compared (CArchive::DigestOnly)
  // names the pixels by a stamp SetPixels gives them, never reading them.
  const std::vector<BYTE>& Pixels() const { return m_pixels; }
  void SetPixels(std::vector<BYTE>&& pixels);

  DWORD m_nWidth = 0;
  DWORD m_nHeight = 0;

  // The largest side a stored picture may have.
  static constexpr DWORD kMaxSide = 16384;

 protected:
  // Writes or reads width, height and pixels (the part of the record after
  // the common one).
  void SerializePicture(CArchive& ar);
  // After a load: a stored number that is not finite fails it (BadData).
  void RequireFinite(std::initializer_list<float> values) const;
  // Whether the cell draws at all: shown, defined, not in a three-view page.
  bool IsShown() const;
  // Where a new text goes once its size is known: centred on the text
  // layer's vertical axis at a random row between -4 and 4 units of 20
  // pixels, so that successive new texts land on different rows.
  void PlaceNewText();

  // Texts that follow a point: `point` becomes the only parent, and the
  // text replaces the point's label.
  void FollowPoint(WORD point);
  // The followed point's name, empty when there is none.
  QString FollowedPointName() const;
  // Defined with the point (a parent that is no point leaves the text
  // undefined); then anchor = point + offset, unless that is no finite
  // number (undefined, the anchor kept).
  void PlaceAtPoint(const float offset[3]);
  // A drag moves the anchor and the offset alike, so a recomputation keeps
  // the new place.
  void DragWithOffset(int dx, int dy, float offset[3]);
  // The anchor moved by a mouse movement of (dx, dy) pixels (y down).
  void MoveAnchor(int dx, int dy);
  // The offset after the rest of the record.  Loading fails unless there
  // is exactly one parent and the offset and anchor are finite.
  void SerializeOffset(CArchive& ar, float offset[3]);

 private:
  std::vector<BYTE> m_pixels;
  std::uint64_t m_nPixelsStamp = 0;  // unique to each SetPixels in the process
};

// A full-colour picture: bytes R, G, B, rows padded to 4 bytes.  Its zoom
// factors are floats kept in m_dwParam1 (x) and m_dwParam2 (y), so they go
// with the common record; a negative factor mirrors the picture.
class CGTbImage : public CGTextbit {
  DECLARE_SERIAL(CGTbImage)

 public:
  // The text-bitmap default, zoom 1, 1, name "Img".
  CGTbImage();
  CGTbImage(WORD id, DWORD width, DWORD height, std::vector<BYTE>&& pixels);

  // As the text bitmap, also failing on a zoom that is not a finite number.
  void Serialize(CArchive& ar) override;
  // The picture lies under everything drawn later: it is drawn first and
  // leaves the depth buffer alone.  Selected: its frame and, around the
  // far corner, the resize handle.
  void DrawFill() override;
  void Draw() override {}
  // The quad pulled 0.3 in from the far corner under (7, id); selected,
  // also the resize handle around that corner under (12, id).
  void DrawForPick(int mode) override;
  QString GetDescription() override;
  std::size_t RowBytes(DWORD width) const override;

  float ZoomX() const;
  float ZoomY() const;
  void SetZoom(float x, float y);
};

// A text bitmap that follows a point through the scene: its anchor is the
// point's position plus an offset, a 3D point drawn in the scene's own
// transform.  It replaces the point's label.
class CGTbHenchman : public CGTextbit {
  DECLARE_SERIAL(CGTbHenchman)

 public:
  CGTbHenchman() = default;
  // Follows `point` (already in the current page's map): its only parent,
  // whose label it hides; placed at once.
  CGTbHenchman(WORD id, DWORD width, DWORD height, std::vector<BYTE>&& pixels, WORD point);

  // The text-bitmap record, then the offset.  Loading fails unless there
  // is exactly one parent and the offset is finite.
  void Serialize(CArchive& ar) override;
  // Defined with its point (a parent that is no point leaves it
  // undefined); then anchor = point + offset.
  void Recalculate() override;
  // The mask at the 3D anchor, in the selection colour when selected; no
  // shadow, no frame.
  void Draw() override;
  // The anchor taken through g_dWorldToText into the text layer, and there
  // the picture's quad under (7, id).
  void DrawForPick(int mode) override;
  QString GetDescription() override;
  // Moves the anchor and the offset alike, so a recomputation keeps the
  // new place.
  void DragBy(int dx, int dy) override;
  float* AnchorOffset() override { return m_vOffset; }

  float m_vOffset[3] = {0, 0, 0};
};

// The picture cell of CKavrelDoc::AddImageCell: a CGTbImage under `id` of
// width x height RGB pixels (rows padded to 4 bytes), zoomed by `scale` both
// ways, its lower-left corner at (x, y).  Null when the pixels are fewer
// than the rows need or a side is 0 or larger than a stored picture may be.
CGCell* CreateImageCell(WORD id, int width, int height, std::vector<BYTE>&& pixels, float scale, float x,
                        float y);
