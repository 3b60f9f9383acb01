// The commands that place action buttons from the selection: show/hide,
// animation, move, series, link and command buttons.
#pragma once

class CKavrelDoc;

void OnEditBtnHideshow(CKavrelDoc& doc);
void OnEditBtnAnimation(CKavrelDoc& doc);
void OnEditBtnMove(CKavrelDoc& doc);
void OnEditBtnPresentat(CKavrelDoc& doc);
void OnEditBtnLink(CKavrelDoc& doc);
void OnEditBtnMedia(CKavrelDoc& doc);
