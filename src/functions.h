// The song library: reading song headers and scanning the song folder.
#ifndef DUZEDAZIZODAVA_FUNCTIONS_H
#define DUZEDAZIZODAVA_FUNCTIONS_H

#include <vector>

#include <wx/arrstr.h>
#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/string.h>

// Empties the song list, rebuilds the tag lists when no tag filter is set,
// and reads every song file below the folder's subfolders.
void GetAllSongs(const wxString& folder, wxCheckListBox* songList, wxChoice* tagChoice,
                 wxChoice* tagValueChoice, std::vector<wxArrayString>& tagValueLists);

// Reads the "*.txt" files of every subfolder of the folder, at any depth;
// the folder's own files are not read.
void GetAllTextfiles(const wxString& folder, wxCheckListBox* songList, wxChoice* tagChoice,
                     wxChoice* tagValueChoice, std::vector<wxArrayString>& tagValueLists);

// Lists one song file when the tag filter lets it through; with no filter
// set, gathers its tags into the tag choice and the tag-value table.
void ReadTextfile(const wxString& path, wxCheckListBox* songList, wxChoice* tagChoice,
                  wxChoice* tagValueChoice, std::vector<wxArrayString>& tagValueLists);

#endif
