#include "cells/solids/model3ds/cgmodel3ds.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "cells/solids/model3ds/model3dstexts.h"
#include "model/document/kavreldoc.h"
#include "platform/archive.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "platform/storedpath.h"
#include "render/picturefile.h"

IMPLEMENT_SERIAL(CGModel3ds, CGCell)

namespace {

constexpr int kShortestPath = 5;
constexpr double kBoxStart = 999999.0;
constexpr double kNewModelHalfDiagonal = 15.0;
// A smaller radius (a model that is one point) gives the new cell scale 1.
constexpr double kSmallestRadius = 1e-9;

// The file of a path as this system names it: backslashes made slashes,
// and a name that differs only in case found too.  Empty when absent.
QString ExistingFile(const QString& stored) {
  const QString local = LocalStoredPath(stored, GetDocumentFolder());
  const QFileInfo info(local);
  if (info.isFile()) return local;
  return FindFileInFolder(info.absolutePath(), info.fileName());
}

}  // namespace

CGModel3ds::CGModel3ds() = default;

CGModel3ds::CGModel3ds(WORD id, const QString& path, BYTE displayMode) {
  m_nId = id;
  m_nStyle = displayMode;
  FilePath = path;
  m_strName = StoredFileName(path);
  ReadFiles();
  // A model that failed to load, or that is one point, keeps scale 1: 15
  // divided by no radius would store inf or NaN.
  Scale = m_bDefined && Radius >= kSmallestRadius ? static_cast<float>(kNewModelHalfDiagonal / Radius) : 1.0f;
  Position[0] = Position[1] = Position[2] = 0;
}

CGModel3ds::~CGModel3ds() = default;

QString CGModel3ds::GetDescription() { return QString::fromUtf8(kTextModelDescription); }

void CGModel3ds::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << FilePath << Position[0] << Position[1] << Position[2] << Scale;
    return;
  }
  ar >> FilePath >> Position[0] >> Position[1] >> Position[2] >> Scale;
  CheckLoaded(ar, 0, {Position[0], Position[1], Position[2], Scale, m_fValue});
}

QString CGModel3ds::FindModelFile() {
  if (const QString found = ExistingFile(FilePath); !found.isEmpty()) return found;
  const QString folder = GetDocumentFolder();
  qsizetype cut = FilePath.lastIndexOf(QLatin1Char('\\'));
  if (cut < 0) cut = FilePath.lastIndexOf(QLatin1Char('/'));
  if (!folder.isEmpty() && cut > 0) {
    // Only a file that is there replaces the stored path: a cancelled
    // search must not lose where the model was.
    const QString beside = FindFileInFolder(folder, FilePath.mid(cut + 1));
    if (!beside.isEmpty()) return FilePath = beside;
  }
  KvMessageBox(QString::fromUtf8(kTextModelMoved).replace(QStringLiteral("%s"), FilePath));
  const QString chosen =
      FileChooser().ChooseOpen(QString(), QtFileFilter(kFilter3dsFiles), LocalStoredPath(FilePath, folder));
  if (!chosen.isEmpty()) FilePath = chosen;
  return chosen;
}

void CGModel3ds::ReadFiles() {
  if (FilePath.size() < kShortestPath) return;
  const QString path = FindModelFile();
  if (path.isEmpty()) {
    m_bDefined = false;
    return;
  }
  m_bDefined = false;
  // A second load would append to the model it replaces.
  Model.Clear();
  m_mesh = {};
  m_bListStale = true;
  C3dsReader reader;
  m_bDefined = reader.Load(Model, path);
  if (!m_bDefined) return;
  if (!TakeModel()) KvMessageBox(QString::fromUtf8(kTextTexturesMissing));
}

bool CGModel3ds::TakeModel() {
  MakeBox();
  bool ok = true;
  const QString folder = QFileInfo(FilePath).absolutePath();
  for (int i = 0; i < Model.materialCount && i < static_cast<int>(Model.materials.size()); ++i) {
    // Only the first materials have a texture name; the rest draw untextured.
    if (i < kTextureCount) {
      m_pictures[i] = QImage();
      TextureNames[i].MarkStale();
      if (Model.materials[i].textureFile[0] != '\0') ok = LoadTexture(i, folder) && ok;
    }
    Model.materials[i].textureIndex = i;
  }
  m_mesh = BuildModelMesh(Model, [this](int m) { return m >= 0 && m < kTextureCount && !m_pictures[m].isNull(); });
  m_bListStale = true;
  return ok;
}

void CGModel3ds::MakeBox() {
  double* b = Box;
  b[0] = b[2] = b[4] = kBoxStart;
  b[1] = b[3] = b[5] = -kBoxStart;
  for (const Object3ds& object : Model.objects)
    for (std::size_t v = 0; v + 2 < object.vertices.size(); v += 3)
      for (int k = 0; k < 3; ++k) {
        const double c = object.vertices[v + k];
        b[2 * k] = std::min(b[2 * k], c);
        b[2 * k + 1] = std::max(b[2 * k + 1], c);
      }
  const double dx = b[1] - b[0], dy = b[3] - b[2], dz = b[5] - b[4];
  Radius = 0.5 * std::sqrt(dx * dx + dy * dy + dz * dz);
  for (int k = 0; k < 3; ++k) BoxCentre[k] = (b[2 * k] + b[2 * k + 1]) / 2;
}

// The name is resolved against the model's own folder, never the process's
// current directory: as stored, else its last part there, in any case.
bool CGModel3ds::LoadTexture(int material, const QString& folder) {
  const QString name = Decode3dsText(Model.materials[material].textureFile);
  QString path = LocalStoredPath(name, folder);
  if (!QFileInfo(path).isFile()) {
    const QFileInfo info(path);
    path = FindFileInFolder(info.absolutePath(), info.fileName());
    if (path.isEmpty()) path = FindFileInFolder(folder, StoredFileName(name));
  }
  if (path.isEmpty()) return false;
  const CPictureRead read = ReadPicture(path);
  if (read.Failed() || read.image.isNull()) return false;
  m_pictures[material] = read.image.convertToFormat(QImage::Format_RGBA8888).mirrored();
  return !m_pictures[material].isNull();
}
