// A view button's settings as its dialog shows them, and written back: the
// label by the name rule, the values and the run, and the run restarted.
#pragma once
#include "editing/dialogs/buttons/viewbuttondialogs.h"

class CGButnRotate;
class CGButnTranslate;
class CGButnScale;

CDlgViewRotate DialogOf(const CGButnRotate& button);
CDlgViewTrans DialogOf(const CGButnTranslate& button);
CDlgViewScale DialogOf(const CGButnScale& button);

void WriteBack(CGButnRotate& button, const CDlgViewRotate& answer);
void WriteBack(CGButnTranslate& button, const CDlgViewTrans& answer);
void WriteBack(CGButnScale& button, const CDlgViewScale& answer);
