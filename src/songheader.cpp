#include "songheader.h"

const wxString kNoTagFilter = wxS("Keine Sortierung nach Tags");

SongFilter MakeSongFilter(const wxString& selectedTag, int valuePosition, const wxString& selectedValue)
{
    SongFilter filter;
    if (selectedTag == kNoTagFilter)
        return filter;
    filter.tag = selectedTag;
    if (valuePosition == 1)
    {
        filter.mode = SongFilterMode::MissingTag;
    }
    else
    {
        filter.mode = SongFilterMode::Value;
        filter.value = selectedValue;
    }
    return filter;
}

