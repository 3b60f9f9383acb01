#include "render/framedtext.h"

#include "platform/notifier.h"
#include "platform/processstate.h"
#include "render/glfontlists.h"
#include "render/gllistnames.h"
#include "render/pixelunpack.h"
#include "render/texttexts.h"
#include "render/viewglobals.h"

namespace {

MarkupMaskRenderer& Renderer() {
  static MarkupMaskRenderer renderer;
  return renderer;
}

const ProcessStateReset reset([] { Renderer() = nullptr; });

bool IsMarkup(const QString& text) {
  return text.startsWith(QLatin1Char('<')) && text.endsWith(QLatin1Char('>'));
}

// Bytes a mask of width x height needs: rows of whole 32-bit words.
size_t MaskBytes(int width, int height) {
  return (static_cast<size_t>(width) + 31) / 32 * 4 * static_cast<size_t>(height);
}

}  // namespace

MarkupMaskRenderer SetMarkupMaskRenderer(MarkupMaskRenderer renderer) {
  Renderer().swap(renderer);
  return renderer;
}

QString DrawGlTextFramed(const QString& text, GLuint& listPair, int& height, int n) {
  if (!IsMarkup(text)) return DrawGlTextDC(text);
  if (listPair == 0) {
    listPair = GenerateWordLists(2);
    if (listPair == 0) {
      KvMessageBox(QString::fromUtf16(kTextFramedNoLists));
      return {};
    }
  }
  if (!Renderer()) return {};
  int width = 0, maskHeight = 0, baseline = 0;
  const std::vector<BYTE> mask = Renderer()(&width, &maskHeight, text, &baseline);
  // A renderer's mask is checked against its own size before GL reads it.
  if (mask.empty() || width <= 0 || maskHeight <= 0 || mask.size() < MaskBytes(width, maskHeight)) return {};

  height = maskHeight;
  const float textHeight = static_cast<float>(g_prefs.nTextFontHeight);
  const float y = static_cast<float>(maskHeight - baseline) - 0.3f * textHeight;
  {
    const ScopedUnpack unpack(4);  // the mask's rows are whole 32-bit words
    glNewList(listPair, GL_COMPILE);
    glBitmap(width, maskHeight, 0, 0, static_cast<float>(width), y, mask.data());
    glEndList();
  }

  const float u = g_fUnitsPerPixel;
  const float right = static_cast<float>(width) * u;
  const float y1 = (y - 0.2f * textHeight) * u;
  glNewList(listPair + 1, GL_COMPILE);
  glRectf(0, 0, right, static_cast<float>(maskHeight) * u);
  glRectf(right, y1, right + 3.6f * static_cast<float>(n), y1 + static_cast<float>(g_nTextLineHeight) * u);
  glEndList();
  return QString(QChar(static_cast<char16_t>(listPair)));
}
