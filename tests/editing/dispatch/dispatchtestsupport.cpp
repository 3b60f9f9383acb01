#include "dispatchtestsupport.h"

#include <algorithm>
#include <utility>

#include "cells/constrained/linepoints.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/texts/cgtbvodtext.h"
#include "editing/dispatch/builddispatch.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace dispatchtest {
namespace {
// Every command a merged tool calls.
constexpr unsigned kCalled[] = {
    ID_CREATE_POINT_MIDDLE, ID_CREATE_POINT_ONOBJECT, ID_CREATE_POINT_INTER, ID_CREATE_POINT_INOBJ_FT,
    ID_CREATE_POINT_PER_EQ, ID_CREATE_LINE_SEGMENT, ID_CREATE_LINE_HALF, ID_CREATE_LINE_STRAIGHT,
    ID_CREATE_LINE_VECTOR, ID_CREATE_LINE_PERPENDICULAR, ID_CREATE_LINE_PARALLEL, ID_CREATE_FACE, ID_VIEW_FILL,
    ID_CREATE_FACE_PARFACE, ID_CREATE_FACE_PERLINE, kCmdCreateCircleCR, ID_CREATE_CIRCLE_3P,
    ID_CREATE_SOLID_PRISM, ID_CREATE_CYLINDER, ID_CREATE_BOX, ID_CREATE_SOLID_PYRAMID, ID_CREATE_CONE,
    ID_CREATE_SOLID_TRUN, ID_CREATE_PLATFORM, ID_CREATE_GEO, kCmdCreateSphere, ID_MEASURE_FUN, ID_MEASURE_PT,
    ID_MEASURE_PXYZ, ID_MEASURE_D_PP, ID_MEASURE_AREA, ID_MEASURE_LEN_C, ID_MEASURE_VOLUME_S,
    ID_EDIT_LABELMOD, ID_EDIT_LABEL, ID_CREATE_LOCUS, ID_CREATE_CURVE, ID_CREATE_TRACK,
    ID_EDIT_BTN_ANIMATION, ID_EDIT_BTN_HIDESHOW, ID_EDIT_BTN_MOVE, ID_EDIT_BTN_PRESENTAT,
};
constexpr size_t kCount = std::size(kCalled);

std::vector<Call> g_calls;
std::vector<unsigned> g_inert;

void Record(CKavrelDoc&, unsigned id) {
  CGPage& page = *g_pCurPage;
  g_calls.push_back({id, page.m_selAll});
  if (std::find(g_inert.begin(), g_inert.end(), id) != g_inert.end()) return;
  ++page.m_nNextVertex;
  ++page.m_nNextId;
}

template <size_t I>
void RecordAt(CKavrelDoc& doc) {
  Record(doc, kCalled[I]);
}

template <size_t... I>
constexpr std::array<DocCommandHandler, kCount> Recorders(std::index_sequence<I...>) {
  return {RecordAt<I>...};
}
constexpr std::array<DocCommandHandler, kCount> kRecorders = Recorders(std::make_index_sequence<kCount>());
}  // namespace

Cells Scene(CommandPage& p) {
  CGPage& page = p.Page();
  const auto id = [&page] { return page.m_nNextId++; };
  const auto slot = [&page] { return page.m_nNextVertex++; };
  const auto name = [&page] { return page.GetNewName(1); };
  Cells c{};
  c[A] = p.Point(0, 0, 0), c[B] = p.Point(4, 0, 0), c[C] = p.Point(0, 3, 0), c[D] = p.Point(0, 0, 5);
  c[E] = p.Point(1, -1, 0), c[F] = p.Point(3, -1, 0);
  c[AB] = p.Line(c[A], c[B]), c[CD] = p.Line(c[C], c[D]), c[EF] = p.Line(c[E], c[F]);
  c[ABC] = p.Face({c[A], c[B], c[C]}), c[ABD] = p.Face({c[A], c[B], c[D]}), c[EFC] = p.Face({c[E], c[F], c[C]});
  c[Circle] = p.Enter(new CGArcPoint2(id(), c[A], c[B], kArcCircle));
  c[Circle2] = p.Enter(new CGArcPoint2(id(), c[A], c[C], kArcCircle));
  c[OnLine] = p.Enter(new CGVerFreeInLine(id(), slot(), name(), c[AB], 0.5f));
  c[OnCircle] = p.Enter(new CGVerFreeInCircle(id(), slot(), name(), c[Circle], 1.0f));
  c[Perpen] = p.Enter(new CGVerFreePerpen(id(), slot(), name(), c[A], c[B], c[C]));
  page.ClearSelection();  // buttons act on the selection they are made over
  for (Cell k : {Button1, Button2, Button3}) c[k] = p.Enter(new CGButnSHide(id()));
  c[K1] = p.Enter(new CGTmVarDistancePP(id(), c[A], c[C]));
  c[K2] = p.Enter(new CGTmVarCoordX(id(), c[D]));
  c[K3] = p.Enter(new CGTmVarDistancePP(id(), c[A], c[B]));
  c[K4] = p.Enter(new CGTmVarDistancePP(id(), c[B], c[C]));
  c[Param] = p.Enter(new CGTmVarParameter(id(), QStringLiteral("t"), 1.0f));
  for (Cell k : {Text1, Text2})
    c[k] = p.Enter(new CGTbVodText(id(), QStringLiteral("<#><l><e>x</e></l></#>"), 0xFFFFFF, 0));
  return c;
}

std::vector<WORD> Ids(const Cells& c, const std::vector<Cell>& which) {
  std::vector<WORD> ids;
  for (Cell k : which) ids.push_back(c[k]);
  return ids;
}

StandIns::StandIns(std::vector<unsigned> inert) {
  g_calls.clear();
  g_inert = std::move(inert);
  for (size_t i = 0; i < kCount; ++i) m_rows.push_back(std::make_unique<CDocCommandStandIn>(kCalled[i], kRecorders[i]));
}

StandIns::~StandIns() {
  while (!m_rows.empty()) m_rows.pop_back();
  g_calls.clear();
  g_inert.clear();
}

const std::vector<Call>& StandIns::Calls() const { return g_calls; }

std::vector<unsigned> StandIns::Ids() const {
  std::vector<unsigned> ids;
  for (const Call& call : g_calls) ids.push_back(call.id);
  return ids;
}

Probe::Probe(CommandPage& p, int kind) {
  CommandRegistry().Register(
      kProbe, [this, &p, kind](unsigned) { result = BuildFromSelection(p.doc, kind); }, {}, this);
}

Probe::~Probe() { CommandRegistry().Withdraw(this); }

}  // namespace dispatchtest
