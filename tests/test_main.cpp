// Starts wxWidgets the way the program does, then runs the tests. Assertions
// of the toolkit fail the running test, its log goes to stderr, and a modal
// dialog that no test expects fails the test instead of waiting for a user.
#include <cstdio>

#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/wx.h>

#include "main.h"
#include "testutil.h"
#include "toolapp.h"

namespace
{
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assertion in " << func.utf8_str().data() << ": " << cond.utf8_str().data() << " "
        << msg.utf8_str().data();
}

// Registered first, so it is asked last: only dialogs that no wxTEST_DIALOG
// took reach it.
class UnexpectedDialogHook : public wxModalDialogHook
{
protected:
    int Enter(wxDialog* dialog) override
    {
        ADD_FAILURE() << "unexpected modal dialog: " << DescribeDialog(dialog);
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    if (!StartToolApp(argc, argv))
    {
        std::fprintf(stderr, "cannot start wxWidgets (is there a display?)\n");
        return 1;
    }
    wxSetAssertHandler(FailOnAssert);
    delete wxLog::SetActiveTarget(new wxLogStderr);
    UnexpectedDialogHook hook;
    hook.Register();

    const int result = RUN_ALL_TESTS();

    hook.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
