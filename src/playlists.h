// Playlist files and the playlist folder, and moving songs into a playlist.
#ifndef DUZEDAZIZODAVA_PLAYLISTS_H
#define DUZEDAZIZODAVA_PLAYLISTS_H

#include <wx/checklst.h>
#include <wx/ctrlsub.h>
#include <wx/string.h>

// Replaces the choice's entries by the names of the playlist files
// ("*.kvl", directly in the folder) in listing order.
void GetPlaylists(const wxString& folder, wxControlWithItems* choice);

// Appends the playlist name of one file to the choice, if it has one.
void ReadPlaylists(const wxString& path, wxControlWithItems* choice);

// Replaces the list's entries by the song lines of one file.
void GetPlaylist(const wxString& path, wxControlWithItems* list);

// Appends every marked song of the source that the target does not hold
// yet (compared as the list's FindString does, ignoring case) and reports
// how many were added and how many were there already.
void AddSongsToPlaylist(wxCheckListBox* source, wxCheckListBox* target);

// Saves every entry of the list into the playlist's file and reports the
// outcome. The old file is replaced only once the new one is complete.
void WritePlaylist(wxString name, wxString folder, wxCheckListBox* list);

// Creates an empty playlist file where none exists; reports the outcome.
bool WritePlaylist(wxString name, wxString folder);

// Asks, then removes the playlist's file; reports the outcome unless the
// user said no.
bool DeletePlaylist(wxString name, wxString folder);

#endif
