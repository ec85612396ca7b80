// The main window as it starts: controls, menus, layout, About box, quitting.
#include <wx/uiaction.h>

#include "main.h"
#include "settings.h"
#include "testutil.h"

namespace
{
struct ControlRow
{
    const char* kind;   // class name
    const char* label;  // label or initial value
    const int* id;      // nullptr: any id
    int width;          // -1: the toolkit's default
    int height;
};

// Every child of the frame, in creation order.
const ControlRow kControls[] = {
    {"wxStaticBox", "Pfade", nullptr, -1, -1},
    {"wxStaticBox", "Playlist editieren", nullptr, -1, -1},
    {"wxStaticBox", "Playlist laden/ speichern / erstellen", nullptr, -1, -1},
    {"wxStaticText", "Songordner:", nullptr, -1, -1},
    {"wxStaticText", "Playlistordner:", nullptr, -1, -1},
    {"wxTextCtrl", "C:\\Cantavo\\Songs", nullptr, 230, -1},
    {"wxTextCtrl", "C:\\Cantavo\\Playlists", nullptr, 230, -1},
    {"wxButton", "Songordner suchen", &idSongPathButton, 110, -1},
    {"wxButton", "Lade Songs", &idLoadSongs, 150, -1},
    {"wxButton", "Playlistordner suchen", &idPlaylistPathButton, 110, -1},
    {"wxButton", "Lade Playlisten", &idLoadPlaylists, 150, -1},
    {"wxChoice", "", &idChangeEdition, 170, -1},
    {"wxChoice", "Keine Sortierung nach Tags", &idChangeTag, 170, -1},
    {"wxStaticText", "   Alle Songs (0 geladen):", nullptr, 250, -1},
    {"wxStaticText", "   Playlist:", nullptr, 250, -1},
    {"wxStaticText", "Markieren:", nullptr, -1, -1},
    {"wxStaticText", "Markieren:", nullptr, -1, -1},
    {"wxCheckListBox", "", nullptr, 300, 250},
    {"wxCheckListBox", "", nullptr, 300, 250},
    {"wxButton", ">>", &idAddSongsToPlaylist, 40, 35},
    {"wxButton", "keine", &idDeselectAllSongs, 80, -1},
    {"wxButton", "keine", &idDeselectPlaylistSongs, 80, -1},
    {"wxButton", "Markierte entfernen", &idDeleteSelected, 120, -1},
    {"wxButton", "alle", &idSelectAllSongs, 80, -1},
    {"wxButton", "alle", &idSelectPlaylistSongs, 80, -1},
    {"wxChoice", "keine Playlisten geladen", nullptr, 200, -1},
    {"wxButton", "Playlist laden", &idLoadPlaylist, -1, -1},
    {"wxButton", "Playlist speichern", &idSavePlaylist, -1, -1},
    {"wxButton", "Neue Playlist", &idNewPlaylist, -1, -1},
    {"wxButton", "Playlist l\xc3\xb6schen", &idDeletePlaylist, -1, -1},
};

wxString Shown(wxWindow* window)
{
    if (auto* text = dynamic_cast<wxTextCtrl*>(window))
        return text->GetValue();
    if (auto* choice = dynamic_cast<wxChoice*>(window))
        return choice->GetStringSelection();
    if (dynamic_cast<wxCheckListBox*>(window))
        return wxString();
    return window->GetLabel();
}

using WindowTest = FrameTest;
}

TEST_F(WindowTest, ChildrenInCreationOrderWithLabelsIdsAndSizes)
{
    const wxWindowList& children = frame->GetChildren();
    ASSERT_EQ(children.size(), std::size(kControls));
    size_t i = 0;
    for (wxWindow* child : children)
    {
        const ControlRow& row = kControls[i++];
        SCOPED_TRACE(row.label);
        EXPECT_TRUE(child->IsKindOf(wxClassInfo::FindClass(wxString::FromUTF8(row.kind))))
            << child->GetClassInfo()->GetClassName();
        EXPECT_EQ(Shown(child), U8(row.label));
        if (row.id)
            EXPECT_EQ(child->GetId(), *row.id);
        else
            EXPECT_LT(child->GetId(), 0);
        if (row.width != -1)
            EXPECT_EQ(child->GetMinSize().x, row.width);
        if (row.height != -1)
            EXPECT_EQ(child->GetMinSize().y, row.height);
    }
}

TEST_F(WindowTest, StartsWithEmptyListsAndOnlyNewPlaylistUsable)
{
    EXPECT_EQ(frame->GetTitle(), wxS("Cantavo DuzedaziZodava v1.3"));
    EXPECT_EQ(frame->SongList->GetCount(), 0u);
    EXPECT_EQ(frame->PlaylistSongList->GetCount(), 0u);
    EXPECT_EQ(frame->TagValueChoice->GetCount(), 0u);
    EXPECT_EQ(frame->TagValueChoice->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Items(frame->TagChoice), std::vector<wxString>{wxS("Keine Sortierung nach Tags")});
    EXPECT_EQ(frame->TagChoice->GetSelection(), 0);
    EXPECT_EQ(Items(frame->PlaylistChoice), std::vector<wxString>{wxS("keine Playlisten geladen")});
    EXPECT_EQ(frame->PlaylistChoice->GetSelection(), 0);
    EXPECT_TRUE(frame->TagValueLists.empty());
    EXPECT_FALSE(frame->LoadPlaylistButton->IsEnabled());
    EXPECT_FALSE(frame->SavePlaylistButton->IsEnabled());
    EXPECT_FALSE(frame->DeletePlaylistButton->IsEnabled());
    EXPECT_TRUE(frame->FindWindow(idNewPlaylist)->IsEnabled());
    EXPECT_TRUE(frame->FindWindow(idLoadPlaylists)->IsEnabled());
    EXPECT_FALSE(Exists(kSettingsFileName));
}

TEST_F(WindowTest, ListsSortAndScrollSideways)
{
    for (wxCheckListBox* list : {frame->SongList, frame->PlaylistSongList})
    {
        EXPECT_TRUE(list->HasFlag(wxLB_SORT));
        EXPECT_TRUE(list->HasFlag(wxLB_HSCROLL));
        list->Append(wxS("b : 2"));
        list->Append(wxS("a : 1"));
        EXPECT_EQ(Items(list), (std::vector<wxString>{wxS("a : 1"), wxS("b : 2")}));
    }
    EXPECT_TRUE(frame->FindWindow(idChangeTag)->IsKindOf(wxCLASSINFO(wxChoice)));
    EXPECT_FALSE(frame->TagChoice->HasFlag(wxCB_SORT));
}

TEST_F(WindowTest, CannotShrinkAndGrowsTheListsWhenEnlarged)
{
    const wxSize start = frame->GetSize();
    EXPECT_EQ(frame->GetMinSize(), start);
    const wxSize songList = frame->SongList->GetSize();
    frame->SetSize(start.x + 200, start.y + 100);
    frame->Layout();
    EXPECT_EQ(frame->SongList->GetSize().x, songList.x + 100);
    EXPECT_EQ(frame->PlaylistSongList->GetSize().x, frame->SongList->GetSize().x);
    EXPECT_EQ(frame->SongList->GetSize().y, songList.y + 100);
    // the path fields take the extra width, the buttons do not
    EXPECT_GT(frame->SongFolderText->GetSize().x, 230 + 150);
    // the stretch pushes delete and new to the right edge of the bottom box
    const wxRect choice = frame->PlaylistChoice->GetRect();
    const wxRect del = frame->DeletePlaylistButton->GetRect();
    EXPECT_GT(del.x - (choice.x + choice.width), 200);
    frame->SetSize(start.x - 50, start.y - 50);
    EXPECT_EQ(frame->GetSize(), start);
}

TEST_F(WindowTest, MenusHoldQuitAndAboutWithTheirAccelerators)
{
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 2u);
    EXPECT_EQ(bar->GetMenuLabel(0), wxS("&Datei"));
    EXPECT_EQ(bar->GetMenuLabel(1), wxS("&Hilfe"));
    struct
    {
        int id;
        const char* text;
        const char* help;
        int flags;
        int key;
    } const rows[] = {
        {idMenuQuit, "&Beenden\tAlt-F4", "Beenden", wxACCEL_ALT, WXK_F4},
        {idMenuAbout, "&\xc3\x9c" "ber\tF1", "\xc3\x9c" "ber", wxACCEL_NORMAL, WXK_F1},
    };
    for (const auto& row : rows)
    {
        wxMenuItem* item = bar->FindItem(row.id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetItemLabel(), U8(row.text));
        EXPECT_EQ(item->GetHelp(), U8(row.help));
        std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
        ASSERT_TRUE(accel);
        EXPECT_EQ(accel->GetFlags(), row.flags);
        EXPECT_EQ(accel->GetKeyCode(), row.key);
    }
    EXPECT_EQ(bar->GetMenu(0)->GetMenuItemCount(), 1u);
    EXPECT_EQ(bar->GetMenu(1)->GetMenuItemCount(), 1u);
}

TEST_F(WindowTest, AboutBoxShowsTitleCreditAndContact)
{
    const wxString text = wxS("Cantavo DuzedaziZodava v1.3\n\nGeschrieben vom DuzedaziZodava-Team\n\n\n\n\n")
                           wxS("Kontakt: duzedazizodava@example.org");
    wxTEST_DIALOG(Send(idMenuAbout, wxEVT_MENU),
                  ExpectMessage(text, U8("\xc3\x9c" "ber dieses Programm"), wxOK | wxCENTRE | wxICON_NONE));
}

TEST_F(WindowTest, F1KeyOpensAboutBox)
{
    frame->Show();
    frame->Raise();
    frame->SongFolderText->SetFocus();
    wxYield();
    wxUIActionSimulator sim;
    bool shown = false;
    // the reply is checked in ExpectMessage; here only that it came
    class Seen : public wxExpectModalBase<wxMessageDialog, Seen>
    {
    public:
        explicit Seen(bool& flag) : m_flag(&flag) {}

    protected:
        int OnInvoked(wxMessageDialog* dialog) const override
        {
            *m_flag = dialog->GetCaption() == wxString::FromUTF8("\xc3\x9c" "ber dieses Programm");
            return wxID_OK;
        }

    private:
        bool* m_flag;
    };
    wxTEST_DIALOG(
        {
            sim.Char(WXK_F1);
            for (int i = 0; i < 50 && !shown; ++i)
            {
                wxMilliSleep(10);
                wxYield();
            }
        },
        Seen(shown));
    EXPECT_TRUE(shown);
}

TEST_F(WindowTest, QuitClosesWithoutWritingSettings)
{
    frame->SongFolderText->SetValue(wxS("/edited"));
    Send(idMenuQuit, wxEVT_MENU);
    EXPECT_TRUE(frame->IsBeingDeleted() || wxTheApp->IsScheduledForDestruction(frame));
    wxTheApp->ProcessIdle();
    frame = nullptr;
    EXPECT_FALSE(Exists(kSettingsFileName));
}
