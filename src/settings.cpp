#include "settings.h"

#include <wx/log.h>
#include <wx/txtstrm.h>
#include <wx/wfstream.h>

#include "textlines.h"

const wxString kSettingsFileName = wxS("KOVA_settings");

wxString FormatSettings(const wxString& songFolder, const wxString& playlistFolder)
{
    return songFolder + wxTextFile::GetEOL(wxTextBuffer::typeDefault) + playlistFolder;
}

bool WriteSettingsFile(const wxString& path, const wxString& songFolder,
                       const wxString& playlistFolder)
{
    const wxString text = FormatSettings(songFolder, playlistFolder);
    const wxCharBuffer bytes = text.utf8_str();
    return ReplaceFileContents(path, bytes.data(), bytes.length());
}

bool ReadSettingsFile(const wxString& path, wxString& songFolder, wxString& playlistFolder)
{
    wxLogNull quiet;
    wxFileInputStream file(path);
    if (!file.IsOk())
        return false;
    wxTextInputStream text(file, wxS(" \t"), wxConvUTF8);
    songFolder = text.ReadLine();
    playlistFolder = text.ReadLine();
    return true;
}
