// Scratch: sweeps seeds given by KV_SWEEP="start from to steps".
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include "documenttestsupport.h"
#include "support/documentsteps.h"

namespace KAVREL_FILE_LOCAL {
class SeedSweep : public DocumentFileTest {};
TEST_F(SeedSweep, Run) {
  const char* env = std::getenv("KV_SWEEP");
  if (!env) GTEST_SKIP();
  int start = 0, from = 0, to = 0, steps = 200;
  std::sscanf(env, "%d %d %d %d", &start, &from, &to, &steps);
  for (int seed = from; seed < to; ++seed) {
    CKavrelDoc doc;
    const std::string fault = RunDocumentSteps(doc, start, static_cast<std::uint32_t>(seed), steps, folder.path());
    if (!fault.empty()) std::printf("FAIL start %d seed %d: %s\n", start, seed, fault.c_str());
    std::fflush(stdout);
  }
}
}  // namespace KAVREL_FILE_LOCAL
#include <random>
#include "model/cgpage.h"
#include "model/cgcell.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "support/documentfiles.h"
namespace KAVREL_FILE_LOCAL {
TEST_F(SeedSweep, Inspect) {
  const char* env = std::getenv("KV_INSPECT");
  if (!env) GTEST_SKIP();
  int start = 0, seed = 0, steps = 0, id = 0;
  std::sscanf(env, "%d %d %d %d", &start, &seed, &steps, &id);
  if (const char* pre = std::getenv("KV_PRE")) {
    int s0 = 0, from = 0, to = 0;
    std::sscanf(pre, "%d %d %d", &s0, &from, &to);
    for (int k = from; k < to; ++k) {
      CKavrelDoc before;
      RunDocumentSteps(before, s0, static_cast<std::uint32_t>(k), 200, folder.path());
    }
  }
  CKavrelDoc doc;
  BuildStepsDocument(doc, start, folder.path());
  std::mt19937 random(static_cast<std::uint32_t>(seed));
  DocumentSteps driver(doc, [&random](unsigned n) { return n ? static_cast<unsigned>(random() % n) : 0u; });
  const auto recordOf = [](CGCell& c) { CArchive ar; c.Serialize(ar); return ar.Bytes(); };
  for (int step = 1; step <= steps; ++step) {
    const std::string what = driver.StepAndCheck();
    if (step == steps) {
      CGPage* cur = g_pCurPage;
      const QByteArray bytes = DocumentBytes(doc);
      CKavrelDoc re;
      CArchive in(bytes);
      in.Context().bOlderLayout = true;
      re.Serialize(in);
      for (size_t k = 0; k < doc.m_pages.size(); ++k) {
        const CGPage& a = *doc.m_pages[k]; const CGPage& b = *re.m_pages[k];
        std::printf("page %zu id %d: cells %zu/%zu next %d/%d vertex %d/%d letter %d/%d suffix %d/%d circle %d/%d text %d/%d button %d/%d auto %d/%d\n", k, a.m_nId,
          a.m_cells.size(), b.m_cells.size(), a.m_nNextId, b.m_nNextId, a.m_nNextVertex, b.m_nNextVertex, a.m_chNameLetter, b.m_chNameLetter,
          a.m_chNameSuffix, b.m_chNameSuffix, a.m_nCircleCounter, b.m_nCircleCounter, a.m_nTextSlot, b.m_nTextSlot, a.m_nButtonSlot, b.m_nButtonSlot, a.m_nAutoButton, b.m_nAutoButton);
        SetCurrentPage(doc.m_pages[k].get());
        for (auto [cid, c] : doc.m_pages[k]->m_cells) {
          CGCell* o = re.m_pages[k]->m_cells.Lookup(cid);
          if (!o) { std::printf("page %zu cell %d missing after reopen\n", k, cid); continue; }
          if (recordOf(*c) != recordOf(*o)) {
            const QByteArray x = recordOf(*c), y = recordOf(*o);
            int at = 0; while (at < x.size() && at < y.size() && x[at] == y[at]) ++at;
            std::printf("  record sizes %d/%d first difference at %d: %s / %s\n", int(x.size()), int(y.size()), at, x.mid(at, 16).toHex().constData(), y.mid(at, 16).toHex().constData());
          }
          if (recordOf(*c) != recordOf(*o))
            std::printf("page %zu cell %d %s differs: defined %d/%d hidden %d/%d value %.9g/%.9g name %s/%s\n", k, cid,
                        c->GetRuntimeClass()->m_lpszClassName, c->m_bDefined, o->m_bDefined, c->m_bHidden, o->m_bHidden,
                        c->m_fValue, o->m_fValue, c->m_strName.toUtf8().constData(), o->m_strName.toUtf8().constData());
        }
      }
      SetCurrentPage(cur);
    }
    std::printf("step %d: %s page %d\n", step, what.c_str(), g_pCurPage ? g_pCurPage->m_nId : -1);
    const CGCell* cell = g_pCurPage ? g_pCurPage->m_cells.Lookup(static_cast<WORD>(id)) : nullptr;
    if (cell) {
      std::printf("  cell %d %s defined %d value %.9g parents", id, cell->GetRuntimeClass()->m_lpszClassName, cell->m_bDefined, cell->m_fValue);
      for (WORD p : cell->m_parents) {
        const CGCell* pc = g_pCurPage->m_cells.Lookup(p);
        std::printf(" %d:%s(%.9g)", p, pc ? pc->GetRuntimeClass()->m_lpszClassName : "?", pc ? pc->m_fValue : 0.0f);
      }
      std::printf(" children");
      for (WORD c : cell->m_children) std::printf(" %d", c);
      std::printf(" name %s anchor %.9g %.9g %.9g hidden %d style %d sub %d size %.9g\n", cell->m_strName.toUtf8().constData(),
                  cell->m_vLabelAnchor[0], cell->m_vLabelAnchor[1], cell->m_vLabelAnchor[2], cell->m_bHidden, cell->m_nStyle, cell->m_nSubKind, cell->m_fSize);
    }
  }
}
}  // namespace KAVREL_FILE_LOCAL
