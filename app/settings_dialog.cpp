// The settings dialog every similarity command shows first.
#include <climits>
#include <cmath>
#include <cstdlib>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/tessaragui_frame.h"
#include "app/wx_text.h"

namespace {

// The range shows as whole ångströms; the value is truncated toward zero.
wxString wholeNumberText(double value) {
    const double whole = std::isnan(value) ? 0.0 : std::trunc(value);
    const int shown = whole >= INT_MAX ? INT_MAX : whole <= INT_MIN ? INT_MIN : static_cast<int>(whole);
    return wxString::Format("%d", shown);
}

// strtod semantics: the longest numeric prefix, 0 when there is none; what
// follows (a unit, say) is ignored.
double numberOf(const wxTextCtrl* field) { return std::strtod(fromWx(field->GetValue()).c_str(), nullptr); }

}  // namespace

bool TessaraguiFrame::showSimilaritySettings(double& from, double& to, double& step, double& peakWidth,
                                             bool& writeFingerPrints, bool& includeHydrogens, bool& methodOption,
                                             int kind) {
    const bool gaussian = kind == static_cast<int>(SettingsKind::Profile) || kind == static_cast<int>(SettingsKind::Pdf);
    const char* optionLabel = kind == static_cast<int>(SettingsKind::Histogram) ? "use weights"
                              : kind == static_cast<int>(SettingsKind::Pdf)     ? "optimize"
                                                                                : nullptr;

    wxDialog dialog(this, -1, "Settings", wxDefaultPosition, wxDefaultSize, wxCAPTION, "set window");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    const auto add = [&](wxWindow* control) { sizer->Add(control, 0, wxALL, 3); };
    const auto field = [&](const char* label, const wxString& text) {
        add(new wxStaticText(&dialog, wxID_ANY, label));
        auto* control = new wxTextCtrl(&dialog, wxID_ANY, text);
        add(control);
        return control;
    };

    wxTextCtrl* fromField = field("from:", wholeNumberText(from));
    wxTextCtrl* toField = field("to:", wholeNumberText(to));
    wxTextCtrl* stepField = field(gaussian ? "resolution:" : "d-size:", wxString::Format("%f", step));
    wxTextCtrl* peakWidthField = gaussian ? field("peak width:", wxString::Format("%f", peakWidth)) : nullptr;
    wxCheckBox* optionBox = nullptr;
    if (optionLabel) {
        optionBox = new wxCheckBox(&dialog, wxID_ANY, optionLabel);
        optionBox->SetValue(methodOption);
        add(optionBox);
    }
    auto* hydrogensBox = new wxCheckBox(&dialog, wxID_ANY, "include Hydrogens");
    hydrogensBox->SetValue(includeHydrogens);
    add(hydrogensBox);
    auto* writeBox = new wxCheckBox(&dialog, wxID_ANY, "write FP to file");
    writeBox->SetValue(writeFingerPrints);
    add(writeBox);
    auto* okButton = new wxButton(&dialog, wxID_OK, "OK");
    okButton->SetDefault();  // Return in a field accepts, as users expect
    add(okButton);
    add(new wxButton(&dialog, wxID_CANCEL, "Cancel"));

    dialog.SetSizer(sizer);
    sizer->Fit(&dialog);
    sizer->SetSizeHints(&dialog);
    if (dialog.ShowModal() != wxID_OK) return false;

    if (peakWidthField) peakWidth = numberOf(peakWidthField);
    writeFingerPrints = writeBox->GetValue();
    includeHydrogens = hydrogensBox->GetValue();
    if (optionBox) methodOption = optionBox->GetValue();
    from = numberOf(fromField);
    to = numberOf(toField);
    step = numberOf(stepField);
    return true;
}
