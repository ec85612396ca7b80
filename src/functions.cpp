#include "functions.h"

#include <unordered_map>
#include <cstdint>

#include "songheader.h"
#include "songscan.h"

namespace
{
// Which values a list holds, found in constant time: a flat table of hashes
// and positions in the list, rebuilt whenever the list changed behind its
// back. A load of 50,000 songs meets a quarter of a million distinct values.
class ValueIndex
{
public:
    // Appends the value unless the list holds it already (case-sensitive).
    void Add(wxArrayString& values, const wxString& value)
    {
        if (m_indexed != values.size())
            Rebuild(values);
        const size_t hash = std::hash<wxString>()(value);
        size_t slot = hash & m_mask;
        for (; m_slots[slot].index != kEmpty; slot = (slot + 1) & m_mask)
            if (m_slots[slot].hash == hash && values[m_slots[slot].index] == value)
                return;
        values.Add(value);
        m_slots[slot] = Slot{hash, static_cast<uint32_t>(values.size() - 1)};
        m_indexed = values.size();
        if (2 * m_indexed > m_slots.size())
            Grow(m_slots.size() * 2);
    }

private:
    static constexpr uint32_t kEmpty = UINT32_MAX;
    struct Slot
    {
        size_t hash;
        uint32_t index;
    };

    void Rebuild(const wxArrayString& values)
    {
        size_t size = 16;
        while (size < 2 * values.size() + 2)
            size *= 2;
        m_slots.assign(size, Slot{0, kEmpty});
        m_mask = size - 1;
        m_indexed = 0;
        for (const wxString& value : values)
        {
            const size_t hash = std::hash<wxString>()(value);
            Place(Slot{hash, static_cast<uint32_t>(m_indexed++)});
        }
    }

    void Grow(size_t size)
    {
        std::vector<Slot> old(size, Slot{0, kEmpty});
        old.swap(m_slots);
        m_mask = size - 1;
        for (const Slot& slot : old)
            if (slot.index != kEmpty)
                Place(slot);
    }

    void Place(const Slot& slot)
    {
        size_t at = slot.hash & m_mask;
        while (m_slots[at].index != kEmpty)
            at = (at + 1) & m_mask;
        m_slots[at] = slot;
    }

    std::vector<Slot> m_slots = std::vector<Slot>(16, Slot{0, kEmpty});
    size_t m_mask = 15;
    size_t m_indexed = 0;
};

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
            m_seen.resize(k + 1);
        m_seen[k].Add(m_lists[k], value);
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
    std::vector<ValueIndex> m_seen;
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
