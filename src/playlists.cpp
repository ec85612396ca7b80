#include "playlists.h"

#include <unordered_set>

#include <wx/dir.h>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include "playlistfile.h"
#include "textlines.h"

namespace
{
void Report(const wxString& text)
{
    wxMessageBox(text, wxASCII_STR(wxMessageBoxCaptionStr), wxOK | wxCENTRE | wxICON_NONE, nullptr);
}

const wxString kSaveFailed = wxS("Achtung: Die Playlist konnte nicht gespeichert werden!");

// The list's FindString compares whole texts ignoring case, letter by letter.
std::wstring FoldCase(const wxString& text)
{
    std::wstring folded(text.wc_str(), text.length());
    for (wchar_t& c : folded)
        c = static_cast<wchar_t>(wxTolower(c));
    return folded;
}

bool SavePlaylistFile(const wxString& name, const wxString& folder, wxCheckListBox* list)
{
    wxString path;
    if (!PlaylistPath(folder, name, path))
        return false;
    wxArrayString songs;
    songs.reserve(list->GetCount());
    for (unsigned int i = 0; i < list->GetCount(); ++i)
        songs.Add(list->GetString(i));
    wxString text;
    const wxString eol = wxTextFile::GetEOL();
    for (const wxString& line : PlaylistFileLines(name, songs))
        text += line + eol;
    wxCharBuffer bytes;
    if (!EncodeText(text, bytes))
        return false;
    return ReplaceFileContents(path, bytes.data(), bytes.length());
}
}

void GetPlaylists(const wxString& folder, wxControlWithItems* choice)
{
    choice->Clear();
    wxLogNull quiet;
    if (folder.empty() || !wxDirExists(folder))
        return;
    wxDir dir(folder);
    if (!dir.IsOpened())
        return;
    wxString name;
    for (bool more = dir.GetFirst(&name, wxS("*.kvl"), wxDIR_FILES); more; more = dir.GetNext(&name))
        ReadPlaylists(JoinPath(folder, name), choice);
}

void ReadPlaylists(const wxString& path, wxControlWithItems* choice)
{
    wxArrayString lines;
    wxString name;
    if (ReadTextLines(path, lines) && PlaylistNameOf(lines, name))
        choice->Append(name);
}

void GetPlaylist(const wxString& path, wxControlWithItems* list)
{
    list->Clear();
    wxArrayString lines;
    if (!ReadTextLines(path, lines))
        return;
    const wxArrayString songs = PlaylistSongLines(lines);
    if (!songs.empty())
        list->Append(songs);
}

void AddSongsToPlaylist(wxCheckListBox* source, wxCheckListBox* target)
{
    std::unordered_set<std::wstring> present;
    for (unsigned int i = 0; i < target->GetCount(); ++i)
        present.insert(FoldCase(target->GetString(i)));
    int added = 0;
    int already = 0;
    wxArrayString newSongs;
    for (unsigned int i = 0; i < source->GetCount(); ++i)
    {
        if (!source->IsChecked(i))
            continue;
        const wxString text = source->GetString(i);
        if (present.insert(FoldCase(text)).second)
        {
            newSongs.Add(text);
            ++added;
        }
        else
        {
            ++already;
        }
    }
    if (!newSongs.empty())
        target->Append(newSongs);
    Report(wxString::Format(wxS("%d Songs wurden der Playlist hinzugef\u00fcgt.\n%d Songs waren bereits vorhanden ")
                            wxS("und wurden nicht hinzugef\u00fcgt."),
                            added, already));
}

void WritePlaylist(wxString name, wxString folder, wxCheckListBox* list)
{
    if (SavePlaylistFile(name, folder, list))
        Report(wxS("Playlist erfolgreich gespeichert!"));
    else
        Report(kSaveFailed);
}

bool WritePlaylist(wxString name, wxString folder)
{
    wxString path;
    bool created = false;
    if (PlaylistPath(folder, name, path))
    {
        wxLogNull quiet;
        wxFile file;
        created = file.Create(path, false) && file.Close();
    }
    if (created)
        Report(wxS("Die Playlist \"") + name +
               wxS("\" wurde erstellt, ist allerdings noch leer!\nSongs werden erst nach klick auf ")
               wxS("\"Playlist speichern\" gespeichert."));
    else
        Report(wxS("Die Playlist \"") + name +
               wxS("\" konnte nicht erstellt werden.\nEine Andere Playlist mit diesem Namen existiert ")
               wxS("bereits oder das Verzeichnis existiert nicht!"));
    return created;
}

bool DeletePlaylist(wxString name, wxString folder)
{
    const int answer = wxMessageBox(wxS("Soll die Playlist ") + name +
                                        wxS(" wirklich gel\u00f6scht werden? \nDie Datei wird dabei ")
                                        wxS("unwiederruflich von der Festplatte entfernt!"),
                                    wxS("Wirklich entfernen?"), wxYES_NO | wxICON_QUESTION, nullptr);
    if (answer != wxYES)
        return false;
    wxString path;
    bool removed = false;
    if (PlaylistPath(folder, name, path))
    {
        wxLogNull quiet;
        removed = wxFileExists(path) && wxRemoveFile(path);
    }
    if (removed)
        Report(wxS("Die Playlist \"") + name + wxS("\" wurde erfolgreich von der Festplatte gel\u00f6scht!"));
    else
        Report(wxS("Die Playlist \"") + name +
               wxS("\" konnte nicht gel\u00f6scht werden!\nDie Datei ist nicht vorhanden oder kann nicht ")
               wxS("zugegriffen werden."));
    return removed;
}
