// A text frame's paragraphs as a rich-text document, and that document
// drawn into a picture the size of the frame.
#pragma once
#include <QTextDocument>
#include <memory>

#include "editing/presentation/pptxdeck.h"

class CDlgRtEdit;

// Near-white text (each component above 220) would vanish on the white
// board: it becomes black.
QColor BoardTextColour(const QColor& colour);

// Faces, sizes (points), bold, italic, underline, colours, alignment,
// indents, spacing, bullets and numbering.
std::unique_ptr<QTextDocument> SlideTextDocument(const CPptxText& text);

// The text handed to the rich-text editor's paste-and-render as RTF (never
// through the user's clipboard), in a text area of width x height pixels:
// data gets the RTF string, title, area and mask.  False when nothing
// could be rendered.
bool RenderSlideRichText(const QTextDocument& document, int width, int height, CDlgRtEdit& data);
