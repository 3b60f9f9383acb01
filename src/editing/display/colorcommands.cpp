// The colour gallery's commands 2000 to 2026: the sixteen named colours and
// random colours, which act on the selection of the current page and are
// not recorded in the undo history.  Each starts from the first selected
// cell's colour and opacity (the custom colour and opacity commands open
// their dialogs with them).
#include <cmath>
#include <vector>

#include "cells/texts/cgtbvodtext.h"
#include "editing/graphing/parametriccolor.h"
#include "formula/control/formulatables.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/selection.h"
#include "platform/commandids.h"
#include "platform/crtrandom.h"
#include "platform/uibridge.h"

namespace {
double Uniform() { return static_cast<double>(KvRand()) / KV_RAND_MAX; }

template <int index>
void OnPaletteColor(CKavrelDoc& doc) {
  TakeColorFromSelection();
  const COLORREF colour = CommandColour(kFirstColourCommand + index).value_or(0);
  if (ApplyColorToSelection(colour)) {
    g_pCurPage->ClearSelection();
    doc.SetModifiedFlag();
  } else {
    g_rgbaInk.r = static_cast<BYTE>(colour & 0xFF);
    g_rgbaInk.g = static_cast<BYTE>(colour >> 8 & 0xFF);
    g_rgbaInk.b = static_cast<BYTE>(colour >> 16 & 0xFF);
  }
  UiBridge().UpdateAllViews();
}

// Gives up the j-th free slot (from 1) of a set of n slots; slot 0 when
// fewer than j are free.  A Fenwick tree keeps each step logarithmic.
class CFreeSlots {
 public:
  explicit CFreeSlots(int n) : m_tree(static_cast<size_t>(n) + 1, 0), m_n(n) {
    for (int i = 1; i <= n; ++i) {
      m_tree[static_cast<size_t>(i)] += 1;
      const int up = i + (i & -i);
      if (up <= n) m_tree[static_cast<size_t>(up)] += m_tree[static_cast<size_t>(i)];
    }
    m_free = n;
  }
  int Take(int j) {
    const int slot = j >= 1 && j <= m_free ? Find(j) : 0;
    Remove(slot);
    return slot;
  }

 private:
  bool IsFree(int slot) const { return Prefix(slot + 1) - Prefix(slot) == 1; }
  int Prefix(int count) const {
    int sum = 0;
    for (int i = count; i > 0; i -= i & -i) sum += m_tree[static_cast<size_t>(i)];
    return sum;
  }
  int Find(int j) const {  // the 0-based slot holding the j-th free one
    int pos = 0, step = 1;
    while (step * 2 <= m_n) step *= 2;
    for (; step > 0; step /= 2)
      if (pos + step <= m_n && m_tree[static_cast<size_t>(pos + step)] < j) {
        pos += step;
        j -= m_tree[static_cast<size_t>(pos)];
      }
    return pos;
  }
  void Remove(int slot) {
    if (!IsFree(slot)) return;
    for (int i = slot + 1; i <= m_n; i += i & -i) m_tree[static_cast<size_t>(i)] -= 1;
    --m_free;
  }
  std::vector<int> m_tree;
  int m_n;
  int m_free = 0;
};

BYTE ToByte(double component) { return static_cast<BYTE>(std::lround(component * 255.0)); }

// Every selected cell gets its own hue, evenly spaced around the wheel in
// random order, with one saturation and lightness for all.
void OnRandomColors(CKavrelDoc& doc) {
  TakeColorFromSelection();
  CGPage* page = g_pCurPage;
  if (!page) return;
  const std::vector<CGCell*> cells = page->SelectedCells();
  const int n = static_cast<int>(cells.size());
  if (n == 0) return;
  const double s = 0.5 + 0.5 * Uniform();
  const double l = 0.25 + 0.5 * Uniform();
  const double h0 = Uniform();
  CFreeSlots freeSlots(n);
  int r = n - 1;
  for (CGCell* cell : cells) {
    const int j = static_cast<int>(Uniform() * r + 1);
    const int k = freeSlots.Take(j);
    --r;
    double hue = static_cast<double>(k) / n + h0;
    if (hue > 1) hue -= 1;
    double rgb[3];
    HslToRgb(rgb, hue, s, l);
    cell->m_rgbaColor.r = ToByte(rgb[0]);
    cell->m_rgbaColor.g = ToByte(rgb[1]);
    cell->m_rgbaColor.b = ToByte(rgb[2]);
    if (auto* text = dynamic_cast<CGTbVodText*>(cell)) text->RebuildTexture();
    doc.SetModifiedFlag();
  }
  page->ClearSelection();
  UiBridge().UpdateAllViews();
}

// Ids of the gallery that carry no colour.
void OnNoColor(CKavrelDoc&) { TakeColorFromSelection(); }

const CDocCommandRows rows({
    {2000, OnPaletteColor<0>},  {2001, OnPaletteColor<1>},   {2002, OnPaletteColor<2>},
    {2003, OnPaletteColor<3>},  {2004, OnPaletteColor<4>},   {2005, OnPaletteColor<5>},
    {2006, OnPaletteColor<6>},  {2007, OnPaletteColor<7>},   {2008, OnPaletteColor<8>},
    {2009, OnPaletteColor<9>},  {2010, OnPaletteColor<10>},  {2011, OnPaletteColor<11>},
    {2012, OnPaletteColor<12>}, {2013, OnPaletteColor<13>},  {2014, OnPaletteColor<14>},
    {2015, OnPaletteColor<15>}, {2016, OnNoColor},           {2017, OnNoColor},
    {2018, OnNoColor},          {2019, OnNoColor},           {2020, OnNoColor},
    {2021, OnNoColor},          {2022, OnNoColor},           {2023, OnNoColor},
    {2024, OnNoColor},          {2025, OnNoColor},           {ID_COLOR26, OnRandomColors},
});
}  // namespace
