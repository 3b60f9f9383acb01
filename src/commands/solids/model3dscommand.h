// The 3DS model command: a model chosen in the program's Models folder,
// placed with its "旋转模型" button that spins it once round.
#pragma once
#include <QString>

class CKavrelDoc;

// The model of the file at `path` (lit) and its spin button, recorded as
// one step "添加3dsmax模型".  False when nothing could be made.
bool AddModel3ds(CKavrelDoc& doc, const QString& path);
// Asks for the file in the Models folder; nothing when cancelled.
void On3dsModel(CKavrelDoc& doc);
