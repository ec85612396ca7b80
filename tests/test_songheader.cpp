// The song header reader on lines alone, and the way files become lines.
#include <wx/textfile.h>

#include "songheader.h"
#include "testutil.h"
#include "textlines.h"

namespace
{
struct Collected : SongTagSink
{
    void AddTag(const wxString& name, const wxString& value) override
    {
        tags.push_back(name + wxS("=") + value);
    }
    std::vector<wxString> tags;
};

wxArrayString Lines(std::initializer_list<const char*> lines)
{
    wxArrayString out;
    for (const char* line : lines)
        out.Add(wxString::FromUTF8(line));
    return out;
}

struct HeaderCase
{
    const char* what;
    std::initializer_list<const char*> lines;
    SongFilterMode mode;
    const char* tag;
    const char* value;
    const char* label;  // nullptr: not listed
    std::initializer_list<const char*> tags;  // gathered, as NAME=VALUE
};

const HeaderCase kHeaderCases[] = {
    {"artist then title", {"#ARTIST:A", "#TITLE:T", ": 0 1 2 la", "E"}, SongFilterMode::None, "", "", "A : T",
     {}},
    {"title then artist", {"#TITLE:T", "#ARTIST:A", ": 0", "E"}, SongFilterMode::None, "", "", "A : T", {}},
    {"blank after the colon stays", {"#ARTIST: A", "#TITLE:T ", ": 0", "E"}, SongFilterMode::None, "", "",
     " A : T ", {}},
    {"no title: not listed, tags still gathered", {"#ARTIST:A", "#EDITION:X", ": 0", "#GENRE:Pop", "E"},
     SongFilterMode::None, "", "", nullptr, {"#EDITION=X", "#GENRE=Pop"}},
    {"empty title", {"#TITLE:", "#ARTIST:A", ": 0", "E"}, SongFilterMode::None, "", "", nullptr, {}},
    {"tags after the deciding line are not read", {"#TITLE:T", "#ARTIST:A", "#BPM:300", ": 0", "#GENRE:Pop", "E"},
     SongFilterMode::None, "", "", "A : T", {"#BPM=300"}},
    {"header line without colon, empty value, case kept",
     {"#FOO", "#EDITION:", "#title:x", "#TITLE:T", "#ARTIST:A", ": 0", "E"}, SongFilterMode::None, "", "",
     "A : T", {"#FOO=#FOO", "#EDITION=", "#title=x"}},
    {"value keeps later colons", {"#VIDEO:v:1,a:2", "#TITLE:T", "#ARTIST:A", ": 0", "E"}, SongFilterMode::None,
     "", "", "A : T", {"#VIDEO=v:1,a:2"}},
    {"single line", {"#TITLE:T"}, SongFilterMode::None, "", "", nullptr, {}},
    {"deciding line is the last line", {"#TITLE:T", "#ARTIST:A", ": 0"}, SongFilterMode::None, "", "", nullptr,
     {}},
    {"last line never examined for tags", {"#TITLE:T", "#GENRE:Pop"}, SongFilterMode::None, "", "", nullptr, {}},
    {"a title that begins with a colon decides at once", {"#ARTIST:A", "#TITLE::x", "E"}, SongFilterMode::None,
     "", "", "A : :x", {}},

    {"missing tag: empty value listed", {"#TITLE:T", "#ARTIST:A", "#EDITION:", ": 0", "E"},
     SongFilterMode::MissingTag, "#EDITION", "", "A : T", {}},
    {"missing tag: no tag listed", {"#TITLE:T", "#ARTIST:A", "#GENRE:Pop", ": 0", "E"}, SongFilterMode::MissingTag,
     "#EDITION", "", "A : T", {}},
    {"missing tag: value present", {"#TITLE:T", "#ARTIST:A", "#EDITION:X", ": 0", "E"},
     SongFilterMode::MissingTag, "#EDITION", "", nullptr, {}},
    {"missing tag: deciding line last", {"#TITLE:T", "#ARTIST:A", ": 0"}, SongFilterMode::MissingTag, "#EDITION",
     "", nullptr, {}},

    {"value before title and artist", {"#EDITION:X", "#TITLE:T", "#ARTIST:A", ": 0", "E"}, SongFilterMode::Value,
     "#EDITION", "X", "A : T", {}},
    {"value after title and artist", {"#TITLE:T", "#ARTIST:A", "#EDITION:X", ": 0", "E"}, SongFilterMode::Value,
     "#EDITION", "X", "A : T", {}},
    {"value differs in case", {"#TITLE:T", "#ARTIST:A", "#EDITION:x", ": 0", "E"}, SongFilterMode::Value,
     "#EDITION", "X", nullptr, {}},
    {"value differs by a blank", {"#TITLE:T", "#ARTIST:A", "#EDITION:X ", ": 0", "E"}, SongFilterMode::Value,
     "#EDITION", "X", nullptr, {}},
    {"tag missing at the deciding line", {"#TITLE:T", "#ARTIST:A", ": 0", "#EDITION:X", "E"}, SongFilterMode::Value,
     "#EDITION", "X", nullptr, {}},
    {"tag name is case-sensitive", {"#TITLE:T", "#ARTIST:A", "#Edition:X", ": 0", "E"}, SongFilterMode::Value,
     "#EDITION", "X", nullptr, {}},
    {"empty value wanted: listed before the tag line", {"#TITLE:T", "#ARTIST:A", "#EDITION:Y", ": 0", "E"},
     SongFilterMode::Value, "#EDITION", "", "A : T", {}},
    {"empty value wanted: tag first", {"#EDITION:Y", "#TITLE:T", "#ARTIST:A", ": 0", "E"}, SongFilterMode::Value,
     "#EDITION", "", nullptr, {}},
    {"placeholder text as value", {"#EDITION:X", "#TITLE:T", "#ARTIST:A", ": 0", "E"}, SongFilterMode::Value,
     "#EDITION", "Bitte ausw\xc3\xa4hlen", nullptr, {}},
    {"tag at the start of the title line is cut too", {"#ARTIST:A", "#TITLE:#EDITION:X", ": 0", "E"},
     SongFilterMode::Value, "#EDITION", "X", "A : #EDITION:X", {}},
};
}

TEST(SongHeader, ListsAndGathersAsTheLinesSay)
{
    for (const HeaderCase& c : kHeaderCases)
    {
        SCOPED_TRACE(c.what);
        SongFilter filter;
        filter.mode = c.mode;
        filter.tag = U8(c.tag);
        filter.value = U8(c.value);
        Collected collected;
        wxString label;
        const bool listed = ReadSongHeader(Lines(c.lines), filter, &collected, label);
        EXPECT_EQ(listed, c.label != nullptr);
        if (c.label)
            EXPECT_EQ(label, U8(c.label));
        std::vector<wxString> tags;
        for (const char* t : c.tags)
            tags.push_back(U8(t));
        EXPECT_EQ(collected.tags, tags);
    }
}

TEST(SongHeader, FilterComesFromTheTwoChoices)
{
    const wxString none = wxS("Keine Sortierung nach Tags");
    EXPECT_EQ(MakeSongFilter(none, 1, wxS("x")).mode, SongFilterMode::None);
    const SongFilter missing = MakeSongFilter(wxS("#EDITION"), 1, wxS("ohne #EDITION-Tag"));
    EXPECT_EQ(missing.mode, SongFilterMode::MissingTag);
    EXPECT_EQ(missing.tag, wxS("#EDITION"));
    const SongFilter placeholder = MakeSongFilter(wxS("#EDITION"), 0, U8("Bitte ausw\xc3\xa4hlen"));
    EXPECT_EQ(placeholder.mode, SongFilterMode::Value);
    EXPECT_EQ(placeholder.value, U8("Bitte ausw\xc3\xa4hlen"));
    EXPECT_EQ(MakeSongFilter(wxS("#EDITION"), 3, wxS("X")).value, wxS("X"));
    EXPECT_EQ(MakeSongFilter(wxS("keine sortierung nach tags"), 0, wxString()).mode, SongFilterMode::Value);
}

namespace
{
std::vector<wxString> LazyLines(const wxString& path)
{
    TextFileLines lines;
    lines.Read(path);
    std::vector<wxString> out;
    for (size_t i = 0; lines.Has(i); ++i)
    {
        out.push_back(lines[i]);
        EXPECT_EQ(lines.FirstChar(i), out.back().empty() ? wxUniChar(0)
                                      : out.back()[0] < 0x80 ? out.back()[0] : wxUniChar(0xFFFD));
    }
    EXPECT_EQ(lines.size(), out.size());
    return out;
}
}

// Both readers split and decode like wxTextFile does for text it can decode,
// and read what it cannot decode as Windows-1252.
TEST(TextLines, SplitAndDecodeLikeTheTextFileClass)
{
    ScratchDir dir;
    const wxString path = dir / "f.txt";
    const struct
    {
        std::string bytes;
        std::vector<const char*> lines;
        bool toolkitDecodes;
    } rows[] = {
        {"", {}, true},
        {"a", {"a"}, true},
        {"a\n", {"a"}, true},
        {"a\r\nb", {"a", "b"}, true},
        {"a\rb\r", {"a", "b"}, true},
        {"\n", {""}, true},
        {"\n\n", {"", ""}, true},
        {"a\r\r\nb\n\rc", {"a", "", "b", "", "c"}, true},
        {"\xc3\xa4\xe2\x82\xac\n#\xc3\x9c", {"\xc3\xa4\xe2\x82\xac", "#\xc3\x9c"}, true},
        {"#TITLE:\xdc" "bermorgen\r\n\x80\x81", {"#TITLE:\xc3\x9c" "bermorgen", "\xe2\x82\xac\xc2\x81"}, false},
        {"ok\n\xc3", {"ok", "\xc3\x83"}, false},
        {"\xed\xa0\x80", {"\xc3\xad\xc2\xa0\xe2\x82\xac"}, false},
        // found by fuzzing: the C library decodes this beyond U+10FFFF
        {"#\xf4\x9b\x9b\x9b\n\r\n", {"#\xc3\xb4\xe2\x80\xba\xe2\x80\xba\xe2\x80\xba", ""}, false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.bytes);
        WriteBytes(path, row.bytes);
        std::vector<wxString> expected;
        for (const char* line : row.lines)
            expected.push_back(U8(line));
        wxArrayString whole;
        ASSERT_TRUE(ReadTextLines(path, whole));
        EXPECT_EQ(Strings(whole), expected);
        EXPECT_EQ(LazyLines(path), expected);
        if (row.toolkitDecodes)
        {
            wxTextFile file;
            ASSERT_TRUE(file.Open(path, wxConvUTF8));
            std::vector<wxString> toolkit;
            for (size_t i = 0; i < file.GetLineCount(); ++i)
                toolkit.push_back(file[i]);
            EXPECT_EQ(toolkit, expected);
        }
    }
    // NUL bytes are characters like any other
    WriteBytes(path, std::string("a\0b\nc", 5));
    EXPECT_EQ(LazyLines(path), (std::vector<wxString>{wxString(L"a\0b", 3), wxS("c")}));
}

TEST(TextLines, MissingFolderOrOddFilesGiveNothing)
{
    ScratchDir dir;
    wxArrayString lines;
    EXPECT_FALSE(ReadTextLines(dir / "missing.txt", lines));
    EXPECT_FALSE(ReadTextLines(dir.Path(), lines));
    TextFileLines lazy;
    EXPECT_FALSE(lazy.Read(dir / "missing.txt"));
    EXPECT_TRUE(lazy.empty());
    EXPECT_TRUE(lines.empty());
}
