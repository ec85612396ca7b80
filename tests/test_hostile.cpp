// A song folder full of things that are not songs: the load finishes, lists
// exactly the readable valid songs, and shows nothing but the list.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "functions.h"
#include "main.h"
#include "songscan.h"
#include "testutil.h"

namespace
{
std::string Song(const std::string& artist, const std::string& title)
{
    return "#TITLE:" + title + "\n#ARTIST:" + artist + "\n: 0 4 60 la\nE\n";
}

struct Hostile
{
    const char* what;
    std::function<void(const ScratchDir&)> make;
    const char* label;   // the song it must give, or nullptr
    bool needsReading;   // unreadable to anyone but root
};

void Write(const ScratchDir& d, const char* rel, const std::string& bytes)
{
    const wxString path = d / rel;
    MakeDirs(path.BeforeLast('/'));
    WriteBytes(path, bytes);
}

void Link(const ScratchDir& d, const char* target, const char* rel)
{
    MakeDirs((d / rel).BeforeLast('/'));
    ASSERT_EQ(symlink(target, (d / rel).utf8_str().data()), 0);
}

const Hostile kHostile[] = {
    {"a plain song", [](const ScratchDir& d) { Write(d, "ok/good.txt", Song("Good", "Song")); }, "Good : Song", false},
    {"an unreadable folder",
     [](const ScratchDir& d) {
         Write(d, "locked/s.txt", Song("Locked", "Folder"));
         chmod((d / "locked").utf8_str().data(), 0);
     },
     "Locked : Folder", true},
    {"an unreadable file",
     [](const ScratchDir& d) {
         Write(d, "ok/locked.txt", Song("Locked", "File"));
         chmod((d / "ok/locked.txt").utf8_str().data(), 0);
     },
     "Locked : File", true},
    {"a zero-byte file", [](const ScratchDir& d) { Write(d, "ok/empty.txt", ""); }, nullptr, false},
    {"NUL bytes in the body",
     [](const ScratchDir& d) { Write(d, "ok/nul.txt", std::string("#TITLE:Nul\n#ARTIST:Bytes\n: 0\0\0 la\n\0E\n", 36)); },
     "Bytes : Nul", false},
    {"nothing but NUL bytes", [](const ScratchDir& d) { Write(d, "ok/zeros.txt", std::string(4096, '\0')); }, nullptr,
     false},
    {"a 10 MB single line",
     [](const ScratchDir& d) { Write(d, "ok/huge.txt", "#TITLE:" + std::string(10 * 1024 * 1024, 'x')); }, nullptr,
     false},
    {"only CR line ends", [](const ScratchDir& d) { Write(d, "ok/cr.txt", "#TITLE:CR\r#ARTIST:Only\r: 0\rE\r"); },
     "Only : CR", false},
    {"a folder named like a song file", [](const ScratchDir& d) { Write(d, "ok/x.txt/in.txt", Song("Inner", "Song")); },
     "Inner : Song", false},
    {"a dangling link", [](const ScratchDir& d) { Link(d, "/nowhere/at/all.txt", "ok/dangling.txt"); }, nullptr, false},
    {"a link cycle", [](const ScratchDir& d) { Link(d, "..", "ok/cycle/up"); }, nullptr, false},
    {"a pipe named like a song file",
     [](const ScratchDir& d) { ASSERT_EQ(mkfifo((d / "ok/pipe.txt").utf8_str().data(), 0644), 0); }, nullptr, false},
    {"very long names",
     [](const ScratchDir& d) {
         const std::string folder(250, 'f');
         const std::string file(251, 'n');
         Write(d, ("long/" + folder + "/" + file + ".txt").c_str(), Song("Long", "Name"));
     },
     "Long : Name", false},
    {"a folder 300 levels deep",
     [](const ScratchDir& d) {
         std::string path = "deep";
         for (int i = 0; i < 300; ++i)
             path += "/d";
         Write(d, (path + "/s.txt").c_str(), Song("Deep", "Down"));
     },
     "Deep : Down", false},
    {"newlines and quotes in names",
     [](const ScratchDir& d) { Write(d, "new\nline/\"quo'te\"\n.txt", Song("Odd \"Name\"", "it's")); },
     "Odd \"Name\" : it's", false},
};

std::vector<wxString> Expected(bool readsEverything)
{
    std::vector<wxString> labels;
    for (const Hostile& h : kHostile)
        if (h.label && (readsEverything || !h.needsReading))
            labels.push_back(U8(h.label));
    std::sort(labels.begin(), labels.end());
    return labels;
}

void MakeTree(const ScratchDir& songs)
{
    for (const Hostile& h : kHostile)
    {
        SCOPED_TRACE(h.what);
        h.make(songs);
    }
}

void ExpectRows(std::vector<wxString> found, bool readsEverything)
{
    std::sort(found.begin(), found.end());
    for (const Hostile& h : kHostile)
    {
        if (!h.label)
            continue;
        const bool listed = std::count(found.begin(), found.end(), U8(h.label)) == 1;
        EXPECT_EQ(listed, readsEverything || !h.needsReading) << h.what;
    }
    EXPECT_EQ(found, Expected(readsEverything));
}

using HostileTree = FrameTest;
}

TEST_F(HostileTree, LoadFinishesAndListsTheReadableSongsOnly)
{
    ScratchDir songs;
    MakeTree(songs);
    GetAllSongs(songs.Path(), frame->SongList, frame->TagChoice, frame->TagValueChoice, frame->TagValueLists);
    wxYield();  // a log dialog would be waiting for the next idle time
    ExpectRows(Items(frame->SongList), geteuid() == 0);
}

// Root reads everything, so the unreadable entries are tried as an ordinary
// user in a child process.
TEST(HostileTreeAsUser, UnreadableEntriesAreLeftOut)
{
    ScratchDir songs;
    MakeTree(songs);
    if (geteuid() != 0)
    {
        wxArrayString labels;
        ScanSongFolder(songs.Path(), SongFilter(), nullptr, labels);
        ExpectRows(Strings(labels), false);
        return;
    }
    ASSERT_EQ(chmod(songs.Path().utf8_str().data(), 0755), 0);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        close(pipeEnds[0]);
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(3);
        wxArrayString labels;
        ScanSongFolder(songs.Path(), SongFilter(), nullptr, labels);
        std::string out;
        for (const wxString& label : labels)
            out += std::string(label.utf8_str().data()) + '\x1f';
        const bool written = write(pipeEnds[1], out.data(), out.size()) == static_cast<ssize_t>(out.size());
        _exit(written ? 0 : 4);
    }
    close(pipeEnds[1]);
    std::string got;
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        got.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    std::vector<wxString> found;
    for (size_t start = 0, end; (end = got.find('\x1f', start)) != std::string::npos; start = end + 1)
        found.push_back(wxString::FromUTF8(got.substr(start, end - start).c_str()));
    ExpectRows(found, false);
}
