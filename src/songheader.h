// The header of a song text file: which song it is, whether the tag filter
// lets it through, and which tags it carries. Works on lines alone.
#ifndef DUZEDAZIZODAVA_SONGHEADER_H
#define DUZEDAZIZODAVA_SONGHEADER_H

#include <wx/arrstr.h>
#include <wx/string.h>

extern const wxString kNoTagFilter;  // "Keine Sortierung nach Tags"

enum class SongFilterMode
{
    None,        // every complete song; its tags are gathered
    MissingTag,  // songs without a non-empty value of the tag
    Value        // songs whose value of the tag is exactly the wanted one
};

struct SongFilter
{
    SongFilterMode mode = SongFilterMode::None;
    wxString tag;    // with its '#'
    wxString value;  // wanted value (value filter)
};

// The filter the two choices describe: the selected tag text, and the
// selected position and text of the value choice.
SongFilter MakeSongFilter(const wxString& selectedTag, int valuePosition, const wxString& selectedValue);

// Receives the tags of a song header while no filter is set.
class SongTagSink
{
public:
    virtual ~SongTagSink() = default;
    virtual void AddTag(const wxString& name, const wxString& value) = 0;
};

inline wxUniChar FirstCharOf(const wxArrayString& lines, size_t i)
{
    return lines[i].empty() ? wxUniChar(0) : lines[i][0];
}

inline bool HasLine(const wxArrayString& lines, size_t i)
{
    return i < lines.size();
}

namespace songheader_detail
{
inline const wxString& TitlePrefix()
{
    static const wxString prefix(wxS("#TITLE:"));
    return prefix;
}

inline const wxString& ArtistPrefix()
{
    static const wxString prefix(wxS("#ARTIST:"));
    return prefix;
}

inline bool BeginsWith(const wxString& line, wxUniChar c)
{
    return !line.empty() && line[0] == c;
}

inline wxString Label(const wxString& artist, const wxString& title)
{
    return artist + wxS(" : ") + title;
}

// The tag's own wildcard, so a tag name holding '*' or '?' matches as it
// always did.
class TagMatcher
{
public:
    explicit TagMatcher(const wxString& tag)
        : m_pattern(tag + wxS(":*")), m_plain(tag.find_first_of(wxS("*?")) == wxString::npos),
          m_prefix(tag + wxS(":"))
    {
    }
    bool operator()(const wxString& line) const
    {
        return m_plain ? line.StartsWith(m_prefix) : line.Matches(m_pattern);
    }

private:
    wxString m_pattern;
    bool m_plain;
    wxString m_prefix;
};
}

// Walks the lines up to the second-to-last. Returns true when the song is
// listed, with its label "ARTIST : TITLE". Lines: wxArrayString, or anything
// else with size() and operator[] giving a wxString.
template <class Lines>
bool ReadSongHeader(const Lines& lines, const SongFilter& filter, SongTagSink* tags,
                    wxString& label)
{
    wxString title;
    wxString artist;
    wxString value;

    if (filter.mode == SongFilterMode::None)
    {
        for (size_t i = 0; HasLine(lines, i + 1); ++i)
        {
            // Only header lines can change what is known; every other line
            // needs nothing but its first character.
            if (FirstCharOf(lines, i) != wxUniChar('#'))
            {
                if (!title.empty() && !artist.empty() && FirstCharOf(lines, i) == wxUniChar(':'))
                {
                    label = songheader_detail::Label(artist, title);
                    return true;
                }
                continue;
            }
            wxString line = lines[i];
            if (line.StartsWith(songheader_detail::TitlePrefix()))
            {
                line.Remove(0, 7);
                title = line;
            }
            else if (line.StartsWith(songheader_detail::ArtistPrefix()))
            {
                line.Remove(0, 8);
                artist = line;
            }
            else if (songheader_detail::BeginsWith(line, wxS('#')))
            {
                const size_t colon = line.find(wxS(':'));
                if (tags)
                {
                    if (colon == wxString::npos)
                        tags->AddTag(line, line);
                    else
                        tags->AddTag(line.substr(0, colon), line.substr(colon + 1));
                }
            }
            if (!title.empty() && !artist.empty() && songheader_detail::BeginsWith(line, wxS(':')))
            {
                label = songheader_detail::Label(artist, title);
                return true;
            }
        }
        return false;
    }

    const songheader_detail::TagMatcher carriesTag(filter.tag);
    const size_t cut = filter.tag.length() + 1;
    const bool hashTag = filter.tag.StartsWith(wxS("#"));
    for (size_t i = 0; HasLine(lines, i + 1); ++i)
    {
        // A line that does not begin with '#' cannot be a title, an artist
        // or (as tag names begin with '#') the tag, so it is not decoded.
        const bool header = FirstCharOf(lines, i) == wxUniChar('#') || !hashTag;
        wxString line = header ? lines[i] : wxString(FirstCharOf(lines, i));
        if (header && line.StartsWith(songheader_detail::TitlePrefix()))
        {
            line.Remove(0, 7);
            title = line;
        }
        if (header && line.StartsWith(songheader_detail::ArtistPrefix()))
        {
            line.Remove(0, 8);
            artist = line;
        }
        if (header && carriesTag(line))
        {
            line.Remove(0, cut);
            value = line;
        }
        if (filter.mode == SongFilterMode::MissingTag)
        {
            if (!value.empty())
                return false;
            if (!title.empty() && !artist.empty() && songheader_detail::BeginsWith(line, wxS(':')))
            {
                label = songheader_detail::Label(artist, title);
                return true;
            }
        }
        else
        {
            if (songheader_detail::BeginsWith(line, wxS(':')) && value.empty())
                return false;
            if (!title.empty() && !artist.empty() && value == filter.value)
            {
                label = songheader_detail::Label(artist, title);
                return true;
            }
        }
    }
    return false;
}

#endif
