// The GUI tests run inside the real application object: OnInit opens the main
// frame as at start-up (the test program's own arguments hold no switches),
// then the tests drive the frame and the windows it opens.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

#include <wx/app.h>
#include <wx/init.h>

#include "app/tessaragui_app.h"

namespace {

// A wx assertion, and an unmet or unexpected dialog of wxTEST_DIALOG, fails the running test.
void failOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion in " << function.utf8_str() << ": "
                                          << condition.utf8_str() << " " << message.utf8_str();
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // As GTK's own initialisation does where wx lets it: the locale of the
    // environment for every category. Start-up must set numbers back.
    std::setlocale(LC_ALL, "");
    wxApp::SetInstance(new Tessaraguiapp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot open the display: run under xvfb-run\n");
        return 1;
    }
    wxSetAssertHandler(failOnAssert);
    if (!wxTheApp->CallOnInit()) return 1;
    const int status = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return status;
}
