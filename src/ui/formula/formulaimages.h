// Pictures of the formula dialog, made once when the first dialog opens:
// the 128 symbol images of the symbol grid, the 28 built-in formulas drawn
// by our own renderer (so they always match the formulas inserted), the
// face box's marker and the buttons of the structure and format bars.
#pragma once
#include <QIcon>
#include <QImage>
#include <vector>

inline constexpr int kSymbolImageSize = 20;
inline constexpr int kFormulaPictureWidth = 240;
inline constexpr int kFormulaPictureHeight = 64;

// The symbol characters drawn black on a clear background, 20 x 20 each.
const std::vector<QImage>& SymbolImages();
// The built-in formulas, each fitted into 240 x 64 pixels on white.
const std::vector<QImage>& BuiltInFormulaPictures();
// 16 x 15: the marker before every face name.
const QImage& FaceMarkerPicture();
// The picture of a structure command (33541 .. 33559): the structure with
// its empty boxes, as the control inserts it.
QIcon StructureIcon(unsigned id);
// A button picture showing a short text in the given style, smaller where
// it would not fit whole.
QIcon TextIcon(const QString& text, bool bold, bool italic, bool underline, const QColor& colour = Qt::black);
// The copy button's picture.
QIcon CopyIcon();
