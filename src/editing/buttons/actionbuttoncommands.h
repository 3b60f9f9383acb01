// The commands that place action buttons from the selection: show/hide,
// animation, move, series, link and command buttons.
#pragma once

#include <vector>

#include "platform/types.h"

class CDlgBtnLink;
class CGCell;
class CKavrelDoc;

// Fills the link dialog's page names in document order; returns the pages'
// ids in the same order, against which the chosen index is read.
std::vector<WORD> OfferPages(const CKavrelDoc& doc, CDlgBtnLink& dialog);

// Whether the move button can drive `point` (a free point on a line, circle,
// curve, locus, face or plane, or one free in space or following another):
// the first of two points the move command accepts.
bool MoveButtonCarries(const CGCell* point);

void OnEditBtnHideshow(CKavrelDoc& doc);
void OnEditBtnAnimation(CKavrelDoc& doc);
void OnEditBtnMove(CKavrelDoc& doc);
void OnEditBtnPresentat(CKavrelDoc& doc);
void OnEditBtnLink(CKavrelDoc& doc);
void OnEditBtnMedia(CKavrelDoc& doc);
