#include "app/tessaragui_frame.h"

#include <wx/grid.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "app/menu_ids.h"
#include "app/wx_text.h"
#include "model/data_list_text.h"
#include "view/draw_crystal_data.h"

namespace {

constexpr int kGridWidth = 150;
constexpr int kGridColumns = 4;
const char* const kColumnLabels[kGridColumns] = {"ID", "Compute", "Show", "Move"};

// The similarity menu in its order; ids, texts and titles come from the core's method table.
constexpr SimilarityMethod kSimilarityMenu[] = {SimilarityMethod::Pdf, SimilarityMethod::PdfModified,
                                                SimilarityMethod::DistanceAngle, SimilarityMethod::Histogram,
                                                SimilarityMethod::Cumulative};

int menuId(SimilarityMethod method) { return methodInfo(method).menuId; }

}  // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(TessaraguiFrame, wxFrame)
    EVT_MENU(ID_QUIT, TessaraguiFrame::OnQuit)
    EVT_MENU(ID_ABOUT, TessaraguiFrame::OnAbout)
    EVT_MENU(ID_OPEN, TessaraguiFrame::OnOpen)
    EVT_MENU(ID_COMPUTE_FINGERPRINT, TessaraguiFrame::OnComputeFingerPrint)
    EVT_MENU(ID_COMPUTE_PDF, TessaraguiFrame::OnComputePdf)
    EVT_MENU(ID_COMPUTE_FINGERPRINT_A, TessaraguiFrame::OnComputeFingerPrint_a)
    EVT_MENU(ID_COMPUTE_HISTOGRAM, TessaraguiFrame::OnComputeHistogram)
    EVT_MENU(ID_COMPUTE_CUMULATIVE_HISTOGRAM, TessaraguiFrame::OnComputeCumulativeHistogram)
    EVT_MENU(ID_MOVE_ASYMMETRIC_PART, TessaraguiFrame::OnMoveAsymmetricPart)
    EVT_MENU(ID_INVERT_ASYMMETRIC_PART, TessaraguiFrame::OnInvertAsymmetricPart)
    EVT_GRID_CMD_CELL_LEFT_CLICK(ID_DATA_LIST, TessaraguiFrame::OnGridCellLeftClick)
wxEND_EVENT_TABLE()
// clang-format on

TessaraguiFrame::TessaraguiFrame(const wxString& title, const wxPoint& position, const wxSize& size)
    : wxFrame(nullptr, wxID_ANY, title, position, size, wxDEFAULT_FRAME_STYLE, "frame") {
    buildMenus();
    CreateStatusBar(1, wxSTB_DEFAULT_STYLE, wxID_ANY, "status_line");
    buildControls();
    crystalView = new DrawCrystalData(this, "Crystal view", wxDefaultPosition, wxSize(400, 300),
                                      wxDEFAULT_FRAME_STYLE & ~wxCLOSE_BOX);
}

void TessaraguiFrame::buildMenus() {
    auto* file = new wxMenu;
    file->Append(ID_OPEN, "&Open\tCtrl+O", "Open file.");
    file->AppendSeparator();
    file->Append(ID_ABOUT, "&About...", "about...");
    file->AppendSeparator();
    file->Append(ID_QUIT, "E&xit", "quit program");

    auto* similarity = new wxMenu;
    for (SimilarityMethod method : kSimilarityMenu)
        similarity->Append(menuId(method), methodInfo(method).menuText, "Compute Similarity");

    auto* compute = new wxMenu;
    compute->Append(ID_MOVE_ASYMMETRIC_PART, "&Move asymmetric part", "");
    compute->Append(ID_INVERT_ASYMMETRIC_PART, "&Invert asymmetric part", "");

    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(similarity, "&Similarity");
    bar->Append(compute, "&Compute");
    SetMenuBar(bar);
}

void TessaraguiFrame::buildControls() {
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    const wxSize client = GetClientSize();

    cmdWindow = new wxTextCtrl(this, 0, wxEmptyString, wxDefaultPosition, client,
                               wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL, wxDefaultValidator, "cmd win");
    sizer->Add(cmdWindow, 0, wxALL, 0);

    dataGrid = new wxGrid(this, ID_DATA_LIST, wxDefaultPosition, wxSize(kGridWidth, client.y), wxWANTS_CHARS,
                          "data list");
    dataGrid->CreateGrid(1, kGridColumns, wxGrid::wxGridSelectCells);
    for (int c = 0; c < kGridColumns; ++c) dataGrid->SetColLabelValue(c, kColumnLabels[c]);
    dataGrid->SetColLabelSize(20);
    dataGrid->SetRowLabelSize(0);
    // The four columns share the grid's width; integer division, the last three one narrower.
    dataGrid->SetColSize(0, kGridWidth / kGridColumns);
    for (int c = 1; c < kGridColumns; ++c) dataGrid->SetColSize(c, kGridWidth / kGridColumns - 1);
    dataGrid->DeleteRows(0, 1);
    sizer->Add(dataGrid, 0, wxALL, 0);

    SetSizer(sizer);
    sizer->SetSizeHints(this);
    sizer->Fit(this);
}

void TessaraguiFrame::addStructure(LoadedStructure entry) {
    entry.setId(static_cast<int>(loadedStructures.size()));
    loadedStructures.push_back(std::move(entry));
}

void TessaraguiFrame::refreshDataList() {
    if (!cmdWindow || !dataGrid) return;
    const int marked = markedRow();
    dataGrid->BeginBatch();
    if (dataGrid->GetNumberRows() > 0) dataGrid->DeleteRows(0, dataGrid->GetNumberRows());
    appendToCommandWindow(dataListText(loadedStructures));
    for (const LoadedStructure& entry : loadedStructures) {
        const int row = dataGrid->GetNumberRows();
        dataGrid->AppendRows(1);
        dataGrid->SetCellValue(row, 0, wxString::Format("%d", entry.id()));
        dataGrid->SetCellValue(row, 1, "TRUE");
        dataGrid->SetCellValue(row, 2, "FALSE");
        dataGrid->SetCellValue(row, 3, "FALSE");
        for (int c = 0; c < kGridColumns; ++c) dataGrid->SetReadOnly(row, c);
    }
    restoreViewColumns(marked);
    dataGrid->EndBatch();
}

void TessaraguiFrame::appendToCommandWindow(const std::string& text) {
    if (!cmdWindow) return;
    cmdWindow->SetInsertionPointEnd();
    cmdWindow->WriteText(toWx(text));
}

void TessaraguiFrame::OnAbout(wxCommandEvent&) {
    wxMessageBox("This is a wxWidgets Tessara aplication", "About Tessara", wxOK | wxICON_INFORMATION, this);
}

void TessaraguiFrame::OnQuit(wxCommandEvent&) { Close(true); }
