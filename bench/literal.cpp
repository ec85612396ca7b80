#include "literal.h"

#include <wx/dir.h>
#include <wx/log.h>
#include <wx/textfile.h>

namespace literal
{
namespace
{
const wxString kNoFilter = wxS("Keine Sortierung nach Tags");

void ReadTextfile(const wxString& path, wxCheckListBox* songList, wxChoice* tagChoice,
                  wxChoice* tagValueChoice, std::vector<wxArrayString>& lists)
{
    wxTextFile file;
    if (!file.Open(path, wxConvLibc) || file.GetLineCount() == 0)
        return;
    wxString title, artist, value;
    const bool noFilter = tagChoice->GetStringSelection() == kNoFilter;
    const bool missing = !noFilter && tagValueChoice->GetSelection() == 1;
    const wxString tag = tagChoice->GetStringSelection();
    for (wxString line = file.GetFirstLine(); !file.Eof(); line = file.GetNextLine())
    {
        if (noFilter)
        {
            if (line.Matches(wxS("#TITLE:*")))
                title = line.Remove(0, 7);
            else if (line.Matches(wxS("#ARTIST:*")))
                artist = line.Remove(0, 8);
            else if (line.Matches(wxS("#*")))
            {
                wxString name = line.BeforeFirst(wxS(':'));
                wxString val = line.Find(wxS(':')) == wxNOT_FOUND ? line : line.AfterFirst(wxS(':'));
                if (tagChoice->FindString(name) == wxNOT_FOUND)
                {
                    tagChoice->Append(name);
                    lists.emplace_back();
                }
                const int k = tagChoice->FindString(name);
                if (lists[k].Index(val, true) == wxNOT_FOUND)
                    lists[k].Add(val);
            }
            if (!title.empty() && !artist.empty() && line.Matches(wxS(":*")))
            {
                songList->Append(artist + wxS(" : ") + title);
                return;
            }
            continue;
        }
        if (line.Matches(wxS("#TITLE:*")))
            title = line.Remove(0, 7);
        if (line.Matches(wxS("#ARTIST:*")))
            artist = line.Remove(0, 8);
        if (line.Matches(tag + wxS(":*")))
            value = line.Remove(0, tag.length() + 1);
        if (missing)
        {
            if (!value.empty())
                return;
            if (!title.empty() && !artist.empty() && line.Matches(wxS(":*")))
            {
                songList->Append(artist + wxS(" : ") + title);
                return;
            }
        }
        else
        {
            if (line.Matches(wxS(":*")) && value.empty())
                return;
            if (!title.empty() && !artist.empty() && value == tagValueChoice->GetStringSelection())
            {
                songList->Append(artist + wxS(" : ") + title);
                return;
            }
        }
    }
}

void GetAllTextfiles(const wxString& folder, wxCheckListBox* songList, wxChoice* tagChoice,
                     wxChoice* tagValueChoice, std::vector<wxArrayString>& lists)
{
    wxDir dir(folder);
    if (!dir.IsOpened())
        return;
    wxString sub;
    for (bool more = dir.GetFirst(&sub, wxEmptyString, wxDIR_DIRS); more; more = dir.GetNext(&sub))
    {
        const wxString subPath = folder + wxS("/") + sub;
        wxDir files(subPath);
        wxString name;
        for (bool f = files.GetFirst(&name, wxS("*.txt"), wxDIR_FILES); f; f = files.GetNext(&name))
            ReadTextfile(subPath + wxS("/") + name, songList, tagChoice, tagValueChoice, lists);
        GetAllTextfiles(subPath, songList, tagChoice, tagValueChoice, lists);
    }
}
}

void GetAllSongs(const wxString& folder, wxCheckListBox* songList, wxChoice* tagChoice,
                 wxChoice* tagValueChoice, std::vector<wxArrayString>& lists)
{
    wxLogNull quiet;
    songList->Clear();
    if (tagChoice->GetStringSelection() == kNoFilter)
    {
        tagChoice->Clear();
        tagChoice->Append(kNoFilter);
        tagChoice->Select(0);
        lists.clear();
        lists.emplace_back();
    }
    GetAllTextfiles(folder, songList, tagChoice, tagValueChoice, lists);
}

void FillValues(wxChoice* tagChoice, wxChoice* tagValueChoice, const std::vector<wxArrayString>& lists)
{
    const int k = tagChoice->GetSelection();
    tagValueChoice->Clear();
    tagValueChoice->Append(wxS("Bitte ausw\u00e4hlen"));
    tagValueChoice->Append(wxS("ohne ") + tagChoice->GetStringSelection() + wxS("-Tag"));
    tagValueChoice->Select(0);
    for (const wxString& value : lists[k])
        tagValueChoice->Append(value);
}

bool AddSongsToPlaylist(wxCheckListBox* source, wxCheckListBox* target, int& added, int& present)
{
    added = present = 0;
    for (unsigned i = 0; i < source->GetCount(); ++i)
    {
        if (!source->IsChecked(i))
            continue;
        if (target->FindString(source->GetString(i)) == wxNOT_FOUND)
        {
            target->Append(source->GetString(i));
            ++added;
        }
        else
        {
            ++present;
        }
    }
    return true;
}
}
