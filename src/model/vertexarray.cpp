#include "model/vertexarray.h"

#include <memory>
#include <new>

#include "model/cgpage.h"
#include "model/globals.h"
#include "model/modeltexts.h"
#include "platform/notifier.h"

float* g_pVertexArray = nullptr;

namespace {
constexpr int kSpareSlots = 10;

struct VertexStorage {
  std::unique_ptr<float[]> data;
  int nSlots = 0;
};

VertexStorage& Storage() {
  static VertexStorage storage;
  return storage;
}
}  // namespace

bool ReallocateVertexArray(int capacity) {
  if (capacity < 0 || capacity > kMaxVertexCapacity) return false;
  const int nSlots = capacity + kSpareSlots;
  std::unique_ptr<float[]> data(new (std::nothrow) float[static_cast<size_t>(nSlots) * 3]());
  if (!data) return false;
  VertexStorage& storage = Storage();
  storage.data = std::move(data);
  storage.nSlots = nSlots;
  g_pVertexArray = storage.data.get();
  g_nVertexCapacity = capacity;
  return true;
}

void ResetVertexArray() {
  Storage() = VertexStorage();
  g_pVertexArray = nullptr;
  ReallocateVertexArray(g_nVertexCapacity);
}

int VertexArraySlots() { return g_pVertexArray ? Storage().nSlots : 0; }

void WriteVertexSlot(int slot, const float xyz[3]) {
  if (slot < 0 || slot >= VertexArraySlots()) return;
  float* p = g_pVertexArray + static_cast<size_t>(slot) * 3;
  p[0] = xyz[0];
  p[1] = xyz[1];
  p[2] = xyz[2];
}

bool ReserveVertexArray(int n) {
  const int growth = (n < 50 || n == 100) ? 100 : n + 50;
  const long long capacity = static_cast<long long>(g_nVertexCapacity) + growth;
  if (capacity > kMaxVertexCapacity || !ReallocateVertexArray(static_cast<int>(capacity))) {
    KvMessageBox(QString::fromUtf8(kTextOutOfMemory));
    return false;
  }
  if (g_pCurPage) g_pCurPage->RebuildVertexArray();
  return true;
}

bool ReserveSlotsFor(const CGPage& page, int points, int growth) {
  if (points <= 0) return true;
  if (points > 0xFFFF - page.m_nNextVertex) {  // the 16-bit slot counter must not wrap
    KvMessageBox(QString::fromUtf8(kTextTooManyCells));
    return false;
  }
  const auto shortOfSlots = [&] { return page.m_nNextVertex + points > g_nVertexCapacity; };
  if (shortOfSlots() && !ReserveVertexArray(growth)) return false;
  // A fixed request smaller than the points coming must not leave them
  // beyond the array.
  return !shortOfSlots() || ReserveVertexArray(points);
}
