// The commands that place action buttons from the selection: show/hide,
// animation, move, series, link and command buttons.
#pragma once

#include <vector>

#include "platform/types.h"

class CDlgBtnLink;
class CKavrelDoc;

// Fills the link dialog's page names in document order; returns the pages'
// ids in the same order, against which the chosen index is read.
std::vector<WORD> OfferPages(const CKavrelDoc& doc, CDlgBtnLink& dialog);

void OnEditBtnHideshow(CKavrelDoc& doc);
void OnEditBtnAnimation(CKavrelDoc& doc);
void OnEditBtnMove(CKavrelDoc& doc);
void OnEditBtnPresentat(CKavrelDoc& doc);
void OnEditBtnLink(CKavrelDoc& doc);
void OnEditBtnMedia(CKavrelDoc& doc);
