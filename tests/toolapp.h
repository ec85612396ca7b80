// Starting wxWidgets for the programs that drive the main window without a
// user: the tests, the screenshot and the benchmark.
#ifndef DUZEDAZIZODAVA_TOOLAPP_H
#define DUZEDAZIZODAVA_TOOLAPP_H

#include <wx/modalhook.h>
#include <wx/wx.h>

#include "main.h"

// Decodes files like the program does, and opens no window of its own.
class ToolApp : public wxApp
{
public:
    bool OnInit() override
    {
        UseEnvironmentEncoding();
        return true;
    }
};

// Answers every modal dialog with OK, so that no report box waits for a user.
class AnswerAll : public wxModalDialogHook
{
protected:
    int Enter(wxDialog*) override { return wxID_OK; }
    void Exit(wxDialog*) override {}
};

// False when the toolkit cannot start (no display).
inline bool StartToolApp(int& argc, char** argv)
{
    wxApp::SetInstance(new ToolApp);
    return wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
}

#endif
