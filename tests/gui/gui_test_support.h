#pragma once

// What the GUI tests share: a fresh main frame per test, menu commands as the
// user gives them, scripted answers to the modal dialogs, and small structure
// files written into a scratch folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "app/tessaragui_frame.h"
#include "app/wx_text.h"
#include "tests/core/scratch_directory.h"
#include "view/draw_cluster.h"

namespace gui_test {

inline std::string commandText(const TessaraguiFrame& frame) { return fromWx(frame.commandWindow()->GetValue()); }

// The text appended to the command window since `before` was read from it.
inline std::string appendedSince(const TessaraguiFrame& frame, const std::string& before) {
    const std::string now = commandText(frame);
    EXPECT_EQ(now.compare(0, before.size(), before), 0) << "the command window lost text";
    return now.substr(std::min(before.size(), now.size()));
}

inline void chooseMenu(wxFrame& frame, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&frame);
    frame.ProcessWindowEvent(event);
}

// Deletes the windows that were closed or destroyed, as the idle time after an event would.
inline void deleteClosedWindows() { wxTheApp->ProcessIdle(); }

// Cluster windows that are open, in creation order.
inline std::vector<DrawCluster*> clusterWindows() {
    deleteClosedWindows();
    std::vector<DrawCluster*> windows;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* cluster = dynamic_cast<DrawCluster*>(window)) windows.push_back(cluster);
    return windows;
}

// A main frame of its own for one test; closed, with the windows it opened,
// at the end of the test.
class FrameUnderTest {
public:
    FrameUnderTest() : frame(new TessaraguiFrame("Tessara", wxPoint(50, 50), wxSize(450, 340))) { frame->Show(true); }
    ~FrameUnderTest() {
        for (DrawCluster* window : clusterWindows()) window->Destroy();
        frame->Destroy();
        deleteClosedWindows();
    }
    FrameUnderTest(const FrameUnderTest&) = delete;
    FrameUnderTest& operator=(const FrameUnderTest&) = delete;

    TessaraguiFrame* operator->() const { return frame; }
    TessaraguiFrame& operator*() const { return *frame; }

private:
    TessaraguiFrame* frame;
};

// What the settings dialog showed, one entry per control in order: "label:",
// "[field text]", "[x] box" / "[ ] box", "(button)" (a button whose id is not
// the expected wxID_OK / wxID_CANCEL reads "(label?)").
struct SeenDialog {
    wxString title;
    wxString name;
    long style = 0;
    std::vector<std::string> controls;
};

// Answers the settings dialog as a user would: types into the fields after
// the given labels, sets the named check boxes, then presses a button.
class SettingsAnswer : public wxExpectModalBase<wxDialog, SettingsAnswer> {
public:
    explicit SettingsAnswer(int button, std::map<std::string, std::string> typed = {},
                            std::map<std::string, bool> ticked = {}, SeenDialog* seen = nullptr)
        : button_(button), typed_(std::move(typed)), ticked_(std::move(ticked)), seen_(seen) {}

protected:
    int OnInvoked(wxDialog* dialog) const override {
        SeenDialog view;
        view.title = dialog->GetTitle();
        view.name = dialog->GetName();
        view.style = dialog->GetWindowStyleFlag();
        std::string label;
        for (wxWindow* child : dialog->GetChildren()) {
            if (auto* text = dynamic_cast<wxStaticText*>(child)) {
                label = fromWx(text->GetLabel());
                view.controls.push_back(label);
            } else if (auto* field = dynamic_cast<wxTextCtrl*>(child)) {
                view.controls.push_back("[" + fromWx(field->GetValue()) + "]");
                if (auto typed = typed_.find(label); typed != typed_.end()) field->ChangeValue(toWx(typed->second));
            } else if (auto* box = dynamic_cast<wxCheckBox*>(child)) {
                const std::string boxLabel = fromWx(box->GetLabel());
                view.controls.push_back((box->GetValue() ? "[x] " : "[ ] ") + boxLabel);
                if (auto tick = ticked_.find(boxLabel); tick != ticked_.end()) box->SetValue(tick->second);
            } else if (auto* button = dynamic_cast<wxButton*>(child)) {
                const std::string buttonLabel = fromWx(button->GetLabel());
                const int expectedId = buttonLabel == "OK" ? wxID_OK : wxID_CANCEL;
                view.controls.push_back("(" + buttonLabel + (button->GetId() == expectedId ? ")" : "?)"));
            } else {
                view.controls.push_back("?");
            }
        }
        if (seen_) *seen_ = view;
        return button_;
    }

private:
    int button_;
    std::map<std::string, std::string> typed_;
    std::map<std::string, bool> ticked_;
    SeenDialog* seen_;
};

inline void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// A cubic CIF file with one atom per line of `atoms` ("Na1 Na 0 0 0").
inline std::string cubicCif(const std::string& group, const std::string& a, const std::vector<std::string>& atoms) {
    std::string text = "data_test\n_symmetry_space_group_name_H-M '" + group + "'\n";
    for (const char* edge : {"a", "b", "c"}) text += std::string("_cell_length_") + edge + " " + a + "\n";
    for (const char* angle : {"alpha", "beta", "gamma"}) text += std::string("_cell_angle_") + angle + " 90\n";
    text += "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n"
            "_atom_site_fract_z\n";
    for (const std::string& atom : atoms) text += atom + "\n";
    return text;
}

// A cubic FOX XML crystal with lone atoms ("Cs1 Cs 0 0 0").
inline std::string cubicFox(const std::string& group, const std::string& a, const std::vector<std::string>& atoms) {
    std::string text = "<ObjCryst>\n  <Crystal Name=\"test\" SpaceGroup=\"" + group + "\">\n";
    for (const char* edge : {"a", "b", "c"}) text += std::string("    <Par Name=\"") + edge + "\">" + a + "</Par>\n";
    for (const char* angle : {"alpha", "beta", "gamma"})
        text += std::string("    <Par Name=\"") + angle + "\">90</Par>\n";
    for (const std::string& atom : atoms) {
        char label[16], element[8];
        double x, y, z;
        if (std::sscanf(atom.c_str(), "%15s %7s %lf %lf %lf", label, element, &x, &y, &z) != 5) continue;
        text += std::string("    <Atom Name=\"") + label + "\" ScattPow=\"" + element + "\" x=\"" + std::to_string(x) +
                "\" y=\"" + std::to_string(y) + "\" z=\"" + std::to_string(z) + "\"/>\n";
    }
    return text + "  </Crystal>\n</ObjCryst>\n";
}

// Three small salts: two rock-salt structures and caesium chloride.
inline void writeSaltCifs(const std::filesystem::path& folder) {
    writeFile(folder / "nacl.cif", cubicCif("F m -3 m", "5.64", {"Na1 Na 0 0 0", "Cl1 Cl 0.5 0.5 0.5"}));
    writeFile(folder / "kcl.cif", cubicCif("F m -3 m", "6.29", {"K1 K 0 0 0", "Cl1 Cl 0.5 0.5 0.5"}));
    writeFile(folder / "cscl.cif", cubicCif("P m -3 m", "4.12", {"Cs1 Cs 0 0 0", "Cl1 Cl 0.5 0.5 0.5"}));
}

}  // namespace gui_test
