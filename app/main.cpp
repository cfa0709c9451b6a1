#include "app/tessaragui_app.h"

wxIMPLEMENT_APP(Tessaraguiapp);
