// kvdump FILE.kv
//
// Loads the document as the program does (recomputation included) and prints,
// page by page in document order:
//   page <TAB> id <TAB> name
//   cell <TAB> id <TAB> class <TAB> name <TAB> defined 0|1 <TAB> parent ids joined by ","
// one cell line per cell in ascending id order; points (CGVertex and its
// kinds) add x, y and z as "%.4f"; a hull adds its vertex, edge and face
// counts, a section its corner count, a net its face count and deepest
// level, a stepwise cut its plane count and cuts done, a 3DS model its
// object, vertex and face counts; measured values (CGTmVariable and its
// kinds) add the value as "%.4f" and the caption's value text; loci and
// curves add their sample count; vectors add x, y and z as "%.4f" and the
// value text; a value attached to a point adds the value as "%.4f", the
// caption text and the offset's x, y and z as "%.4f"; a button adds its
// mode (sub-kind), an animation button then its start, end and step, a move
// button its step (the shortest text of each float); view buttons add their
// start, end (rotation: start w x y z, angle, axis x y z; pan: start and
// target x y z; zoom: start and target) and duration as "%.4f".  A page
// with an automatic button is followed by
//   auto <TAB> button id
// A file that fails to
// load prints the loader's message and exits with 1.
#include <QGuiApplication>
#include <QStringList>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/classregistration.h"
#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/buttons/viewbuttons.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/tracks/track.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/surfaces/surface.h"
#include "cells/dynamic/vectors/attachedvalue.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/solids/model3ds/cgmodel3ds.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "cells/texts/cgtextmap.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "platform/notifier.h"
#include "platform/numberformat.h"

namespace {
// The shortest text that reads back as the same float.
QString Exact(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return QString::fromLatin1(text, result.ptr - text);
}

// A button's mode, and the range and step of what it drives.
void AddButtonFields(const CGButton& button, QStringList& fields) {
  fields << QString::number(button.m_nSubKind);
  if (const auto* animation = dynamic_cast<const CGButnAnimation*>(&button))
    fields << Exact(animation->m_fStart) << Exact(animation->m_fEnd) << Exact(animation->m_fSpeed);
  else if (const auto* move = dynamic_cast<const CGButnMove*>(&button))
    fields << Exact(move->m_fSpeed);
}

// The loader's messages go to standard error, collected for the exit code.
class PrintingNotifier final : public INotifier {
 public:
  int Show(const QString& text, const QString&, unsigned type) override {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    ++shown;
    return DefaultAnswer(type);
  }
  int shown = 0;
};

QString Line(const QStringList& fields) { return fields.join(QLatin1Char('\t')); }

void Print(const QString& line) { std::printf("%s\n", line.toUtf8().constData()); }
}  // namespace

// Start, end and duration of a view button.
static void AddViewButtonFields(const CGViewButton& view, QStringList& fields) {
  std::vector<float> values;
  if (const auto* r = dynamic_cast<const CGButnRotate*>(&view)) {
    values = {r->StartW(), r->m_fStart[0], r->m_fStart[1], r->m_fStart[2], r->AngleDegrees(),
              r->m_fAxis[0], r->m_fAxis[1], r->m_fAxis[2]};
  } else if (const auto* t = dynamic_cast<const CGButnTranslate*>(&view)) {
    values = {t->m_fStart[0], t->m_fStart[1], t->m_fStart[2], t->m_fTarget[0], t->m_fTarget[1], t->m_fTarget[2]};
  } else if (const auto* z = dynamic_cast<const CGButnScale*>(&view)) {
    values = {z->m_fStart, z->m_fTarget};
  }
  values.push_back(view.m_fDuration);
  for (float v : values) fields << FormatNumber("%.4f", v);
}

int main(int argc, char** argv) {
  // Some cells render text or pictures as they load: a screen-less platform serves.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: kvdump FILE.kv\n");
    return 2;
  }
  RegisterAllClasses();
  SetNotifier(std::make_unique<PrintingNotifier>());
  CKavrelDoc doc;
  // Named like any document: a file without the header is in the older layout.
  if (!doc.OnOpenDocument(args[1], true)) return 1;
  for (const auto& page : doc.m_pages) {
    Print(Line({QStringLiteral("page"), QString::number(page->m_nId), page->m_strName}));
    if (page->m_nAutoButton != 0) Print(Line({QStringLiteral("auto"), QString::number(page->m_nAutoButton)}));
    for (auto [id, cell] : page->m_cells) {
      QStringList parents;
      for (WORD parent : cell->m_parents) parents << QString::number(parent);
      QStringList fields{QStringLiteral("cell"), QString::number(id),
                         QString::fromLatin1(cell->GetRuntimeClass()->m_lpszClassName), cell->m_strName,
                         QString::number(cell->m_bDefined ? 1 : 0), parents.join(QLatin1Char(','))};
      if (cell->IsKindOf(RUNTIME_CLASS(CGVertex))) {
        for (float v : static_cast<const CGVertex*>(cell)->m_vPos) fields << FormatNumber("%.4f", v);
      } else if (const auto* hull = dynamic_cast<const CGPolyhedron*>(cell)) {
        fields << QString::number(hull->Points.size()) << QString::number(hull->Edges.size())
               << QString::number(hull->Faces.size());
      } else if (const auto* section = dynamic_cast<const CGSection*>(cell)) {
        fields << QString::number(section->Polygon.size());
      } else if (const auto* net = dynamic_cast<const CGFold*>(cell)) {
        fields << QString::number(net->NetFaces.size()) << QString::number(net->DeepestLevel);
      } else if (const auto* cut = dynamic_cast<const CGSplit*>(cell)) {
        fields << QString::number(cut->m_nPlanes) << QString::number(cut->m_nCutsDone);
      } else if (const auto* model = dynamic_cast<const CGModel3ds*>(cell)) {
        fields << QString::number(model->Model.objectCount) << QString::number(model->Model.VertexTotal())
               << QString::number(model->Model.FaceTotal());
      } else if (const auto* locus = dynamic_cast<const CGLocus*>(cell)) {
        fields << QString::number(locus->SampleCount);
      } else if (const auto* curve = dynamic_cast<const CGCurve*>(cell)) {
        fields << QString::number(curve->SampleCount);
      } else if (const auto* surface = dynamic_cast<const CGSurface*>(cell)) {
        fields << QString::number(surface->ColumnCount) << QString::number(surface->RowCount);
      } else if (cell->IsKindOf(RUNTIME_CLASS(CGTmVariable))) {
        fields << FormatNumber("%.4f", cell->m_fValue) << static_cast<CGTmVariable*>(cell)->CurrentValueText();
      } else if (const auto* vector = dynamic_cast<const CGTmVector*>(cell)) {
        for (float v : vector->m_vVector) fields << FormatNumber("%.4f", v);
        fields << vector->m_strValueText;
      } else if (const auto* attached = dynamic_cast<const CGTmVarAfterP*>(cell)) {
        fields << FormatNumber("%.4f", attached->m_fValue) << attached->m_strValueText;
        for (float v : attached->m_vOffset) fields << FormatNumber("%.4f", v);
      } else if (const auto* button = dynamic_cast<const CGButton*>(cell)) {
        AddButtonFields(*button, fields);
        if (const auto* view = dynamic_cast<const CGViewButton*>(cell)) AddViewButtonFields(*view, fields);
      } else if (const auto* iteration = dynamic_cast<const CGIterate*>(cell)) {
        fields << QString::number(iteration->m_nSources) << QString::number(iteration->m_nMappings)
               << QString::number(iteration->m_nDepth) << QString::number(iteration->m_chain.size());
      } else if (const auto* track = dynamic_cast<const CGTrack*>(cell)) {
        fields << QString::number(track->CopyCount());
      }
      Print(Line(fields));
    }
  }
  return 0;
}
