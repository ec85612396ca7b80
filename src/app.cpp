// Entry point; everything else lives in the core library. On Windows the
// macro provides WinMain, which hands its arguments to wxEntry.
#include "main.h"

wxIMPLEMENT_APP(MyApp);
