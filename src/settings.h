// The settings file: the song folder and the playlist folder, one line each.
#ifndef DUZEDAZIZODAVA_SETTINGS_H
#define DUZEDAZIZODAVA_SETTINGS_H

#include <wx/string.h>

// Relative on purpose: the file lives in the working directory of the moment.
extern const wxString kSettingsFileName;

// UTF-8, the native line end after the first line, none after the second.
wxString FormatSettings(const wxString& songFolder, const wxString& playlistFolder);

// Replaces the file only once the new content is written whole. Quiet.
bool WriteSettingsFile(const wxString& path, const wxString& songFolder,
                       const wxString& playlistFolder);

// False when the file cannot be opened; a missing line comes back empty.
bool ReadSettingsFile(const wxString& path, wxString& songFolder, wxString& playlistFolder);

#endif
