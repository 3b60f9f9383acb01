// Replacing one of the three texture pictures that documents store: the
// dialog's data and the command that applies it.
#pragma once
#include <QString>

#include "platform/dialogprovider.h"
#include "platform/types.h"

class CMouseTools;

class CDlgReTextext : public CDialogDataOf<CDlgReTextext> {
 public:
  int m_nTexture = 0;  // index in the list "1", "2", "3"
  BOOL m_bBuiltIn = 0;
  QString m_strImage;
};

// The built-in picture of a texture index: Images/Img1.jpg to Img3.jpg in
// the program folder; any index but 0 and 1 gives the third.
QString BuiltInTexturePath(int index);

// The dialog; on OK with a picture named, the texture takes it (a built-in
// picture is not stored with the document), the document is modified and
// the view redrawn.
void OnEditRetexture(CMouseTools& tools);
