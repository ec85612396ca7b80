// Finding and reading the song files of a song folder, without a display.
#ifndef DUZEDAZIZODAVA_SONGSCAN_H
#define DUZEDAZIZODAVA_SONGSCAN_H

#include <functional>

#include <wx/arrstr.h>
#include <wx/string.h>

#include "songheader.h"

// Reads the "*.txt" files of every subfolder of the folder, at any depth,
// depth first: a folder's own files before its subfolders, a subfolder's
// whole tree before its next sibling; the folder's own files are not read.
// Hidden entries are passed over, and a folder already on the way down (a
// link back into the tree) is not entered again. Appends the label of each
// song the filter lets through; with no filter, gives the tags to the sink.
// While the scan goes on, take (if given) may be handed the labels found so
// far, to take them out of the array.
using LabelTaker = std::function<void(wxArrayString& labels)>;
void ScanSongFolder(const wxString& folder, const SongFilter& filter, SongTagSink* tags, wxArrayString& labels,
                    const LabelTaker& take = LabelTaker());

// The same for one song file.
void ScanSongFile(const wxString& path, const SongFilter& filter, SongTagSink* tags, wxArrayString& labels);

#endif
