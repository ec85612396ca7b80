// The song header reader in all three filter states, fed through both ways a
// file becomes lines: decoded whole, and decoded line by line on demand.
// Both must give the same song and the same tags.
//
// Input: one byte for the filter state, the tag name up to '\n', the wanted
// value up to '\n', then the bytes of the song file.
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "songheader.h"
#include "textlines.h"

namespace
{
struct Tags : SongTagSink
{
    void AddTag(const wxString& name, const wxString& value) override
    {
        seen.push_back(name);
        seen.push_back(value);
    }
    std::vector<wxString> seen;
};

std::string Take(const uint8_t*& data, size_t& size)
{
    std::string out;
    while (size > 0 && *data != '\n')
    {
        out += static_cast<char>(*data++);
        --size;
    }
    if (size > 0)
    {
        ++data;
        --size;
    }
    return out;
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_CTYPE, "C.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    SongFilter filter;
    filter.mode = static_cast<SongFilterMode>(*data % 3);
    ++data;
    --size;
    const std::string tag = Take(data, size);
    const std::string value = Take(data, size);
    filter.tag = DecodeText(tag.data(), tag.size());
    filter.value = DecodeText(value.data(), value.size());

    const char* bytes = reinterpret_cast<const char*>(data);
    wxArrayString whole;
    SplitLines(DecodeText(bytes, size), whole);
    TextFileLines lazy;
    lazy.Bytes().assign(bytes, size);
    lazy.Parse();

    Tags wholeTags;
    Tags lazyTags;
    wxString wholeLabel;
    wxString lazyLabel;
    const bool wholeListed = ReadSongHeader(whole, filter, &wholeTags, wholeLabel);
    const bool lazyListed = ReadSongHeader(lazy, filter, &lazyTags, lazyLabel);
    if (wholeListed != lazyListed || wholeLabel != lazyLabel || wholeTags.seen != lazyTags.seen)
        std::abort();
    if (filter.mode != SongFilterMode::None && !wholeTags.seen.empty())
        std::abort();  // tags are gathered only without a filter
    if (wholeListed && wholeLabel.Find(wxS(" : ")) == wxNOT_FOUND)
        std::abort();
    if (whole.size() != lazy.size())
        std::abort();
    return 0;
}
