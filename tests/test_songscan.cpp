// The song folder scan, the song list, the tag filter and their handlers.
#include <unistd.h>

#include <wx/filename.h>

#include "functions.h"
#include "main.h"
#include "quickcontrols.h"
#include "settings.h"
#include "testutil.h"

namespace
{
std::string SongText(const std::string& artist, const std::string& title, const std::string& tags = "")
{
    return "#TITLE:" + title + "\n#ARTIST:" + artist + "\n" + tags + ": 0 4 60 la\n: 4 4 62 la\nE\n";
}

class SongLibrary : public FrameTest
{
protected:
    void Song(const char* rel, const std::string& artist, const std::string& title, const std::string& tags = "")
    {
        const wxString path = songs / rel;
        MakeDirs(wxFileName(path).GetPath());
        WriteBytes(path, SongText(artist, title, tags));
    }
    void Load()
    {
        GetAllSongs(songs.Path(), frame->SongList, frame->TagChoice, frame->TagValueChoice, frame->TagValueLists);
    }
    std::vector<wxString> Songs() { return Items(frame->SongList); }
    std::vector<wxString> Tags() { return Items(frame->TagChoice); }

    ScratchDir songs;
};

}

TEST_F(SongLibrary, ReadsSubfoldersAtAnyDepthButNotTheTopFolderOrHiddenEntries)
{
    Song("top.txt", "Top", "Level");
    Song("a/one.txt", "One", "Down");
    Song("a/b/c/d/four.txt", "Four", "Down");
    Song("a/other.TXT", "Upper", "Case");
    Song("a/notes.md", "Not", "Text");
    Song(".hidden/h.txt", "Hidden", "Folder");
    Song("a/.h.txt", "Hidden", "File");
    Load();
    EXPECT_EQ(Songs(), W({"Four : Down", "One : Down"}));
}

TEST_F(SongLibrary, EmptyMissingOrBlankFolderGivesNothingAndResetsTags)
{
    Song("a/one.txt", "A", "T", "#EDITION:X\n");
    Load();
    EXPECT_EQ(Tags(), W({"Keine Sortierung nach Tags", "#EDITION"}));
    for (const wxString& folder : {songs / "a/empty", songs / "missing", wxString()})
    {
        SCOPED_TRACE(folder.utf8_str().data());
        if (folder.EndsWith(wxS("empty")))
            MakeDirs(folder);
        GetAllSongs(folder, frame->SongList, frame->TagChoice, frame->TagValueChoice, frame->TagValueLists);
        EXPECT_TRUE(Songs().empty());
        EXPECT_EQ(Tags(), W({"Keine Sortierung nach Tags"}));
        EXPECT_EQ(frame->TagChoice->GetSelection(), 0);
        ASSERT_EQ(frame->TagValueLists.size(), 1u);
        EXPECT_TRUE(frame->TagValueLists[0].empty());
    }
}

TEST_F(SongLibrary, GathersTagsInFirstSeenOrderAndEachValueOnce)
{
    // one folder each, so the reading order is the order of the folders
    Song("1/s.txt", "A", "T1", "#EDITION:Pop\n#GENRE:Rock\n");
    Load();
    Song("1/2/s.txt", "B", "T2", "#EDITION:pop\n#Edition:Pop\n#YEAR:\n");
    Song("1/2/3/s.txt", "C", "T3", "#EDITION:Pop\n#FOO\n");
    Song("1/2/3/4/s.txt", "C", "T3");
    Load();
    EXPECT_EQ(Songs(), W({"A : T1", "B : T2", "C : T3", "C : T3"}));
    // the lookup ignores case like the choice's own FindString does
    EXPECT_EQ(Tags(), W({"Keine Sortierung nach Tags", "#EDITION", "#GENRE", "#YEAR", "#FOO"}));
    ASSERT_EQ(frame->TagValueLists.size(), 5u);
    EXPECT_TRUE(frame->TagValueLists[0].empty());
    EXPECT_EQ(Strings(frame->TagValueLists[1]), W({"Pop", "pop"}));
    EXPECT_EQ(Strings(frame->TagValueLists[2]), W({"Rock"}));
    EXPECT_EQ(Strings(frame->TagValueLists[3]), W({""}));
    EXPECT_EQ(Strings(frame->TagValueLists[4]), W({"#FOO"}));
}

// Many values, so the value index grows, and a second read into lists that
// already hold values, so it starts from what is there.
TEST_F(SongLibrary, ValueListsStayExactWithManyValues)
{
    std::vector<wxString> expected;
    wxString folder = wxS("d");
    for (int i = 0; i < 300; ++i)
    {
        folder += wxS("/d");  // one folder below the other: a known reading order
        Song((folder + wxS("/s.txt")).utf8_str().data(), "A", std::to_string(i),
             "#MP3:" + std::to_string(i % 200) + ".mp3\n#GENRE:g" + std::to_string(i % 3) + "\n");
        if (i < 200)
            expected.push_back(wxString::Format(wxS("%d.mp3"), i));
    }
    Load();
    ASSERT_EQ(Tags(), W({"Keine Sortierung nach Tags", "#MP3", "#GENRE"}));
    EXPECT_EQ(Strings(frame->TagValueLists[1]), expected);
    EXPECT_EQ(Strings(frame->TagValueLists[2]), W({"g0", "g1", "g2"}));

    Song("x/new.txt", "B", "T", "#MP3:5.mp3\n#MP3:new.mp3\n#GENRE:g1\n");
    ReadTextfile(songs / "x/new.txt", frame->SongList, frame->TagChoice, frame->TagValueChoice,
                 frame->TagValueLists);
    expected.push_back(wxS("new.mp3"));
    EXPECT_EQ(Strings(frame->TagValueLists[1]), expected);
    EXPECT_EQ(Strings(frame->TagValueLists[2]), W({"g0", "g1", "g2"}));
}

TEST_F(SongLibrary, FilterKeepsTheTagListsAndMarksGoOnEveryLoad)
{
    Song("1/s.txt", "A", "T1", "#EDITION:X\n");
    Song("1/2/s.txt", "B", "T2", "#EDITION:Y\n");
    Load();
    frame->SongList->Check(0);
    frame->TagChoice->SetSelection(1);
    frame->TagValueChoice->Append(wxS("Bitte ausw\u00e4hlen"));
    frame->TagValueChoice->Append(wxS("ohne #EDITION-Tag"));
    frame->TagValueChoice->Append(wxS("X"));
    frame->TagValueChoice->SetSelection(2);
    Song("3/s.txt", "C", "T3", "#EDITION:X\n#NEW:1\n");
    Load();
    EXPECT_EQ(Songs(), W({"A : T1", "C : T3"}));
    EXPECT_TRUE(Checked(frame->SongList).empty());
    EXPECT_EQ(Tags(), W({"Keine Sortierung nach Tags", "#EDITION"}));
    EXPECT_EQ(Strings(frame->TagValueLists[1]), W({"X", "Y"}));
}

TEST_F(SongLibrary, LinksBackIntoTheTreeAreNotFollowedButOthersAre)
{
    Song("a/one.txt", "One", "Song");
    Song("a/b/two.txt", "Two", "Song");
    ScratchDir outside;
    WriteBytes(outside / "far.txt", SongText("Far", "Away"));
    ASSERT_EQ(symlink(songs.Path().utf8_str().data(), (songs / "a/b/top").utf8_str().data()), 0);
    ASSERT_EQ(symlink("..", (songs / "a/b/up").utf8_str().data()), 0);
    ASSERT_EQ(symlink(".", (songs / "a/self").utf8_str().data()), 0);
    ASSERT_EQ(symlink(outside.Path().utf8_str().data(), (songs / "a/outside").utf8_str().data()), 0);
    ASSERT_EQ(symlink((songs / "nowhere").utf8_str().data(), (songs / "a/dangling.txt").utf8_str().data()), 0);
    Load();
    EXPECT_EQ(Songs(), W({"Far : Away", "One : Song", "Two : Song"}));
}

TEST_F(SongLibrary, OlderSongFilesInWindows1252AreReadToo)
{
    MakeDirs(songs / "alt");
    WriteBytes(songs / "alt/s.txt", "#TITLE:\xdc" "bermorgen\r\n#ARTIST:Grete M\xf6hrle\r\n#GENRE:Schlager\r\n:"
                                    " 0\r\nE\r\n");
    Song("neu/s.txt", "J\xc3\xbcrgen", "Stra\xc3\x9f" "e");
    Load();
    EXPECT_EQ(Songs(), W({"Grete M\xc3\xb6hrle : \xc3\x9c" "bermorgen", "J\xc3\xbcrgen : Stra\xc3\x9f" "e"}));
}

TEST_F(SongLibrary, ReadTextfileAppendsOneSong)
{
    Song("a/s.txt", "A", "T", "#GENRE:Pop\n");
    ReadTextfile(songs / "a/s.txt", frame->SongList, frame->TagChoice, frame->TagValueChoice,
                 frame->TagValueLists);
    ReadTextfile(songs / "a/missing.txt", frame->SongList, frame->TagChoice, frame->TagValueChoice,
                 frame->TagValueLists);
    EXPECT_EQ(Songs(), W({"A : T"}));
    EXPECT_EQ(Tags(), W({"Keine Sortierung nach Tags", "#GENRE"}));
    ASSERT_EQ(frame->TagValueLists.size(), 2u);
    EXPECT_EQ(Strings(frame->TagValueLists[1]), W({"Pop"}));
}

// The handlers, reached through the window's event table.
TEST_F(SongLibrary, LoadButtonWritesSettingsFirstAndCountsSongs)
{
    Song("a/1.txt", "A", "T");
    Song("b/1.txt", "A", "T");
    Song("b/2.txt", "No", "");
    frame->SongFolderText->SetValue(songs.Path());
    frame->PlaylistFolderText->SetValue(wxS(" /p "));
    Send(idLoadSongs);
    EXPECT_EQ(frame->SongListHeading->GetLabel(), wxS("   Alle Songs (2 Songs geladen):"));
    EXPECT_EQ(ReadBytes(kSettingsFileName), std::string(songs.Path().utf8_str().data()) + "\n /p ");

    frame->SongFolderText->SetValue(songs / "missing");
    Send(idLoadSongs);
    EXPECT_EQ(frame->SongListHeading->GetLabel(), wxS("   Alle Songs (0 Songs geladen):"));
    EXPECT_EQ(ReadBytes(kSettingsFileName), std::string((songs / "missing").utf8_str().data()) + "\n /p ");
}

TEST_F(SongLibrary, ChoosingATagOffersItsValuesWithoutLoading)
{
    // before any load only the two fixed entries
    Choose(frame->TagChoice, 0, idChangeTag);
    EXPECT_EQ(Items(frame->TagValueChoice),
              W({"Bitte ausw\xc3\xa4hlen", "ohne Keine Sortierung nach Tags-Tag"}));

    Song("1/s.txt", "A", "T1", "#EDITION:X\n");
    Song("1/2/s.txt", "B", "T2", "#EDITION:Y\n");
    frame->SongFolderText->SetValue(songs.Path());
    Send(idLoadSongs);
    Choose(frame->TagChoice, 1, idChangeTag);
    EXPECT_EQ(Items(frame->TagValueChoice), W({"Bitte ausw\xc3\xa4hlen", "ohne #EDITION-Tag", "X", "Y"}));
    EXPECT_EQ(frame->TagValueChoice->GetSelection(), 0);
    EXPECT_EQ(frame->SongList->GetCount(), 2u);
    EXPECT_EQ(frame->SongListHeading->GetLabel(), wxS("   Alle Songs (2 Songs geladen):"));

    frame->TagValueChoice->SetSelection(3);
    Choose(frame->TagChoice, 1, idChangeTag);
    EXPECT_EQ(frame->TagValueChoice->GetSelection(), 0);
    Choose(frame->TagChoice, 0, idChangeTag);
    EXPECT_EQ(Items(frame->TagValueChoice),
              W({"Bitte ausw\xc3\xa4hlen", "ohne Keine Sortierung nach Tags-Tag"}));
}

TEST_F(SongLibrary, ChoosingAValueLoadsTheFilteredList)
{
    Song("1/s.txt", "A", "T1", "#EDITION:X\n");
    Song("2/s.txt", "B", "T2", "#EDITION:Y\n");
    Song("3/s.txt", "C", "T3");
    frame->SongFolderText->SetValue(songs.Path());
    Send(idLoadSongs);
    Choose(frame->TagChoice, 1, idChangeTag);
    const struct
    {
        const char* entry;
        const char* heading;
        std::vector<wxString> songs;
    } rows[] = {
        {"X", "   Sortierung: \"#EDITION: X\" (1 Songs geladen):", W({"A : T1"})},
        {"ohne #EDITION-Tag", "   Sortierung: \"#EDITION: ohne #EDITION-Tag\" (1 Songs geladen):", W({"C : T3"})},
        {"Bitte ausw\xc3\xa4hlen", "   Sortierung: \"#EDITION: Bitte ausw\xc3\xa4hlen\" (0 Songs geladen):", {}},
        {"Y", "   Sortierung: \"#EDITION: Y\" (1 Songs geladen):", W({"B : T2"})},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.heading);
        wxRemoveFile(kSettingsFileName);
        Choose(frame->TagValueChoice, frame->TagValueChoice->FindString(U8(row.entry), true), idChangeEdition);
        EXPECT_EQ(Items(frame->SongList), row.songs);
        EXPECT_EQ(frame->SongListHeading->GetLabel(), U8(row.heading));
        EXPECT_TRUE(Exists(kSettingsFileName));
        EXPECT_EQ(Items(frame->TagChoice).size(), 2u);
    }
    // "Lade Songs" keeps the filter; back to no filter rebuilds the tags
    Send(idLoadSongs);
    EXPECT_EQ(frame->SongListHeading->GetLabel(), wxS("   Sortierung: \"#EDITION: Y\" (1 Songs geladen):"));
    Choose(frame->TagChoice, 0, idChangeTag);
    Send(idLoadSongs);
    EXPECT_EQ(frame->SongListHeading->GetLabel(), wxS("   Alle Songs (3 Songs geladen):"));
}

TEST(QuickChoice, StaysAnOrdinaryChoiceWithManyEntries)
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxS("t"));
    QuickChoice* choice = new QuickChoice(frame, wxID_ANY, wxDefaultPosition, wxSize(170, -1));
    frame->Show();
    wxArrayString values;
    for (int i = 0; i < 20000; ++i)
        values.Add(wxString::Format(wxS("Song %d.mp3"), i));
    choice->Append(wxS("Bitte ausw\u00e4hlen"));
    choice->Select(0);
    choice->Append(values);
    EXPECT_EQ(choice->GetCount(), 20001u);
    EXPECT_EQ(choice->GetSelection(), 0);
    EXPECT_EQ(choice->GetString(20000), wxS("Song 19999.mp3"));
    EXPECT_EQ(choice->FindString(wxS("song 5.MP3")), 6);
    choice->SetSelection(20000);
    EXPECT_EQ(choice->GetStringSelection(), wxS("Song 19999.mp3"));
    choice->Clear();
    EXPECT_EQ(choice->GetCount(), 0u);
    EXPECT_EQ(choice->GetSelection(), wxNOT_FOUND);
    choice->Append(wxS("one"));
    EXPECT_EQ(choice->GetString(0), wxS("one"));
    frame->Destroy();
}
