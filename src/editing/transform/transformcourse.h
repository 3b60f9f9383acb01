// What the four transformation commands share once their dialog has been
// confirmed: the selected structure closed over its defining points, one
// image point per selected point (named after its source with an
// apostrophe, styled like it), the image lines, faces and circles on them,
// the images as the new selection and one undo step.
#pragma once
#include <QString>
#include <functional>
#include <initializer_list>

#include "commands/commandframe.h"
#include "platform/types.h"

class CGCell;
class CGPage;
class CKavrelDoc;

// The image of `source` on the id, slot and name taken for it.
using ImageMaker = std::function<CGCell*(const CNewPoint& image, WORD source)>;

// `reversesOrientation`: the map turns figures over (a reflection in a
// point or a plane, a negative factor).  Nothing is made (and the
// selection is as it was) when the page has no ids or vertex slots for
// all images.
void TransformSelection(CKavrelDoc& doc, const ImageMaker& make, bool reversesOrientation, const char* label);

// Translate, rotate, scale and reflect are enabled by one rule: a point,
// line or face, or a circle defined by points, is selected.  The marks are
// not consulted: without them the dialogs offer the fixed values.
bool FitsTransform();
void OnUpdateTransform(CKavrelDoc& doc, CCmdUI& ui);

// `format` with each %.4f replaced by the next number (four decimals) and
// then each %s by the next name, so a name holding a marker shows as it is.
QString DescribeMark(const char* format, std::initializer_list<QString> names,
                     std::initializer_list<double> numbers = {});
// The name of cell `id` of the current page (empty when it is missing).
QString NameOf(WORD id);
