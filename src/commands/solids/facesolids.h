// A prism, pyramid or frustum over the selected face with the selected
// point as its top corner or apex; without exactly one point and one face
// selected, a default triangular solid standing on the z axis.
#pragma once

class CKavrelDoc;

void OnCreateSolidPrism(CKavrelDoc& doc);
void OnCreateSolidPyramid(CKavrelDoc& doc);
void OnCreateSolidTrun(CKavrelDoc& doc);
