#include "app/tessaragui_app.h"

#include <clocale>
#include <string>
#include <vector>

#include "app/command_line_loading.h"
#include "app/tessaragui_frame.h"
#include "app/wx_text.h"

bool Tessaraguiapp::OnInit() {
    // GTK has set the C library locale from the environment; the core reads
    // and prints numbers with the C library and needs the decimal point.
    std::setlocale(LC_NUMERIC, "C");

    // The frame shows before anything loads, so load reports appear as they come.
    frame = new TessaraguiFrame("Tessara", wxPoint(50, 50), wxSize(450, 340));
    frame->Show(true);

    // The switches are ours, not wx's: the base OnInit would reject them.
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.push_back(fromWx(argv[i]));
    loadFromCommandLine(*frame, args);
    return true;
}
