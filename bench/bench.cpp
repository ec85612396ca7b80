// Times the song library and the list commands on synthetic libraries, the
// program's way ("after") against a straightforward baseline ("before").
// Run under a display (xvfb-run); see the README's performance section.
//   dzz_bench [--sizes 10000,20000,50000] [--before-max 20000]
//             [--choice-before-max 5000] [--dir DIR]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <wx/wx.h>

#include "library.h"
#include "literal.h"
#include "main.h"
#include "toolapp.h"

namespace
{
double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, int n, double before, double after)
{
    if (before < 0)
        std::printf("%-44s %7d %12s %10.3f s\n", what, n, "-", after);
    else
        std::printf("%-44s %7d %10.3f s %10.3f s\n", what, n, before, after);
    std::fflush(stdout);
}

void Pick(wxChoice* choice, const wxString& text)
{
    choice->SetSelection(choice->FindString(text, true));
}

// The toolkit's plain controls, for the baseline.
struct PlainWindow
{
    PlainWindow()
    {
        frame = new wxFrame(nullptr, wxID_ANY, wxS("baseline"));
        songs = new wxCheckListBox(frame, wxID_ANY, wxDefaultPosition, wxSize(300, 250), 0, nullptr,
                                   wxLB_SORT | wxLB_HSCROLL);
        playlist = new wxCheckListBox(frame, wxID_ANY, wxDefaultPosition, wxSize(300, 250), 0, nullptr,
                                      wxLB_SORT | wxLB_HSCROLL);
        tags = new wxChoice(frame, wxID_ANY);
        tags->Append(wxS("Keine Sortierung nach Tags"));
        tags->Select(0);
        values = new wxChoice(frame, wxID_ANY);
        auto* column = new wxBoxSizer(wxVERTICAL);
        for (wxWindow* w : std::initializer_list<wxWindow*>{songs, playlist, tags, values})
            column->Add(w, 0, wxALL, 2);
        frame->SetSizerAndFit(column);
        frame->Show();
    }
    ~PlainWindow() { frame->Destroy(); }
    wxFrame* frame;
    wxCheckListBox* songs;
    wxCheckListBox* playlist;
    wxChoice* tags;
    wxChoice* values;
    std::vector<wxArrayString> lists;
};

struct Options
{
    std::vector<int> sizes{10000, 20000, 50000};
    int beforeMax = 20000;
    int choiceBeforeMax = 5000;  // the baseline takes minutes beyond this
    std::string dir = "/tmp/dzz-bench";
};

Options Parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        if (!std::strcmp(argv[i], "--sizes"))
        {
            o.sizes.clear();
            for (char* p = std::strtok(argv[i + 1], ","); p; p = std::strtok(nullptr, ","))
                o.sizes.push_back(std::atoi(p));
        }
        else if (!std::strcmp(argv[i], "--before-max"))
            o.beforeMax = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--choice-before-max"))
            o.choiceBeforeMax = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--dir"))
            o.dir = argv[i + 1];
    }
    return o;
}

// ">>" with every song marked into an empty playlist, then the marking
// commands and "Markierte entfernen" on the full playlist.
void RunListCommands(MyFrame* frame, PlainWindow* plain)
{
    const int n = static_cast<int>(frame->SongList->GetCount());
    wxCommandEvent event;
    event.SetId(idSelectAllSongs);
    Report("\"alle\" on the song list", n, -1, Seconds([&] { frame->OnSelectSongs(event); }));
    frame->PlaylistSongList->Clear();
    double b = -1;
    if (plain)
    {
        plain->songs->Clear();
        for (int i = 0; i < n; ++i)
            plain->songs->Append(frame->SongList->GetString(i));
        for (int i = 0; i < n; ++i)
            plain->songs->Check(i);
        // the straightforward transfer takes about a minute for 20,000 songs;
        // time a tenth of them and scale up, the cost grows with the square
        plain->playlist->Clear();
        for (int i = n / 10; i < n; ++i)
            plain->songs->Check(i, false);
        int added = 0, present = 0;
        b = Seconds([&] { literal::AddSongsToPlaylist(plain->songs, plain->playlist, added, present); }) * 100;
    }
    Report("\">>\" all songs into an empty playlist", n, b, Seconds([&] { frame->OnAddSongsToPlaylist(event); }));
    event.SetId(idSelectPlaylistSongs);
    Report("\"alle\" on the playlist", n, -1, Seconds([&] { frame->OnSelectSongs(event); }));
    event.SetId(idDeselectPlaylistSongs);
    Report("\"keine\" on the playlist", n, -1, Seconds([&] { frame->OnDeselectSongs(event); }));
    event.SetId(idSelectPlaylistSongs);
    frame->OnSelectSongs(event);
    Report("\"Markierte entfernen\", all marked", n, -1, Seconds([&] { frame->OnDeleteSelected(event); }));
}

void Run(const Options& o, int n)
{
    const std::string root = o.dir + "/songs-" + std::to_string(n);
    struct stat st;
    if (stat(root.c_str(), &st) != 0)
        GenerateLibrary(root, n);
    const wxString folder = wxString::FromUTF8(root.c_str());
    const bool before = n <= o.beforeMax;

    MyFrame* frame = new MyFrame(nullptr, wxS("bench"));
    frame->Show();
    frame->SongFolderText->SetValue(folder);
    wxCommandEvent event;
    frame->OnLoadSongs(event);  // warms the file cache

    PlainWindow plain;
    double b = -1;
    if (before)
        b = Seconds([&] { literal::GetAllSongs(folder, plain.songs, plain.tags, plain.values, plain.lists); });
    Report("load songs, no filter", n, b, Seconds([&] { frame->OnLoadSongs(event); }));

    Pick(frame->TagChoice, wxS("#GENRE"));
    frame->OnChangeTag(event);
    Pick(frame->TagValueChoice, wxS("Pop"));
    if (before)
    {
        Pick(plain.tags, wxS("#GENRE"));
        literal::FillValues(plain.tags, plain.values, plain.lists);
        Pick(plain.values, wxS("Pop"));
        b = Seconds([&] { literal::GetAllSongs(folder, plain.songs, plain.tags, plain.values, plain.lists); });
    }
    Report("load songs, value filter #GENRE: Pop", n, b, Seconds([&] { frame->OnLoadSongs(event); }));

    // a tag with one value per song, then another such tag
    const bool beforeChoice = before && n <= o.choiceBeforeMax;
    b = -1;
    Pick(frame->TagChoice, wxS("#MP3"));
    if (beforeChoice)
    {
        Pick(plain.tags, wxS("#MP3"));
        b = Seconds([&] { literal::FillValues(plain.tags, plain.values, plain.lists); });
    }
    Report("choose tag #MP3 (one value per song)", n, b, Seconds([&] { frame->OnChangeTag(event); }));
    Pick(frame->TagChoice, wxS("#COVER"));
    if (beforeChoice)
    {
        Pick(plain.tags, wxS("#COVER"));
        b = Seconds([&] { literal::FillValues(plain.tags, plain.values, plain.lists); });
    }
    Report("then tag #COVER (clear and refill)", n, b, Seconds([&] { frame->OnChangeTag(event); }));

    if (n == 20000)
    {
        Pick(frame->TagChoice, wxS("Keine Sortierung nach Tags"));
        frame->OnLoadSongs(event);
        RunListCommands(frame, before ? &plain : nullptr);
    }
    frame->Destroy();
    wxYield();
}
}

int main(int argc, char** argv)
{
    const Options options = Parse(argc, argv);
    if (!StartToolApp(argc, argv))
        return 1;
    AnswerAll hook;
    hook.Register();
    mkdir(options.dir.c_str(), 0755);
    // the settings file that every load writes stays in the scratch folder
    wxSetWorkingDirectory(wxString::FromUTF8(options.dir.c_str()));
    std::printf("%-44s %7s %12s %12s\n", "case", "songs", "before", "after");
    for (int n : options.sizes)
        Run(options, n);
    wxEntryCleanup();
    return 0;
}
