#include "testutil.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include <wx/dir.h>
#include <wx/filename.h>

#include "main.h"

std::vector<wxString> W(std::initializer_list<const char*> texts)
{
    std::vector<wxString> out;
    for (const char* t : texts)
        out.push_back(U8(t));
    return out;
}

ExpectMessage DeleteQuestion(const char* name, int answer)
{
    return ExpectMessage(wxS("Soll die Playlist ") + U8(name) +
                             U8(" wirklich gel\xc3\xb6scht werden? \nDie Datei wird dabei unwiederruflich von der "
                                "Festplatte entfernt!"),
                         wxS("Wirklich entfernen?"), wxYES_NO | wxICON_QUESTION, answer);
}

std::string DescribeDialog(wxDialog* dialog)
{
    if (auto* message = dynamic_cast<wxMessageDialog*>(dialog))
        return "message box \"" + std::string(message->GetMessage().utf8_str().data()) + "\"";
    return std::string(dialog->GetClassInfo()->GetClassName() ? "dialog " : "dialog ") +
           std::string(dialog->GetTitle().utf8_str().data());
}

ScratchDir::ScratchDir()
{
    wxString base = wxFileName::GetTempDir() + wxS("/dzz-test-XXXXXX");
    std::string buffer(base.utf8_str().data());
    char* made = mkdtemp(&buffer[0]);
    if (!made)
        ADD_FAILURE() << "cannot make a scratch folder";
    m_path = wxString::FromUTF8(buffer.c_str());
}

ScratchDir::~ScratchDir()
{
    if (m_path.empty())
        return;
    // Tests may leave folders without permissions behind.
    std::string command = "chmod -R u+rwx '" + std::string(m_path.utf8_str().data()) + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0)
        ADD_FAILURE() << "chmod failed";
    wxFileName::Rmdir(m_path, wxPATH_RMDIR_RECURSIVE);
}

wxString ScratchDir::operator/(const char* rel) const
{
    return m_path + wxS("/") + wxString::FromUTF8(rel);
}

void WriteBytes(const wxString& path, const std::string& bytes)
{
    std::ofstream out(path.fn_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path.utf8_str().data();
}

std::string ReadBytes(const wxString& path)
{
    std::ifstream in(path.fn_str(), std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const wxString& path)
{
    return wxFileName::Exists(path);
}

void MakeDirs(const wxString& path)
{
    ASSERT_TRUE(wxFileName::Mkdir(path, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL));
}

namespace
{
void CollectFiles(const wxString& root, const wxString& folder,
                  std::vector<std::pair<std::string, std::string>>& out)
{
    wxArrayString files;
    wxDir::GetAllFiles(folder, &files, wxEmptyString, wxDIR_FILES | wxDIR_DIRS | wxDIR_HIDDEN);
    files.Sort();
    for (const wxString& file : files)
        out.emplace_back(std::string(file.Mid(root.length()).utf8_str().data()), ReadBytes(file));
}
}

std::vector<std::pair<std::string, std::string>> Snapshot(const wxString& folder)
{
    std::vector<std::pair<std::string, std::string>> out;
    CollectFiles(folder, folder, out);
    return out;
}

std::vector<wxString> Items(const wxItemContainerImmutable* control)
{
    std::vector<wxString> items;
    for (unsigned i = 0; i < control->GetCount(); ++i)
        items.push_back(control->GetString(i));
    return items;
}

std::vector<wxString> Checked(const wxCheckListBox* list)
{
    std::vector<wxString> items;
    for (unsigned i = 0; i < list->GetCount(); ++i)
        if (list->IsChecked(i))
            items.push_back(list->GetString(i));
    return items;
}

std::vector<wxString> Strings(const wxArrayString& array)
{
    return std::vector<wxString>(array.begin(), array.end());
}

void FrameTest::SetUp()
{
    oldCwd = wxGetCwd();
    ASSERT_TRUE(wxSetWorkingDirectory(dir.Path()));
    frame = new MyFrame(nullptr, wxS("Cantavo DuzedaziZodava v1.3"));
}

void FrameTest::TearDown()
{
    delete frame;
    frame = nullptr;
    wxSetWorkingDirectory(oldCwd);
}

void FrameTest::Send(int id, wxEventType type)
{
    wxCommandEvent event(type, id);
    event.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(event);
}

void FrameTest::Choose(wxChoice* choice, int n, int id)
{
    choice->SetSelection(n);
    wxCommandEvent event(wxEVT_CHOICE, id);
    event.SetEventObject(choice);
    event.SetInt(n);
    event.SetString(choice->GetString(n));
    frame->GetEventHandler()->ProcessEvent(event);
}

int ExpectTextEntry::OnInvoked(wxTextEntryDialog* dialog) const
{
    EXPECT_EQ(dialog->GetTitle(), wxS("Playlistname:"));
    wxString labels;
    wxTextCtrl* field = nullptr;
    for (wxWindow* child : dialog->GetChildren())
    {
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            labels += text->GetLabel();
        if (auto* entry = dynamic_cast<wxTextCtrl*>(child))
            field = entry;
    }
    EXPECT_EQ(labels, wxS("Einen Namen fuer die neue Playlist eingeben!"));
    EXPECT_NE(field, nullptr);
    if (field)
    {
        EXPECT_EQ(field->GetValue(), wxString());
        field->ChangeValue(m_value);
    }
    if (m_answer == wxID_OK)
        dialog->TransferDataFromWindow();
    return m_answer;
}
