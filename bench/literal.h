// The song library loaded the straightforward way, as a baseline for the
// timings: whole-file wxTextFile reads, linear searches of the value lists,
// one Append at a time into the toolkit's own controls.
#ifndef DZZ_BENCH_LITERAL_H
#define DZZ_BENCH_LITERAL_H

#include <vector>

#include <wx/checklst.h>
#include <wx/choice.h>

namespace literal
{
void GetAllSongs(const wxString& folder, wxCheckListBox* songList, wxChoice* tagChoice,
                 wxChoice* tagValueChoice, std::vector<wxArrayString>& tagValueLists);
void FillValues(wxChoice* tagChoice, wxChoice* tagValueChoice, const std::vector<wxArrayString>& lists);
bool AddSongsToPlaylist(wxCheckListBox* source, wxCheckListBox* target, int& added, int& present);
}

#endif
