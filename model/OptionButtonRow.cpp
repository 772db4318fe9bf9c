#include "model/OptionButtonRow.h"

namespace OptionButtonRow {

// A width no double-click produces (from a hand-edited settings file) would never meet the edge
// exactly and so grow past it; it is reset there instead.
TWidthStep NextOptionButtonWidth(int AX, int AWidth, int ARightEdge) {
    if (AX + AWidth == ARightEdge) return {KeyWidth, true};
    const int wider = AWidth + ColumnPitch;
    if (AX + wider > ARightEdge) return {KeyWidth, true};
    return {wider, false};
}

void HideCoveredOptionButtons(TRow& ARow, const TCell& ACover) {
    for (TCell& cell : ARow) {
        if (ACover.X < cell.X && ACover.X + ACover.Width > cell.X) {
            cell.IsVisible = false;
            cell.Width = KeyWidth;
        }
    }
}

// Left to right, a button hidden by a wider neighbour is already back at one column when its
// own turn comes, so it covers nothing; one covered only by a hidden button reappears.
void ArrangeOptionButtonRow(TRow& ARow, std::size_t AIndex) {
    if (AIndex >= ARow.size() || !ARow[AIndex].IsVisible) return;
    for (TCell& cell : ARow) cell.IsVisible = true;
    for (const TCell& cover : ARow) HideCoveredOptionButtons(ARow, TCell(cover));
}

void ShowUncoveredOptionButtons(TRow& ARow, int AWidth, int AX) {
    for (TCell& cell : ARow)
        if (cell.X > AX + AWidth) cell.IsVisible = true;
}

} // namespace OptionButtonRow
