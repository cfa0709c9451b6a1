// The Compute menu: moving and mirroring the asymmetric unit of the structure
// marked "Move", in the crystal view's copy only.
#include <cmath>
#include <cstdlib>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/grid.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/tessaragui_frame.h"
#include "app/wx_text.h"
#include "view/draw_crystal_data.h"

namespace {

constexpr int kMoveColumn = 3;

// strtod semantics: the longest numeric prefix, 0 when there is none. A shift
// that is not finite would put every atom nowhere; it counts as none too.
double shiftOf(const wxTextCtrl* field) {
    const double value = std::strtod(fromWx(field->GetValue()).c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

bool TessaraguiFrame::askShift(double& x, double& y, double& z) {
    wxDialog dialog(this, wxID_ANY, "Change assym part", wxDefaultPosition, wxDefaultSize, wxCAPTION, "set window");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    const auto add = [&](wxWindow* control) { sizer->Add(control, 0, wxALL, 3); };
    const auto field = [&](const char* label) {
        add(new wxStaticText(&dialog, 0, label, wxDefaultPosition, wxDefaultSize, 0, "staticText"));
        auto* control = new wxTextCtrl(&dialog, 0, "0", wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator, "text");
        add(control);
        return control;
    };
    wxTextCtrl* xField = field("x");
    wxTextCtrl* yField = field("y");
    wxTextCtrl* zField = field("z");
    auto* okButton = new wxButton(&dialog, wxID_OK, "OK", wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                                  "button");
    okButton->SetDefault();  // Return in a field accepts
    add(okButton);
    add(new wxButton(&dialog, wxID_CANCEL, "Cancel", wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                     "button"));

    dialog.SetSizer(sizer);
    sizer->Fit(&dialog);
    if (dialog.ShowModal() != wxID_OK) return false;
    x = shiftOf(xField);
    y = shiftOf(yField);
    z = shiftOf(zField);
    return true;
}

void TessaraguiFrame::OnMoveAsymmetricPart(wxCommandEvent&) {
    for (int row = 0; row < dataGrid->GetNumberRows() && row < static_cast<int>(loadedStructures.size()); ++row) {
        if (dataGrid->GetCellValue(row, kMoveColumn) != "TRUE") continue;
        double x, y, z;
        if (askShift(x, y, z))
            crystalView->moveAsymmetricPart(loadedStructures[row].id(), static_cast<float>(x), static_cast<float>(y),
                                            static_cast<float>(z));
    }
}

void TessaraguiFrame::OnInvertAsymmetricPart(wxCommandEvent&) {
    for (int row = 0; row < dataGrid->GetNumberRows() && row < static_cast<int>(loadedStructures.size()); ++row)
        if (dataGrid->GetCellValue(row, kMoveColumn) == "TRUE")
            crystalView->invertAsymmetricPart(loadedStructures[row].id());
}
