// The settings file: its exact bytes, the line ends it reads, and how the
// main window uses it.
#include <sys/stat.h>

#include <wx/dir.h>

#include "main.h"
#include "settings.h"
#include "testutil.h"

TEST(SettingsFile, WritesUtf8WithOneNativeLineEndAndReadsBack)
{
    ScratchDir dir;
    const wxString path = dir / "KOVA_settings";
    const struct
    {
        const char* song;
        const char* playlist;
    } rows[] = {
        {"/home/u/Songs", "/home/u/Playlists"},
        {"  blanks around  ", "\ttab"},
        {"/M\xc3\xbcsik/\xc3\x84rger", "C:\\Cantavo\\Playlists"},
        {"", ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.song);
        ASSERT_TRUE(WriteSettingsFile(path, U8(row.song), U8(row.playlist)));
        EXPECT_EQ(ReadBytes(path), std::string(row.song) + "\n" + row.playlist);
        wxString song = wxS("x"), playlist = wxS("x");
        ASSERT_TRUE(ReadSettingsFile(path, song, playlist));
        EXPECT_EQ(song, U8(row.song));
        EXPECT_EQ(playlist, U8(row.playlist));
    }
    // the replacement went through a temporary file that is gone again
    wxArrayString files;
    wxDir::GetAllFiles(dir.Path(), &files, wxEmptyString, wxDIR_FILES | wxDIR_HIDDEN);
    EXPECT_EQ(files.size(), 1u);
}

TEST(SettingsFile, ReadsAnyLineEndAndToleratesShortFiles)
{
    ScratchDir dir;
    const wxString path = dir / "KOVA_settings";
    const struct
    {
        std::string bytes;
        const char* song;
        const char* playlist;
    } rows[] = {
        {"a\nb", "a", "b"},         {"a\r\nb", "a", "b"},   {"a\rb", "a", "b"},
        {"a\nb\nc\n", "a", "b"},    {"a", "a", ""},         {"a\n", "a", ""},
        {"", "", ""},               {"\nb", "", "b"},       {"\xc3\xa4\r\n\xc3\xb6", "\xc3\xa4", "\xc3\xb6"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.bytes);
        WriteBytes(path, row.bytes);
        wxString song = wxS("x"), playlist = wxS("x");
        ASSERT_TRUE(ReadSettingsFile(path, song, playlist));
        EXPECT_EQ(song, U8(row.song));
        EXPECT_EQ(playlist, U8(row.playlist));
    }
    wxString song, playlist;
    EXPECT_FALSE(ReadSettingsFile(dir / "missing", song, playlist));
}

// Replacing a file through a private temporary file must not leave the
// result private.
TEST(SettingsFile, ReplacedFileKeepsItsPermissions)
{
    ScratchDir dir;
    const wxString path = dir / "f";
    const mode_t mask = umask(022);
    ASSERT_TRUE(WriteSettingsFile(path, wxS("a"), wxS("b")));
    struct stat st;
    ASSERT_EQ(stat(path.utf8_str().data(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    ASSERT_EQ(chmod(path.utf8_str().data(), 0640), 0);
    ASSERT_TRUE(WriteSettingsFile(path, wxS("c"), wxS("d")));
    ASSERT_EQ(stat(path.utf8_str().data(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    umask(mask);
}

TEST(SettingsFile, FailedWriteLeavesNothingBehind)
{
    ScratchDir dir;
    // a folder in the file's place cannot be replaced by a file
    const wxString path = dir / "KOVA_settings";
    MakeDirs(path);
    EXPECT_FALSE(WriteSettingsFile(path, wxS("a"), wxS("b")));
    wxArrayString files;
    wxDir::GetAllFiles(dir.Path(), &files, wxEmptyString, wxDIR_FILES | wxDIR_HIDDEN);
    EXPECT_TRUE(files.empty());
    EXPECT_FALSE(WriteSettingsFile(dir / "no/such/folder/KOVA_settings", wxS("a"), wxS("b")));
}

namespace
{
// The window reads the file of the working directory when it is made.
class SettingsAtStart : public ::testing::Test
{
protected:
    void TearDown() override
    {
        delete frame;
        wxSetWorkingDirectory(oldCwd);
    }
    void Start(const std::string* bytes)
    {
        oldCwd = wxGetCwd();
        ASSERT_TRUE(wxSetWorkingDirectory(dir.Path()));
        if (bytes)
            WriteBytes(dir / "KOVA_settings", *bytes);
        frame = new MyFrame(nullptr, wxS("t"));
    }
    ScratchDir dir;
    wxString oldCwd;
    MyFrame* frame = nullptr;
};
}

TEST_F(SettingsAtStart, MissingFileKeepsTheDefaults)
{
    Start(nullptr);
    EXPECT_EQ(frame->SongFolderText->GetValue(), wxS("C:\\Cantavo\\Songs"));
    EXPECT_EQ(frame->PlaylistFolderText->GetValue(), wxS("C:\\Cantavo\\Playlists"));
}

TEST_F(SettingsAtStart, OneLineEmptiesThePlaylistField)
{
    const std::string bytes = "/songs \xc3\xa4";
    Start(&bytes);
    EXPECT_EQ(frame->SongFolderText->GetValue(), U8("/songs \xc3\xa4"));
    EXPECT_EQ(frame->PlaylistFolderText->GetValue(), wxString());
}

TEST_F(SettingsAtStart, SaveWritesBothFieldsAsTheyAre)
{
    const std::string bytes = "/s\r\n/p";
    Start(&bytes);
    EXPECT_EQ(frame->PlaylistFolderText->GetValue(), wxS("/p"));
    frame->SongFolderText->SetValue(U8(" /M\xc3\xbcsik "));
    frame->SaveSettings();
    EXPECT_EQ(ReadBytes(dir / "KOVA_settings"), " /M\xc3\xbcsik \n/p");
}
