// Cells that draw other cells again (an iteration's copies) recalculate part
// of the page for every copy, in every pass, and a file may ask for any
// number of copies.  Such a cell keeps one budget per frame, all its passes
// together, so that a frame stays quick; the frames are numbered here.
#pragma once

// Held while the page is drawn or picked: the outermost one starts a new
// frame, those opened inside it belong to the same frame.
class CCopyFrame {
 public:
  CCopyFrame();
  ~CCopyFrame();
  CCopyFrame(const CCopyFrame&) = delete;
  CCopyFrame& operator=(const CCopyFrame&) = delete;
};

// The number of the frame being drawn: a new one for every outermost
// CCopyFrame, never 0.
unsigned CurrentCopyFrame();
