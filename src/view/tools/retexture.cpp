#include "view/tools/retexture.h"

#include <QDir>

#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/notifier.h"
#include "render/textures.h"
#include "view/tools/mousetools.h"

QString BuiltInTexturePath(int index) {
  const int number = index == 0 || index == 1 ? index + 1 : 3;
  return QDir(g_strProgramFolder).filePath(QStringLiteral("Images/Img%1.jpg").arg(number));
}

void OnEditRetexture(CMouseTools& tools) {
  CDlgReTextext dialog;
  if (DialogProvider().DoModal(dialog) != IDOK || dialog.m_strImage.isEmpty()) return;
  // The list offers three textures; nothing else is replaced.
  if (dialog.m_nTexture < 0 || dialog.m_nTexture > 2) return;
  if (!LoadTextureImage(dialog.m_nTexture, dialog.m_bBuiltIn != 0, dialog.m_strImage)) return;
  if (tools.Document()) tools.Document()->SetModifiedFlag();
  tools.Surface().Redraw();
}
