// Helpers shared by the tests: scratch folders, byte-exact files, the main
// window in a scratch working directory, and expectations for dialogs.
#ifndef DUZEDAZIZODAVA_TESTUTIL_H
#define DUZEDAZIZODAVA_TESTUTIL_H

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/textdlg.h>
#include <wx/wx.h>

class MyFrame;

inline void PrintTo(const wxString& s, std::ostream* os)
{
    *os << '"' << s.utf8_str().data() << '"';
}

inline wxString U8(const char* utf8)
{
    return wxString::FromUTF8(utf8);
}

// UTF-8 texts as wxStrings, for comparing with a control's entries
std::vector<wxString> W(std::initializer_list<const char*> texts);

std::string DescribeDialog(wxDialog* dialog);

// A fresh folder under the system's temp folder, removed with all it holds.
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();
    const wxString& Path() const { return m_path; }
    // path below the folder; '/' in rel is the separator
    wxString operator/(const char* rel) const;

private:
    wxString m_path;
};

void WriteBytes(const wxString& path, const std::string& bytes);
std::string ReadBytes(const wxString& path);
bool Exists(const wxString& path);
void MakeDirs(const wxString& path);
// every file below a folder with its bytes, for "nothing else changed" checks
std::vector<std::pair<std::string, std::string>> Snapshot(const wxString& folder);

std::vector<wxString> Items(const wxItemContainerImmutable* control);
std::vector<wxString> Checked(const wxCheckListBox* list);
std::vector<wxString> Strings(const wxArrayString& array);

// Runs each test with the main window in a scratch working directory, so
// the settings file of the test stays there.
class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    void Send(int id, wxEventType type = wxEVT_BUTTON);
    void Choose(wxChoice* choice, int n, int id);

    ScratchDir dir;
    wxString oldCwd;
    MyFrame* frame = nullptr;
};

// A message box whose text, caption and style are checked before it is
// answered with the given button.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage>
{
public:
    ExpectMessage(const wxString& text, const wxString& caption, long style, int answer = wxID_OK)
        : m_text(text), m_caption(caption), m_style(style), m_answer(ButtonId(answer))
    {
    }

    // wxYES and friends are style flags; the dialog returns wxID_YES etc.
    static int ButtonId(int answer)
    {
        switch (answer)
        {
        case wxYES:
            return wxID_YES;
        case wxNO:
            return wxID_NO;
        case wxOK:
            return wxID_OK;
        case wxCANCEL:
            return wxID_CANCEL;
        default:
            return answer;
        }
    }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetMessage(), m_text);
        EXPECT_EQ(dialog->GetCaption(), m_caption);
        EXPECT_EQ(dialog->GetMessageDialogStyle(), m_style);
        return m_answer;
    }

private:
    wxString m_text;
    wxString m_caption;
    long m_style;
    int m_answer;
};

// Reports carry the default caption, one OK button and no icon.
inline ExpectMessage ExpectReport(const wxString& text)
{
    return ExpectMessage(text, wxASCII_STR(wxMessageBoxCaptionStr), wxOK | wxCENTRE | wxICON_NONE);
}

// The name dialog: prompt and title checked, the value typed in, then closed.
class ExpectTextEntry : public wxExpectModalBase<wxTextEntryDialog, ExpectTextEntry>
{
public:
    ExpectTextEntry(const wxString& value, int answer) : m_value(value), m_answer(answer) {}

protected:
    int OnInvoked(wxTextEntryDialog* dialog) const override;

private:
    wxString m_value;
    int m_answer;
};

// The question before a playlist file is removed.
ExpectMessage DeleteQuestion(const char* name, int answer);

#endif
