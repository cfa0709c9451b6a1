#pragma once

#include <wx/app.h>

class TessaraguiFrame;

// Opens the main frame, then loads what the command line names.
class Tessaraguiapp : public wxApp {
public:
    bool OnInit() override;

    TessaraguiFrame* mainFrame() const { return frame; }

private:
    TessaraguiFrame* frame = nullptr;  // owned by the toolkit
};
