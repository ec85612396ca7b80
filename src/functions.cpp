#include "functions.h"

#include <unordered_map>
#include <unordered_set>

#include "songheader.h"
#include "songscan.h"

namespace
{
// Gathers tags into the tag choice and the tag-value table exactly as the
// choice's own FindString (which ignores case) and a case-sensitive search
// of each value list would, but remembers what it has seen, so that a load
// costs the same for every song however many values a tag has.
class TagTable : public SongTagSink
{
public:
    TagTable(wxChoice* choice, std::vector<wxArrayString>& lists) : m_choice(choice), m_lists(lists) {}

    void AddTag(const wxString& name, const wxString& value) override
    {
        const size_t k = Position(name);
        if (k >= m_lists.size())
            m_lists.resize(k + 1);  // keep the pairing by position
        if (k >= m_seen.size())
        {
            m_seen.resize(k + 1);
            m_synced.resize(k + 1, 0);
        }
        wxArrayString& values = m_lists[k];
        std::unordered_set<wxString>& seen = m_seen[k];
        if (m_synced[k] != values.size())
        {
            seen.clear();
            seen.insert(values.begin(), values.end());
        }
        if (seen.insert(value).second)
            values.Add(value);
        m_synced[k] = values.size();
    }

private:
    size_t Position(const wxString& name)
    {
        const auto known = m_positions.find(name);
        if (known != m_positions.end())
            return known->second;
        int k = m_choice->FindString(name);
        if (k == wxNOT_FOUND)
        {
            m_choice->Append(name);
            m_lists.emplace_back();
            k = m_choice->FindString(name);
        }
        m_positions.emplace(name, static_cast<size_t>(k));
        return static_cast<size_t>(k);
    }

    wxChoice* m_choice;
    std::vector<wxArrayString>& m_lists;
    std::unordered_map<wxString, size_t> m_positions;
    std::vector<std::unordered_set<wxString>> m_seen;
    std::vector<size_t> m_synced;
};


// The filter the two choices describe; songs found are handed to the list a
// batch at a time (the list sorts them in while the next files are read),
// and tags are gathered into the choice and the table.
template <class Scan>
void LoadSongs(wxCheckListBox* songList, wxChoice* tagChoice, wxChoice* tagValueChoice,
               std::vector<wxArrayString>& tagValueLists, Scan scan)
{
    const SongFilter filter = MakeSongFilter(tagChoice->GetStringSelection(), tagValueChoice->GetSelection(),
                                             tagValueChoice->GetStringSelection());
    TagTable tags(tagChoice, tagValueLists);
    wxArrayString labels;
    const LabelTaker take = [songList](wxArrayString& found) {
        songList->Append(found);
        found.clear();
    };
    scan(filter, &tags, labels, take);
    if (!labels.empty())
        take(labels);
}
}

void GetAllSongs(const wxString& folder, wxCheckListBox* songList, wxChoice* tagChoice,
                 wxChoice* tagValueChoice, std::vector<wxArrayString>& tagValueLists)
{
    songList->Clear();
    if (tagChoice->GetStringSelection() == kNoTagFilter)
    {
        tagChoice->Clear();
        tagChoice->Append(kNoTagFilter);
        tagChoice->Select(0);
        tagValueLists.clear();
        tagValueLists.emplace_back();
    }
    GetAllTextfiles(folder, songList, tagChoice, tagValueChoice, tagValueLists);
}

void GetAllTextfiles(const wxString& folder, wxCheckListBox* songList, wxChoice* tagChoice,
                     wxChoice* tagValueChoice, std::vector<wxArrayString>& tagValueLists)
{
    LoadSongs(songList, tagChoice, tagValueChoice, tagValueLists,
              [&](const SongFilter& filter, SongTagSink* tags, wxArrayString& labels, const LabelTaker& take)
              { ScanSongFolder(folder, filter, tags, labels, take); });
}

void ReadTextfile(const wxString& path, wxCheckListBox* songList, wxChoice* tagChoice,
                  wxChoice* tagValueChoice, std::vector<wxArrayString>& tagValueLists)
{
    LoadSongs(songList, tagChoice, tagValueChoice, tagValueLists,
              [&](const SongFilter& filter, SongTagSink* tags, wxArrayString& labels, const LabelTaker&)
              { ScanSongFile(path, filter, tags, labels); });
}
