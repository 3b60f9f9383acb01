// The 3DS reader and what the model cell builds from what it read: box,
// texture look-ups beside the model and the mesh of the display list.  The
// mesh must hold exactly three corners per face that survived the reader,
// each from the object's own arrays.
#include <QBuffer>
#include <memory>

#include "cells/solids/model3ds/cgmodel3ds.h"
#include "fuzzsupport.h"
#include "platform/notifier.h"

namespace {

class Silent : public INotifier {
 public:
  int Show(const QString&, const QString&, unsigned type) override { return DefaultAnswer(type); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  static const bool quiet = [] {
    SetNotifier(std::make_unique<Silent>());
    return true;
  }();
  (void)quiet;
  QByteArray bytes = FuzzBytes(data, size);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  CGModel3ds model;
  model.FilePath = QStringLiteral("/nonexistent-kavrel-fuzz/m.3ds");
  if (!C3dsReader().Load(model.Model, buffer, model.FilePath)) return 0;
  FuzzNoteLoaded();
  model.TakeModel();
  std::size_t corners = 0;
  for (const Object3ds& object : model.Model.objects) {
    if (object.faces.size() != std::size_t(object.faceCount) * 3) FuzzFinding("face count and list differ");
    if (object.normals.size() != object.vertices.size()) FuzzFinding("a vertex without a normal");
    corners += object.faces.size();
  }
  if (model.Mesh().vertices.size() != corners) FuzzFinding("the mesh lost or gained corners");
  return 0;
}
