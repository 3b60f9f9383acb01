#include "formula/drawing/formulapictures.h"

#include "formula/bintree.h"
#include "formula/drawing/imageconversions.h"
#include "model/globals.h"

namespace {

void UseSongti(CBinTree& tree) {
  tree.m_lfDefault.lfFaceName = kSongtiFace;
  tree.m_lfDefault.lfCharSet = GB2312_CHARSET;
  tree.m_lfDefault.lfHeight = 35;
}

}  // namespace

QString NormalizeVodText(const QString& markup) {
  CBinTree tree;
  UseSongti(tree);
  tree.SetVod(markup);
  return tree.GetText(0);
}

std::vector<BYTE> RenderVodToMask(COLORREF text, COLORREF background, const QString& markup, BYTE alpha,
                                  int* width, int* height) {
  CBinTree tree;
  UseSongti(tree);
  tree.m_crDefault = text;
  tree.m_crBackground = background;
  tree.SetVod(markup);
  return tree.RenderToMask(width, height, alpha);
}

void MeasureVodMask(const QString& markup, int* width, int* height) {
  CBinTree tree;
  UseSongti(tree);
  tree.SetVod(markup);
  const QSize size = tree.BitmapSize();
  *width = size.width();
  *height = size.height();
}

std::vector<BYTE> RenderVodToMaskTextFont(int* width, int* height, const QString& markup, int* baseline) {
  // A fresh tree for every caption: a header element in one caption's
  // mark-up changes the tree's defaults, which must not carry over to the next.
  CBinTree tree;
  tree.m_lfDefault.lfFaceName = FitFaceName(g_prefs.strTextFont);
  tree.m_lfDefault.lfHeight = g_prefs.nTextFontHeight;
  tree.SetVod(markup);
  if (!tree.m_pRoot) return {};
  const QImage picture = tree.RenderToBitmap();
  int w = 0, h = 0;
  std::vector<BYTE> mask = BitmapToMask(picture, &w, &h, true);
  if (mask.empty()) return {};
  *width = w;
  *height = h;
  *baseline = tree.GetBaseline();
  return mask;
}
