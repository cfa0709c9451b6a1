#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/frame.h>

#include "model/loaded_structure.h"
#include "similarity/similarity_matrix.h"
#include "similarity/similarity_settings.h"

class wxGrid;
class wxGridEvent;
class wxProgressDialog;
class wxTextCtrl;
class DrawCrystalData;
struct LoadedFile;

// The main window: the command window (every report is appended there), the
// data list with one row per loaded structure, and the menus. It owns the
// loaded structures for the whole run; entry k has id k.
class TessaraguiFrame : public wxFrame {
public:
    TessaraguiFrame(const wxString& title, const wxPoint& position, const wxSize& size);

    void addStructure(LoadedStructure entry);
    // Rebuilds the grid and appends the data list to the command window.
    void refreshDataList();
    // Loads every file of `directory` matching `pattern` ("*.xml" FOX, "*.cif" CIF;
    // other patterns load nothing). The callers refresh the data list afterwards.
    void scanDirectory(wxString directory, wxString pattern);
    // Adds a file the core has read, and tells the user if it failed or had problems.
    void addLoadedFile(const LoadedFile& file);

    // The settings dialog of a similarity command. True when closed with OK;
    // the values are then the edited ones, otherwise left exactly as they came.
    bool showSimilaritySettings(double& from, double& to, double& step, double& peakWidth, bool& writeFingerPrints,
                                bool& includeHydrogens, bool& methodOption, int kind);
    void printSimilarityMatrix(const std::string& title, const SimilarityMatrix& matrix);
    // The shift dialog of "Move asymmetric part": true on OK, with x, y, z
    // read from its fields (0 for a field that holds no number).
    bool askShift(double& x, double& y, double& z);

    // Appends at the end of the command window, whatever the user clicked.
    void appendToCommandWindow(const std::string& text);

    const std::vector<LoadedStructure>& structures() const { return loadedStructures; }
    wxTextCtrl* commandWindow() const { return cmdWindow; }
    wxGrid* dataList() const { return dataGrid; }
    DrawCrystalData* crystalWindow() const { return crystalView; }

    // Called with the progress dialog of a similarity command right after it
    // opens, before the computation starts; lets the GUI tests press its buttons.
    void setProgressDialogHook(std::function<void(wxProgressDialog&)> hook) { progressDialogHook = std::move(hook); }

private:
    void OnOpen(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnQuit(wxCommandEvent& event);
    void OnComputeFingerPrint(wxCommandEvent& event);
    void OnComputePdf(wxCommandEvent& event);
    void OnComputeFingerPrint_a(wxCommandEvent& event);
    void OnComputeHistogram(wxCommandEvent& event);
    void OnComputeCumulativeHistogram(wxCommandEvent& event);
    // "Compute" toggles, "Show" switches the structure on or off in the crystal
    // view, "Move" marks the one the view's keys and the edit commands act on.
    void OnGridCellLeftClick(wxGridEvent& event);
    void OnMoveAsymmetricPart(wxCommandEvent& event);
    void OnInvertAsymmetricPart(wxCommandEvent& event);

    void buildMenus();
    void buildControls();
    void runSimilarityCommand(SimilarityMethod method);
    // After a rebuild of the grid: "Show" and its colour for what the view
    // shows, and the "Move" mark back on `moveRow` (-1: none).
    void restoreViewColumns(int moveRow);
    int markedRow() const;

    wxTextCtrl* cmdWindow = nullptr;
    wxGrid* dataGrid = nullptr;
    DrawCrystalData* crystalView = nullptr;
    std::vector<LoadedStructure> loadedStructures;
    std::function<void(wxProgressDialog&)> progressDialogHook;

    wxDECLARE_EVENT_TABLE();
};
