// The label of a caption (a measurement, value or text line): its name in
// text form, or its own mark-up in formula form, chosen by the user or left
// to the caption's automatic naming.
#pragma once
#include <QString>

#include "editing/dialogs/labels/labeldialogs.h"

class CGPage;
class CGTextmap;

// The mark-up a caption in text form shows: the name as the one text run of
// a row in a box, "<#><l><e>" name "</e></l></#>" for a name without "<".
// Any name reads back as typed: a "</" in it splits the run instead of
// ending it.
QString CaptionMarkupOfName(const QString& name);

// The dialog as the caption fills it.  A caption without mark-up takes the
// wrapped name first, whatever the answer.
CDlgLabelVod CaptionLabelOf(CGTextmap& caption);
// What OK does: the form and the choice of a custom label are taken; a
// custom label takes the name and mark-up of the answer (formula form) or
// its text when the text changed (text form).  Then the caption, and every
// cell that depends on it, is labelled again; the edit's end computes them.
void ApplyCaptionLabel(CGPage& page, CGTextmap& caption, const CDlgLabelVod& answer);
// Opens the dialog and applies an OK.
void EditCaptionLabel(CGPage& page, CGTextmap& caption);
