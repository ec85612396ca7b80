// The playlist file format on lines alone: what the writer writes and what
// the two readers take from a file.
#ifndef DUZEDAZIZODAVA_PLAYLISTFILE_H
#define DUZEDAZIZODAVA_PLAYLISTFILE_H

#include <wx/arrstr.h>
#include <wx/string.h>

// The seven header lines, then one line per song, as the writer writes them.
wxArrayString PlaylistFileLines(const wxString& name, const wxArrayString& songs);

// Comment rule: every line that does not begin with '#' is a song.
wxArrayString PlaylistSongLines(const wxArrayString& lines);

// Name rule: the first line beginning with "#Name:", the file's last line
// excepted, less its first 7 characters. False when there is none.
bool PlaylistNameOf(const wxArrayString& lines, wxString& name);

// FOLDER, separator, NAME.kvl; false (and no path) for a name holding a
// path separator, which would address a file outside the folder.
bool PlaylistPath(const wxString& folder, const wxString& name, wxString& path);

// The heading above the playlist list: the selected name and the count.
wxString PlaylistHeadingText(const wxString& name, unsigned int count);

#endif
