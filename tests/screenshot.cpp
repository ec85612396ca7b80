// Takes the README's screenshot: the main window, started in the working
// directory (so its settings file applies), after the button clicks named on
// the command line, saved as PNG.
//   dzz_screenshot OUT.png [songs] [playlists] [playlist]
#include <cstdio>
#include <cstring>

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/wx.h>

#include "main.h"
#include "toolapp.h"

namespace
{
void Settle()
{
    for (int i = 0; i < 40; ++i)
    {
        wxMilliSleep(25);
        wxYield();
    }
}
}

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s OUT.png [songs] [playlists] [playlist]\n", argv[0]);
        return 2;
    }
    if (!StartToolApp(argc, argv))
        return 1;
    wxInitAllImageHandlers();
    AnswerAll hook;
    hook.Register();

    MyFrame* frame = new MyFrame(nullptr, wxS("Cantavo DuzedaziZodava v1.3"));
    frame->Move(0, 0);
    frame->Show();
    Settle();
    for (int i = 2; i < argc; ++i)
    {
        int id = wxID_NONE;
        if (!std::strcmp(argv[i], "songs"))
            id = idLoadSongs;
        else if (!std::strcmp(argv[i], "playlists"))
            id = idLoadPlaylists;
        else if (!std::strcmp(argv[i], "playlist"))
            id = idLoadPlaylist;
        wxCommandEvent event(wxEVT_BUTTON, id);
        frame->GetEventHandler()->ProcessEvent(event);
    }
    Settle();

    const wxRect rect = frame->GetScreenRect();
    wxBitmap shot(rect.width, rect.height);
    {
        wxScreenDC screen;
        wxMemoryDC memory(shot);
        memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    }
    const bool saved = shot.ConvertToImage().SaveFile(wxString::FromUTF8(argv[1]), wxBITMAP_TYPE_PNG);
    frame->Destroy();
    wxEntryCleanup();
    return saved ? 0 : 1;
}
