#include "cells/dynamic/iterations/iterationtable.h"

#include <algorithm>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/iterations/iterationtexts.h"
#include "cells/texts/cgtextmap.h"
#include "cells/texts/valuetext.h"
#include "model/autocolor.h"
#include "model/cellmap.h"
#include "model/globals.h"
#include "model/valueformat.h"

namespace {
constexpr double kDegreesPerRadian = 57.2957795131;

// Shown as the value's own caption shows it (no "-0").
QString Shown(double value, float chosenOn, float step) {
  ValueTextBuffer text;
  text.AddNumber(value, ChooseNumberDecimals(chosenOn, step));
  return text.View().toString();
}

QString TableValue(const CGTmVariable& cell, float value) {
  if (!cell.ShowsDegrees()) return Shown(value, value, cell.m_fSize);
  const double degrees = value * kDegreesPerRadian;
  return Shown(degrees, static_cast<float>(degrees), cell.m_fSize) + QString::fromUtf8(kTextIterationDegrees);
}

int WidestEntry(const std::vector<std::vector<QString>>& rows, size_t column) {
  qsizetype widest = 2;
  for (const auto& row : rows) widest = std::max(widest, row[column].size());
  return static_cast<int>(widest);
}
}  // namespace

RGBA IterationLevelColour(int level, int depth, BYTE alpha) {
  double rgb[3];
  HslToRgb(rgb, 1.0 - static_cast<double>(level) / (depth + 1.0), 1.0, 0.5);
  const auto byte = [](double c) { return static_cast<BYTE>(c * 255 + 0.5); };
  return {byte(rgb[0]), byte(rgb[1]), byte(rgb[2]), alpha};
}

IterationTableTexts ComposeIterationTable(const CGIterate& iteration) {
  IterationTableTexts table;
  std::vector<std::pair<const CGTmVariable*, int>> columns;  // cell and buffer column
  for (size_t j = 0; j < iteration.m_table.size(); ++j) {
    const CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(iteration.m_table[j]) : nullptr;
    if (cell && cell->IsKindOf(RUNTIME_CLASS(CGTmVariable)))
      columns.emplace_back(static_cast<const CGTmVariable*>(cell), static_cast<int>(j) + 1);
  }
  std::vector<QString> head{QString::fromUtf8(kTextIterationLevelHead)};
  for (const auto& column : columns) head.push_back(column.first->m_strName);
  table.rows.push_back(std::move(head));
  const size_t needed = CGIterate::kTableRows * (iteration.m_table.size() + 1);
  const int rows = iteration.m_tableBuffer.size() == needed ? iteration.RecordedRows() : 0;
  for (int r = 0; r < rows; ++r) {
    const float* values = iteration.TableRow(r);
    std::vector<QString> row{QString::asprintf("%2d", static_cast<int>(values[0]))};
    for (const auto& [cell, index] : columns) row.push_back(TableValue(*cell, values[index]));
    table.rows.push_back(std::move(row));
  }
  if (iteration.TableOrientation() == 0) {
    table.widths.push_back(3);
    for (size_t c = 1; c < table.rows[0].size(); ++c) table.widths.push_back(WidestEntry(table.rows, c) + 1);
    return table;
  }
  std::vector<std::vector<QString>> transposed(table.rows[0].size());
  for (size_t c = 0; c < transposed.size(); ++c)
    for (const auto& row : table.rows) transposed[c].push_back(row[c]);
  table.rows = std::move(transposed);
  table.widths.clear();
  for (size_t c = 0; c < table.rows[0].size(); ++c) table.widths.push_back(WidestEntry(table.rows, c) + 1);
  return table;
}
