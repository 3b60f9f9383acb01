#include "app/preferences.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "platform/archive.h"
#include "platform/filebytes.h"

namespace {
// Two font names and a few dozen numbers: anything larger is not this file.
constexpr qint64 kMaxConfigBytes = 64 * 1024;

template <class T>
void Transfer(CArchive& ar, T& value) {
  if (ar.IsStoring()) {
    ar << value;
  } else {
    ar >> value;
  }
}

void TransferColor(CArchive& ar, RGBA& c, int k) {
  BYTE* parts[4] = {&c.r, &c.g, &c.b, &c.a};
  Transfer(ar, *parts[k]);
}

bool InRange(float v, float low, float high) { return std::isfinite(v) && v >= low && v <= high; }

bool AllFinite(const std::array<float, 4>& v) {
  return std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); });
}

bool IsUsable(const CDisplayPrefs& p) {
  const auto fontOk = [](int h) { return h >= 1 && h <= 500; };
  const auto sizeOk = [](float s) { return InRange(s, 1e-3f, 1000.0f); };
  return fontOk(p.nLabelFontHeight) && fontOk(p.nTextFontHeight) && sizeOk(p.fLineWidth) &&
         sizeOk(p.fPointSize) &&
         std::all_of(p.background.begin(), p.background.end(),
                     [](float c) { return InRange(c, 0.0f, 1.0f); }) &&
         AllFinite(p.lightAmbient) && AllFinite(p.lightDiffuse) && AllFinite(p.lightSpecular) &&
         AllFinite(p.lightPosition) && p.nFramesPerSecond >= 1 && p.nFramesPerSecond <= 1000;
}
}  // namespace

void SerializeDisplayPrefs(CArchive& ar, CDisplayPrefs& p) {
  Transfer(ar, p.strLabelFont);
  Transfer(ar, p.strTextFont);
  Transfer(ar, p.nLabelFontHeight);
  Transfer(ar, p.nTextFontHeight);
  Transfer(ar, p.fLineWidth);
  Transfer(ar, p.fPointSize);
  for (int k = 0; k < 4; ++k) {
    Transfer(ar, p.background[k]);
    for (RGBA* c : {&p.rgbaSelection, &p.rgbaFixedPoint, &p.rgbaFreePoint, &p.rgbaLine, &p.rgbaCurve,
                    &p.rgbaLabel, &p.rgbaText, &p.rgbaMeasure, &p.rgbaTable})
      TransferColor(ar, *c, k);
    Transfer(ar, p.lightAmbient[k]);
    Transfer(ar, p.lightDiffuse[k]);
    Transfer(ar, p.lightSpecular[k]);
    Transfer(ar, p.lightPosition[k]);
  }
  Transfer(ar, p.nFramesPerSecond);
  Transfer(ar, p.bNoDoubleClick);
  Transfer(ar, p.bScreenRotation);
  Transfer(ar, p.bLabelAutoScale);
}

QByteArray DisplayPrefsBytes(const CDisplayPrefs& prefs) {
  CArchive ar;
  CDisplayPrefs copy = prefs;
  SerializeDisplayPrefs(ar, copy);
  return ar.Bytes();
}

std::optional<CDisplayPrefs> DisplayPrefsFromBytes(const QByteArray& bytes) {
  CDisplayPrefs prefs;
  try {
    CArchive ar(bytes);
    SerializeDisplayPrefs(ar, prefs);
  } catch (const CArchiveException&) {
    return std::nullopt;
  }
  if (!IsUsable(prefs)) return std::nullopt;
  // The switches are 0 or 1; any other value counts as on.
  for (int* flag : {&prefs.bNoDoubleClick, &prefs.bScreenRotation, &prefs.bLabelAutoScale})
    *flag = *flag != 0 ? 1 : 0;
  return prefs;
}

QString ConfigFilePath(const QString& dataFolder) {
  return dataFolder + QStringLiteral("/Nurv/config420.dat");
}

bool LoadSaveConfigIn(const QString& dataFolder, bool save) {
  if (dataFolder.isEmpty()) return false;
  const QString folder = dataFolder + QStringLiteral("/Nurv");
  if (!QDir().mkpath(folder)) return false;
  const QString path = ConfigFilePath(dataFolder);
  if (save) return WriteFileBytes(path, DisplayPrefsBytes(g_prefs));
  const std::optional<QByteArray> bytes = ReadFileBytes(path, nullptr, kMaxConfigBytes);
  if (!bytes) return false;
  const std::optional<CDisplayPrefs> prefs = DisplayPrefsFromBytes(*bytes);
  if (!prefs) return false;
  g_prefs = *prefs;
  return true;
}

bool LoadSaveConfig(bool save) {
  return LoadSaveConfigIn(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), save);
}
