#pragma once

// The arithmetic of one row of option buttons: a button spans one or more grid columns, and
// the buttons whose left edge lies inside a wider neighbour are hidden. Lengths are design
// pixels at scale 1.

#include "model/WindowLayout.h"

#include <cstddef>
#include <vector>

namespace OptionButtonRow {

using WindowLayout::KeyWidth;
inline constexpr int ColumnPitch = 64; // a key and the gap after it
inline constexpr int ColumnCount = 5;

// One button of a row: its left edge, its width and whether it is shown.
struct TCell {
    int X = 0;
    int Width = KeyWidth;
    bool IsVisible = true;
};
using TRow = std::vector<TCell>; // left to right

// The widest a button can be: all columns, without the gap after the last.
inline constexpr int WidestButton = ColumnCount * ColumnPitch - (ColumnPitch - KeyWidth);

// How many columns a button AWidth wide spans: 1 for a key's width, ColumnCount for WidestButton.
constexpr int ColumnsSpanned(int AWidth) { return (AWidth + ColumnPitch - KeyWidth) / ColumnPitch; }

// The grid's right edge for a grid whose first column starts at AFirstColumnX.
constexpr int GridRightEdge(int AFirstColumnX) { return AFirstColumnX + WidestButton; }

// The width after one more column. A button already reaching ARightEdge, or one that would
// pass it, goes back to one column (IsReset).
struct TWidthStep {
    int Width = KeyWidth;
    bool IsReset = false;
};
TWidthStep NextOptionButtonWidth(int AX, int AWidth, int ARightEdge);

// Hides (and narrows to one column) every button whose left edge lies inside ACover.
void HideCoveredOptionButtons(TRow& ARow, const TCell& ACover);

// Re-flows the row after button AIndex changed width: unless that button is hidden, every
// button is shown again and then each one, left to right, hides those it covers.
void ArrangeOptionButtonRow(TRow& ARow, std::size_t AIndex);

// Shows every button that starts right of AX + AWidth.
void ShowUncoveredOptionButtons(TRow& ARow, int AWidth, int AX);

} // namespace OptionButtonRow
