// The ground of the merged tools' tests: a scene of every kind of cell the
// tools tell apart, recording stand-ins for every command a tool calls,
// and a probe command that runs one tool, so that the construction checks
// of the command page apply to the builds the tools make themselves.
#pragma once
#include <array>
#include <memory>
#include <vector>

#include "model/document/commandtable.h"
#include "support/commandpage.h"

namespace dispatchtest {

enum Cell { A, B, C, D, E, F, AB, CD, EF, ABC, ABD, EFC, Circle, Circle2, OnLine, OnCircle, Perpen, Button1,
            Button2, Button3, K1, K2, K3, K4, Param, Text1, Text2, kCells };
using Cells = std::array<WORD, kCells>;

// Fully free points A (0, 0, 0), B (4, 0, 0), C (0, 3, 0), D (0, 0, 5),
// E (1, -1, 0), F (3, -1, 0); segments AB, CD, EF; faces ABC and EFC
// (level) and ABD (upright); circles about A through B and C; points free
// on AB, on the circle and on the normal of ABC at A; three show/hide
// buttons; values |AC|, x of D, |AB|, |BC|; a parameter; two formula texts.
Cells Scene(CommandPage& p);
std::vector<WORD> Ids(const Cells& c, const std::vector<Cell>& which);

// One call of a stand-in: the command and the selection it found.
struct Call {
  unsigned id;
  std::vector<WORD> selection;
};

// While it lives, every command the tools may call is a recording stand-in:
// it takes one vertex slot (the point tool counts them) and one id (the
// curve tool looks for a new cell), except the commands in `inert`.
class StandIns {
 public:
  explicit StandIns(std::vector<unsigned> inert = {});
  ~StandIns();
  const std::vector<Call>& Calls() const;
  std::vector<unsigned> Ids() const;

 private:
  std::vector<std::unique_ptr<CDocCommandStandIn>> m_rows;
};

// Runs tool `kind` through the registry as command kProbe; its result is kept.
inline constexpr unsigned kProbe = 59990;
class Probe {
 public:
  explicit Probe(CommandPage& p, int kind);
  ~Probe();
  int result = -1;
};

}  // namespace dispatchtest
