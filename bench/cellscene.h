// The benchmarks' empty scene: a fresh process with the cell classes
// registered and one current page, put away afterwards; and the loop that
// ticks the page's running buttons and reports the allocations per tick.
#pragma once
#include <benchmark/benchmark.h>

#include <memory>

#include "cells/cellclasses.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/runningbuttons.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"

namespace bench {

struct CellScene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());

  explicit CellScene(int vertices) {
    RegisterCellClasses();
    SetCurrentPage(page.get());
    ReserveVertexArray(vertices);
  }
  ~CellScene() {
    SetCurrentPage(nullptr);
    page.reset();
    ResetProcessState();
  }
  template <class T>
  T* Enter(T* cell) {
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }
};

// The benchmark's loop over ticks of the running buttons, after a first
// tick; `allocations` reads the program's allocation count.
template <class Count>
void TickRunningButtons(benchmark::State& state, Count allocations, bool counting) {
  StepRunningButtons();
  long ticks = 0;
  const long before = allocations();
  for (auto _ : state) {
    if (!StepRunningButtons()) return state.SkipWithError("the buttons stopped");
    ++ticks;
  }
  state.counters["allocations_per_tick"] = static_cast<double>(allocations() - before) / static_cast<double>(ticks);
  state.counters["counting"] = counting;
}

}  // namespace bench
