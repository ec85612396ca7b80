#include "playlistfile.h"

#include "textlines.h"

namespace
{
const wxString kBar = wxS("######################################");
}

wxArrayString PlaylistFileLines(const wxString& name, const wxArrayString& songs)
{
    wxArrayString lines;
    lines.reserve(songs.size() + 7);
    lines.Add(kBar);
    lines.Add(wxS("#Cantavo Playlist Format v1.0"));
    lines.Add(wxS("#Playlist \"") + name + wxString::Format(wxS("\" with %d Songs."), static_cast<int>(songs.size())));
    lines.Add(wxS("#Erstellt mit Cantavo DuzedaziZodava"));
    lines.Add(kBar);
    lines.Add(wxS("#Name: ") + name);
    lines.Add(wxS("#Songs:"));
    for (const wxString& song : songs)
        lines.Add(song);
    return lines;
}

wxArrayString PlaylistSongLines(const wxArrayString& lines)
{
    wxArrayString songs;
    for (const wxString& line : lines)
        if (!line.StartsWith(wxS("#")))
            songs.Add(line);
    return songs;
}

bool PlaylistNameOf(const wxArrayString& lines, wxString& name)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i)
    {
        if (lines[i].StartsWith(wxS("#Name:")))
        {
            name = lines[i].Mid(7);
            return true;
        }
    }
    return false;
}

bool PlaylistPath(const wxString& folder, const wxString& name, wxString& path)
{
    if (!IsPlainFileName(name))
        return false;
    path = JoinPath(folder, name + wxS(".kvl"));
    return true;
}

wxString PlaylistHeadingText(const wxString& name, unsigned int count)
{
    return wxS("   Playlist \"") + name + wxS("\"") + wxString::Format(wxS(" (%d Songs):"), static_cast<int>(count));
}
