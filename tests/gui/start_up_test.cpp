// The program as it starts: the frame OnInit opened, its menus and controls,
// the crystal view, the number locale, About and Exit.
#include <clocale>
#include <cstdio>

#include <wx/grid.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include "app/menu_ids.h"
#include "app/tessaragui_app.h"
#include "gui_test_support.h"
#include "view/draw_crystal_data.h"

using namespace gui_test;

namespace {

TessaraguiFrame& startedFrame() {
    TessaraguiFrame* frame = static_cast<Tessaraguiapp*>(wxTheApp)->mainFrame();
    EXPECT_NE(frame, nullptr);
    return *frame;
}

class MessageAnswer : public wxExpectModalBase<wxMessageDialog, MessageAnswer> {
public:
    MessageAnswer(wxString* message, wxString* caption, long* style)
        : message_(message), caption_(caption), style_(style) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        *message_ = dialog->GetMessage();
        *caption_ = dialog->GetCaption();
        *style_ = dialog->GetMessageDialogStyle();
        return wxID_OK;
    }

private:
    wxString* message_;
    wxString* caption_;
    long* style_;
};

}  // namespace

TEST(StartUp, WithoutArgumentsTheFrameShowsAnEmptyListAndCommandWindow) {
    TessaraguiFrame& frame = startedFrame();
    EXPECT_TRUE(frame.IsShown());
    EXPECT_EQ(frame.GetTitle(), "Tessara");
    EXPECT_EQ(frame.GetName(), "frame");
    EXPECT_TRUE(frame.structures().empty());

    auto* command = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowByName("cmd win", &frame));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->GetValue(), "");
    EXPECT_TRUE(command->IsMultiLine());
    EXPECT_FALSE(command->IsEditable());

    auto* grid = dynamic_cast<wxGrid*>(wxWindow::FindWindowByName("data list", &frame));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetId(), ID_DATA_LIST);
    EXPECT_EQ(grid->GetNumberRows(), 0);
    ASSERT_EQ(grid->GetNumberCols(), 4);
    const char* labels[] = {"ID", "Compute", "Show", "Move"};
    const int widths[] = {37, 36, 36, 36};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(grid->GetColLabelValue(c), labels[c]);
        EXPECT_EQ(grid->GetColSize(c), widths[c]) << labels[c];
    }
    EXPECT_EQ(grid->GetColLabelSize(), 20);
    EXPECT_EQ(grid->GetRowLabelSize(), 0);
    // Side by side: the command window left, the 150-pixel grid right.
    EXPECT_EQ(grid->GetSize().x, 150);
    EXPECT_LT(command->GetPosition().x, grid->GetPosition().x);

    ASSERT_NE(frame.GetStatusBar(), nullptr);
    EXPECT_EQ(frame.GetStatusBar()->GetName(), "status_line");
    EXPECT_EQ(frame.GetStatusBar()->GetFieldsCount(), 1);
}

TEST(StartUp, MenusCarryTheirTextsHelpStringsAndIds) {
    wxMenuBar* bar = startedFrame().GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&File");
    EXPECT_EQ(bar->GetMenuLabel(1), "&Similarity");
    EXPECT_EQ(bar->GetMenuLabel(2), "&Compute");

    const struct {
        std::size_t menu;
        int id;  // 0: separator
        const char* text;
        const char* help;
    } items[] = {
        {0, ID_OPEN, "&Open\tCtrl+O", "Open file."},
        {0, 0, "", ""},
        {0, ID_ABOUT, "&About...", "about..."},
        {0, 0, "", ""},
        {0, ID_QUIT, "E&xit", "quit program"},
        {1, 105, "&Compute PDF similarity", "Compute Similarity"},
        {1, 104, "&Compute PDF-modified similarity", "Compute Similarity"},
        {1, 106, "&Compute Distance-Angle similarity", "Compute Similarity"},
        {1, 108, "&Compute distance-histogram similarity", "Compute Similarity"},
        {1, 109, "&Compute cumulative distance-histogram similarity", "Compute Similarity"},
        {2, ID_MOVE_ASYMMETRIC_PART, "&Move asymmetric part", ""},
        {2, ID_INVERT_ASYMMETRIC_PART, "&Invert asymmetric part", ""},
    };
    std::size_t position[3] = {0, 0, 0};
    for (const auto& expected : items) {
        wxMenu* menu = bar->GetMenu(expected.menu);
        ASSERT_LT(position[expected.menu], menu->GetMenuItemCount()) << expected.text;
        const wxMenuItem* item = menu->FindItemByPosition(position[expected.menu]++);
        if (expected.id == 0) {
            EXPECT_TRUE(item->IsSeparator());
            continue;
        }
        EXPECT_EQ(item->GetId(), expected.id) << expected.text;
        EXPECT_EQ(item->GetItemLabel(), expected.text);
        EXPECT_EQ(item->GetHelp(), expected.help) << expected.text;
    }
    for (std::size_t m = 0; m < 3; ++m) EXPECT_EQ(bar->GetMenu(m)->GetMenuItemCount(), position[m]);
}

TEST(StartUp, TheCrystalViewOpensBesideTheFrameWithoutACloseBox) {
    DrawCrystalData* view = startedFrame().crystalWindow();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetTitle(), "Crystal view");
    EXPECT_EQ(view->GetParent(), &startedFrame());
    EXPECT_TRUE(view->IsShown());
    EXPECT_EQ(view->GetWindowStyleFlag() & wxCLOSE_BOX, 0);
    EXPECT_NE(wxWindow::FindWindowByName("TestGLCanvas", view), nullptr);
}

// The locale comes from the environment (the test runs under one whose name is
// not "C"); numbers must still print and read with a point.
TEST(StartUp, NumbersKeepTheCLocale) {
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", 0.5);
    EXPECT_STREQ(text, "0.500");
    EXPECT_EQ(wxString::Format("%f", 0.01), "0.010000");
}

TEST(StartUp, AboutShowsTheProgramsMessage) {
    wxString message, caption;
    long style = 0;
    wxTEST_DIALOG(chooseMenu(startedFrame(), ID_ABOUT), MessageAnswer(&message, &caption, &style));
    EXPECT_EQ(message, "This is a wxWidgets Tessara aplication");
    EXPECT_EQ(caption, "About Tessara");
    EXPECT_TRUE(style & wxICON_INFORMATION);
    EXPECT_TRUE(style & wxOK);
}

TEST(StartUp, ExitClosesTheFrame) {
    auto* frame = new TessaraguiFrame("Tessara", wxPoint(50, 50), wxSize(450, 340));
    frame->Show(true);
    const wxWeakRef<TessaraguiFrame> alive(frame);
    const wxWeakRef<DrawCrystalData> view(frame->crystalWindow());
    chooseMenu(*frame, ID_QUIT);
    deleteClosedWindows();
    EXPECT_FALSE(alive);
    EXPECT_FALSE(view);  // the crystal view goes with it
}
