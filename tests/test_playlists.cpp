// Playlist files, the playlist folder, and moving songs into the playlist.
#include <sys/resource.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

#include <wx/dir.h>

#include "main.h"
#include "playlistfile.h"
#include "playlists.h"
#include "testutil.h"

namespace
{
std::string Header(const std::string& name, int count)
{
    return "######################################\n#Cantavo Playlist Format v1.0\n#Playlist \"" + name +
           "\" with " + std::to_string(count) +
           " Songs.\n#Erstellt mit Cantavo DuzedaziZodava\n######################################\n#Name: " + name +
           "\n#Songs:\n";
}

const wxString kSaved = wxS("Playlist erfolgreich gespeichert!");
const wxString kSaveFailed = wxS("Achtung: Die Playlist konnte nicht gespeichert werden!");

wxString CreatedText(const char* name)
{
    return wxS("Die Playlist \"") + U8(name) +
           wxS("\" wurde erstellt, ist allerdings noch leer!\nSongs werden erst nach klick auf \"Playlist speichern\" ")
           wxS("gespeichert.");
}

wxString NotCreatedText(const char* name)
{
    return wxS("Die Playlist \"") + U8(name) +
           wxS("\" konnte nicht erstellt werden.\nEine Andere Playlist mit diesem Namen existiert bereits oder das ")
           wxS("Verzeichnis existiert nicht!");
}

wxString DeletedText(const char* name)
{
    return wxS("Die Playlist \"") + U8(name) + U8("\" wurde erfolgreich von der Festplatte gel\xc3\xb6scht!");
}

wxString NotDeletedText(const char* name)
{
    return wxS("Die Playlist \"") + U8(name) +
           U8("\" konnte nicht gel\xc3\xb6scht werden!\nDie Datei ist nicht vorhanden oder kann nicht zugegriffen "
              "werden.");
}

class Playlists : public FrameTest
{
protected:
    void Fill(wxCheckListBox* list, std::initializer_list<const char*> texts)
    {
        for (const char* t : texts)
            list->Append(U8(t));
    }
    std::vector<wxString> Names()
    {
        GetPlaylists(folder.Path(), frame->PlaylistChoice);
        return Items(frame->PlaylistChoice);
    }
    ScratchDir folder;
};
}

TEST_F(Playlists, WriterWritesHeaderCountNameAndEverySongByteForByte)
{
    const struct
    {
        const char* name;
        std::initializer_list<const char*> songs;
        std::string songLines;  // in the list's sorted order
    } rows[] = {
        {"Leer", {}, ""},
        {"Eins", {"A : T"}, "A : T\n"},
        {" Mit \"Zitat\" #1 ", {"Z : #Hash", "A : \"q\"", "B : mit  Blanks "},
         "A : \"q\"\nB : mit  Blanks \nZ : #Hash\n"},
        {"Umlaute", {"J\xc3\xbcrgen : Stra\xc3\x9f" "e"}, "J\xc3\xbcrgen : Stra\xc3\x9f" "e\n"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        frame->PlaylistSongList->Clear();
        Fill(frame->PlaylistSongList, row.songs);
        frame->PlaylistSongList->Check(0, row.songs.size() > 1);
        wxTEST_DIALOG(WritePlaylist(U8(row.name), folder.Path(), frame->PlaylistSongList), ExpectReport(kSaved));
        EXPECT_EQ(ReadBytes(folder.Path() + wxS("/") + U8(row.name) + wxS(".kvl")),
                  Header(row.name, static_cast<int>(row.songs.size())) + row.songLines);
    }
    // an old file is replaced whole, and no temporary file stays behind
    WriteBytes(folder / "Eins.kvl", "#Name: Eins\nother tool's line\nX : Y\n");
    frame->PlaylistSongList->Clear();
    wxTEST_DIALOG(WritePlaylist(wxS("Eins"), folder.Path(), frame->PlaylistSongList), ExpectReport(kSaved));
    EXPECT_EQ(ReadBytes(folder / "Eins.kvl"), Header("Eins", 0));
    wxArrayString files;
    wxDir::GetAllFiles(folder.Path(), &files, wxEmptyString, wxDIR_FILES | wxDIR_HIDDEN);
    EXPECT_EQ(files.size(), 4u);
}

TEST_F(Playlists, ReadersFollowTheCommentAndNameRules)
{
    const struct
    {
        const char* what;
        std::string bytes;
        std::vector<wxString> names;  // what the folder listing shows
        std::vector<wxString> songs;  // what loading gives, sorted
    } rows[] = {
        {"one blank", "#Name: Rock Mix\n#Songs:\nB : 2\nA : 1\n", W({"Rock Mix"}), W({"A : 1", "B : 2"})},
        {"no blank", "#Name:Rock\nx\n", W({"ock"}), W({"x"})},
        {"two blanks", "#Name:  Rock \nx\n", W({" Rock "}), W({"x"})},
        {"name line alone before a song", "#Name:\nx\n", W({""}), W({"x"})},
        {"only line is a name line", "#Name: Solo\n", {}, {}},
        {"name line last", "A : 1\n#Name: Late", {}, W({"A : 1"})},
        {"two name lines", "#Name: First\n#Name: Second\nx\n", W({"First"}), W({"x"})},
        {"lower-case n or a blank first", "#name: a\n #Name: b\nx\n", {}, W({" #Name: b", "x"})},
        {"empty lines are songs", "#Name: E\n\nA : 1\n\n", W({"E"}), W({"", "", "A : 1"})},
        {"CR LF and CR", "#Name: W\r\nA : 1\rB : 2\r\n", W({"W"}), W({"A : 1", "B : 2"})},
        {"created, never saved", "", {}, {}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        WriteBytes(folder / "p.kvl", row.bytes);
        EXPECT_EQ(Names(), row.names);
        GetPlaylist(folder / "p.kvl", frame->PlaylistSongList);
        EXPECT_EQ(Items(frame->PlaylistSongList), row.songs);
        EXPECT_TRUE(Checked(frame->PlaylistSongList).empty());
    }
    GetPlaylist(folder / "missing.kvl", frame->PlaylistSongList);
    EXPECT_EQ(frame->PlaylistSongList->GetCount(), 0u);
}

TEST_F(Playlists, SongLineWithNumberSignIsLostAfterSaveAndLoad)
{
    Fill(frame->PlaylistSongList, {"#1 : Hit", "A : T"});
    wxTEST_DIALOG(WritePlaylist(wxS("P"), folder.Path(), frame->PlaylistSongList), ExpectReport(kSaved));
    GetPlaylist(folder / "P.kvl", frame->PlaylistSongList);
    EXPECT_EQ(Items(frame->PlaylistSongList), W({"A : T"}));
}

TEST_F(Playlists, FolderListingTakesPlainVisiblePlaylistFilesOnly)
{
    WriteBytes(folder / "a.kvl", "#Name: Alpha\nx\n");
    WriteBytes(folder / "b.kvl", "#Name: Alpha\nx\n");
    WriteBytes(folder / ".hidden.kvl", "#Name: Hidden\nx\n");
    WriteBytes(folder / "c.txt", "#Name: Text\nx\n");
    WriteBytes(folder / "empty.kvl", "");
    MakeDirs(folder / "dir.kvl");
    MakeDirs(folder / "sub");
    WriteBytes(folder / "sub/deep.kvl", "#Name: Deep\nx\n");
    EXPECT_EQ(Names(), W({"Alpha", "Alpha"}));
    for (const wxString& missing : {folder / "missing", wxString()})
    {
        frame->PlaylistChoice->Append(wxS("old"));
        GetPlaylists(missing, frame->PlaylistChoice);
        EXPECT_EQ(frame->PlaylistChoice->GetCount(), 0u);
    }
}

TEST_F(Playlists, CreatingMakesAnEmptyFileOnlyWhereNoneExists)
{
    bool created = false;
    wxTEST_DIALOG(created = WritePlaylist(wxS("Neu"), folder.Path()), ExpectReport(CreatedText("Neu")));
    EXPECT_TRUE(created);
    EXPECT_EQ(ReadBytes(folder / "Neu.kvl"), "");

    WriteBytes(folder / "Alt.kvl", "#Name: Anders\nA : 1\n");
    for (const char* name : {"Neu", "Alt"})
    {
        const auto before = Snapshot(folder.Path());
        wxTEST_DIALOG(created = WritePlaylist(U8(name), folder.Path()), ExpectReport(NotCreatedText(name)));
        EXPECT_FALSE(created);
        EXPECT_EQ(Snapshot(folder.Path()), before);
    }
    wxTEST_DIALOG(created = WritePlaylist(wxS("X"), folder / "missing"), ExpectReport(NotCreatedText("X")));
    EXPECT_FALSE(created);
}

TEST_F(Playlists, DeletingAsksFirstAndReportsTheOutcome)
{
    WriteBytes(folder / "Weg.kvl", "#Name: Weg\nx\n");
    bool removed = true;
    wxTEST_DIALOG(removed = DeletePlaylist(wxS("Weg"), folder.Path()), DeleteQuestion("Weg", wxNO));
    EXPECT_FALSE(removed);
    EXPECT_TRUE(Exists(folder / "Weg.kvl"));

    wxTEST_DIALOG(removed = DeletePlaylist(wxS("Weg"), folder.Path()), DeleteQuestion("Weg", wxYES),
                  ExpectReport(DeletedText("Weg")));
    EXPECT_TRUE(removed);
    EXPECT_FALSE(Exists(folder / "Weg.kvl"));

    wxTEST_DIALOG(removed = DeletePlaylist(wxS("Weg"), folder.Path()), DeleteQuestion("Weg", wxYES),
                  ExpectReport(NotDeletedText("Weg")));
    EXPECT_FALSE(removed);
}

// A name from a file's name line or from the user must not reach outside
// the playlist folder.
TEST_F(Playlists, NamesWithPathSeparatorsAddressNoFile)
{
    ScratchDir root;
    const wxString inner = root / "playlists";
    MakeDirs(inner);
    WriteBytes(root / "x.kvl", "#Name: x\nA : 1\n");
    MakeDirs(root / "a");
    WriteBytes(root / "a/b.kvl", "#Name: b\nA : 1\n");
    Fill(frame->PlaylistSongList, {"S : 1"});
    const auto before = Snapshot(root.Path());
    for (const char* name : {"../x", "a/b", "/tmp/evil", "../playlists/ok"})
    {
        SCOPED_TRACE(name);
        bool result = true;
        wxTEST_DIALOG(result = WritePlaylist(U8(name), inner), ExpectReport(NotCreatedText(name)));
        EXPECT_FALSE(result);
        wxTEST_DIALOG(WritePlaylist(U8(name), inner, frame->PlaylistSongList), ExpectReport(kSaveFailed));
        wxTEST_DIALOG(result = DeletePlaylist(U8(name), inner), DeleteQuestion(name, wxYES),
                      ExpectReport(NotDeletedText(name)));
        EXPECT_FALSE(result);
    }
    EXPECT_EQ(Snapshot(root.Path()), before);
    EXPECT_FALSE(Exists(wxS("/tmp/evil.kvl")));
}

// As root no folder is read-only, so the write is cut short by a file size
// limit in a child process: the new content never fits.
TEST_F(Playlists, FailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const std::string old = Header("Big", 1) + "Old : Song\n";
    WriteBytes(folder / "Big.kvl", old);
    for (int i = 0; i < 200; ++i)
        frame->PlaylistSongList->Append(wxString::Format(wxS("Artist %03d : A rather long song title"), i));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        int reported = 0;
        class Seen : public wxExpectModalBase<wxMessageDialog, Seen>
        {
        public:
            explicit Seen(int& flag) : m_flag(&flag) {}

        protected:
            int OnInvoked(wxMessageDialog* dialog) const override
            {
                *m_flag = dialog->GetMessage() == wxString(wxS("Achtung: Die Playlist konnte nicht gespeichert werden!"))
                              ? 1 : 2;
                return wxID_OK;
            }

        private:
            int* m_flag;
        };
        wxTEST_DIALOG(WritePlaylist(wxS("Big"), folder.Path(), frame->PlaylistSongList), Seen(reported));
        _exit(reported == 1 ? 0 : 10 + reported);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure message was not shown";
    EXPECT_EQ(ReadBytes(folder / "Big.kvl"), old);
    wxArrayString files;
    wxDir::GetAllFiles(folder.Path(), &files, wxEmptyString, wxDIR_FILES | wxDIR_HIDDEN);
    EXPECT_EQ(files.size(), 1u);
}

namespace
{
wxString Summary(int added, int present)
{
    return wxString::Format(U8("%d Songs wurden der Playlist hinzugef\xc3\xbcgt.\n%d Songs waren bereits vorhanden "
                               "und wurden nicht hinzugef\xc3\xbcgt."),
                            added, present);
}
}

TEST_F(Playlists, TransferAddsMarkedSongsOnceAndReportsBothCounts)
{
    Fill(frame->SongList, {"A : 1", "B : 2", "B : 2", "C : 3", "D : 4"});
    Fill(frame->PlaylistSongList, {"c : 3"});
    for (unsigned i : {0u, 1u, 2u, 3u})
        frame->SongList->Check(i);
    wxTEST_DIALOG(Send(idAddSongsToPlaylist), ExpectReport(Summary(2, 2)));
    EXPECT_EQ(Items(frame->PlaylistSongList), W({"A : 1", "B : 2", "c : 3"}));
    EXPECT_TRUE(Checked(frame->PlaylistSongList).empty());
    EXPECT_EQ(Checked(frame->SongList), W({"A : 1", "B : 2", "B : 2", "C : 3"}));
    EXPECT_EQ(frame->PlaylistHeading->GetLabel(), wxS("   Playlist \"keine Playlisten geladen\" (3 Songs):"));

    // again: everything is there already
    wxTEST_DIALOG(Send(idAddSongsToPlaylist), ExpectReport(Summary(0, 4)));
    Send(idDeselectAllSongs);
    wxTEST_DIALOG(Send(idAddSongsToPlaylist), ExpectReport(Summary(0, 0)));
    EXPECT_EQ(frame->PlaylistHeading->GetLabel(), wxS("   Playlist \"keine Playlisten geladen\" (3 Songs):"));

    frame->PlaylistChoice->Append(wxS("Mix"));
    frame->PlaylistChoice->SetSelection(1);
    frame->PlaylistSongList->Delete(0);
    frame->PlaylistSongList->Delete(0);
    frame->SongList->Check(4);
    wxTEST_DIALOG(Send(idAddSongsToPlaylist), ExpectReport(Summary(1, 0)));
    EXPECT_EQ(frame->PlaylistHeading->GetLabel(), wxS("   Playlist \"Mix\" (2 Songs):"));
}

TEST_F(Playlists, MarkAllNoneAndRemoveMarked)
{
    Fill(frame->SongList, {"A : 1", "B : 2"});
    Fill(frame->PlaylistSongList, {"P : 1", "P : 2", "P : 3", "P : 4"});
    const struct
    {
        int id;
        std::vector<wxString> songMarks;
        std::vector<wxString> playlistMarks;
    } rows[] = {
        {idSelectAllSongs, W({"A : 1", "B : 2"}), {}},
        {idSelectPlaylistSongs, W({"A : 1", "B : 2"}), W({"P : 1", "P : 2", "P : 3", "P : 4"})},
        {idDeselectAllSongs, {}, W({"P : 1", "P : 2", "P : 3", "P : 4"})},
        {idDeselectPlaylistSongs, {}, {}},
    };
    for (const auto& row : rows)
    {
        Send(row.id);
        EXPECT_EQ(Checked(frame->SongList), row.songMarks);
        EXPECT_EQ(Checked(frame->PlaylistSongList), row.playlistMarks);
    }
    frame->PlaylistHeading->SetLabel(wxS("   Playlist \"X\" (4 Songs):"));
    frame->PlaylistSongList->Check(1);
    frame->PlaylistSongList->Check(2);
    Send(idDeleteSelected);
    EXPECT_EQ(Items(frame->PlaylistSongList), W({"P : 1", "P : 4"}));
    Send(idSelectPlaylistSongs);
    Send(idDeleteSelected);
    EXPECT_EQ(frame->PlaylistSongList->GetCount(), 0u);
    EXPECT_EQ(frame->PlaylistHeading->GetLabel(), wxS("   Playlist \"X\" (4 Songs):"));
    // on empty lists nothing happens
    Send(idSelectPlaylistSongs);
    Send(idDeleteSelected);
}

TEST(PlaylistFile, LinesAndPath)
{
    wxArrayString songs;
    songs.Add(wxS("A : 1"));
    EXPECT_EQ(Strings(PlaylistFileLines(wxS("N"), songs)).size(), 8u);
    wxString path;
    EXPECT_TRUE(PlaylistPath(wxS("/f"), wxS(" a b "), path));
    EXPECT_EQ(path, wxS("/f/ a b .kvl"));
    EXPECT_TRUE(PlaylistPath(wxS("/f/"), wxS(".."), path));
    EXPECT_EQ(path, wxS("/f//...kvl"));
    EXPECT_FALSE(PlaylistPath(wxS("/f"), wxS("a/b"), path));
    EXPECT_EQ(PlaylistHeadingText(wxString(), 1), wxS("   Playlist \"\" (1 Songs):"));
}
