// The data list's switch columns and the crystal view they drive.
#include <wx/grid.h>

#include "app/tessaragui_frame.h"
#include "view/draw_crystal_data.h"

namespace {

enum SwitchColumn { kComputeColumn = 1, kShowColumn = 2, kMoveColumn = 3 };

const wxColour kWhite(255, 255, 255);

wxColour toWxColour(const RgbColour& colour) {
    return wxColour(static_cast<unsigned char>(colour.red), static_cast<unsigned char>(colour.green),
                    static_cast<unsigned char>(colour.blue));
}

}  // namespace

void TessaraguiFrame::OnGridCellLeftClick(wxGridEvent& event) {
    // Handled here only: the grid's own click handling would start a selection.
    const int row = event.GetRow(), column = event.GetCol();
    if (row < 0 || row >= dataGrid->GetNumberRows() || row >= static_cast<int>(loadedStructures.size())) return;
    const int id = loadedStructures[row].id();
    const wxString value = dataGrid->GetCellValue(row, column);

    switch (column) {
        case kComputeColumn:
            if (value == "TRUE") dataGrid->SetCellValue(row, column, "FALSE");
            else if (value == "FALSE") dataGrid->SetCellValue(row, column, "TRUE");
            break;
        case kShowColumn:
            if (value == "TRUE") {
                dataGrid->SetCellValue(row, column, "FALSE");
                crystalView->hideStructure(id);
                dataGrid->SetCellBackgroundColour(row, column, kWhite);
            } else if (value == "FALSE") {
                RgbColour colour;
                // Refused (ten are shown): the cell stays "FALSE".
                if (crystalView->showStructure(loadedStructures[row], colour)) {
                    dataGrid->SetCellValue(row, column, "TRUE");
                    dataGrid->SetCellBackgroundColour(row, column, toWxColour(colour));
                }
            }
            dataGrid->ForceRefresh();
            break;
        case kMoveColumn:
            for (int i = 0; i < dataGrid->GetNumberRows() && i < static_cast<int>(loadedStructures.size()); ++i) {
                dataGrid->SetCellValue(i, kMoveColumn, "FALSE");
                crystalView->setActiveStructure(loadedStructures[i].id(), false);
            }
            dataGrid->SetCellValue(row, kMoveColumn, "TRUE");
            crystalView->setActiveStructure(id, true);
            break;
        default:
            break;
    }
}

int TessaraguiFrame::markedRow() const {
    for (int row = 0; row < dataGrid->GetNumberRows(); ++row)
        if (dataGrid->GetCellValue(row, kMoveColumn) == "TRUE") return row;
    return -1;
}

// The view keeps showing its structures across a reload, so the grid must say
// so: a "FALSE" there would let a click show a second copy no click could hide.
void TessaraguiFrame::restoreViewColumns(int moveRow) {
    if (!crystalView) return;
    for (int row = 0; row < dataGrid->GetNumberRows() && row < static_cast<int>(loadedStructures.size()); ++row) {
        RgbColour colour;
        if (crystalView->shownColour(loadedStructures[row].id(), colour)) {
            dataGrid->SetCellValue(row, kShowColumn, "TRUE");
            dataGrid->SetCellBackgroundColour(row, kShowColumn, toWxColour(colour));
        }
    }
    if (moveRow >= 0 && moveRow < dataGrid->GetNumberRows()) dataGrid->SetCellValue(moveRow, kMoveColumn, "TRUE");
}
