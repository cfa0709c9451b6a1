// Loading from the File/Open command: the unit of loading is the chosen file's
// directory, every file of it with the same extension.
#include <wx/filedlg.h>

#include "app/tessaragui_frame.h"
#include "app/wx_text.h"
#include "io/directory_scan.h"
#include "io/load_report.h"

void TessaraguiFrame::OnOpen(wxCommandEvent&) {
    wxFileDialog dialog(this, "Choose File :", wxEmptyString, wxEmptyString,
                        "FOX files (*.xml)|*.xml|Cif files (*.cif)|*.cif", wxFD_OPEN | wxFD_FILE_MUST_EXIST,
                        wxDefaultPosition, wxDefaultSize, "filedlg");
    if (dialog.ShowModal() != wxID_OK) return;
    const wxString name = dialog.GetFilename();
    const wxString directory = dialog.GetDirectory();
    if (name.EndsWith(".xml")) scanDirectory(directory, "*.xml");
    if (name.EndsWith(".cif")) scanDirectory(directory, "*.cif");
    refreshDataList();
}

void TessaraguiFrame::scanDirectory(wxString directory, wxString pattern) {
    for (const LoadedFile& file : ::scanDirectory(fromWx(directory), fromWx(pattern))) addLoadedFile(file);
}

void TessaraguiFrame::addLoadedFile(const LoadedFile& file) {
    const std::string problem = loadProblemLine(file.report);
    if (!problem.empty()) appendToCommandWindow(problem + "\n");
    addStructure(file.structure);
}
