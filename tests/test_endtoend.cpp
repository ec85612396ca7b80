// The whole course from song folder to saved playlist, driven the way a user
// drives it: real mouse clicks and key presses on the shown window.
#include <algorithm>
#include <functional>

#include <gtk/gtk.h>
#include <wx/uiaction.h>

#include "main.h"
#include "settings.h"
#include "testutil.h"

namespace
{
class EndToEnd : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        Song("Pop/a.txt", "Anna", "Eins", "#EDITION:Party\n");
        Song("Pop/b.txt", "Bert", "Zwei", "#EDITION:Party\n");
        Song("Rock/c.txt", "Cleo", "Drei", "#EDITION:Classics\n");
        Song("Rock/d.txt", "Dora", "Vier");
        frame->SongFolderText->SetValue(songs.Path());
        frame->PlaylistFolderText->SetValue(playlists.Path());
        frame->Move(0, 0);
        frame->Show();
        frame->Raise();
        Settle([] { return false; }, 20);
    }

    void Song(const char* rel, const std::string& artist, const std::string& title, const std::string& tags = "")
    {
        const wxString path = songs / rel;
        MakeDirs(path.BeforeLast('/'));
        WriteBytes(path, "#TITLE:" + title + "\n#ARTIST:" + artist + "\n" + tags + ": 0 4 60 la\nE\n");
    }

    // lets the toolkit deliver the events until the condition holds
    static bool Settle(const std::function<bool()>& done, int rounds = 200)
    {
        for (int i = 0; i < rounds; ++i)
        {
            wxYield();
            if (done())
                return true;
            wxMilliSleep(10);
        }
        wxYield();
        return done();
    }

    void ClickAt(const wxPoint& screen)
    {
        sim.MouseMove(screen);
        Settle([] { return false; }, 3);
        sim.MouseClick();
    }

    void Click(int id, const std::function<bool()>& done)
    {
        wxWindow* button = frame->FindWindow(id);
        ASSERT_NE(button, nullptr);
        ClickAt(button->GetScreenRect().GetPosition() + button->GetSize() / 2);
        EXPECT_TRUE(Settle(done)) << "no effect of a click on " << button->GetLabel().utf8_str().data();
    }

    // a click on the check box of the row showing the text
    void Mark(wxCheckListBox* list, const wxString& text)
    {
        const int row = list->FindString(text, true);
        ASSERT_NE(row, wxNOT_FOUND);
        for (int y = 1; y < list->GetClientSize().y; ++y)
        {
            for (int x = 4; x < 40; x += 4)
            {
                if (list->HitTest(x, y) != row)
                    continue;
                // the middle of the row, at the check box
                int bottom = y;
                while (list->HitTest(x, bottom + 1) == row)
                    ++bottom;
                ClickAt(list->ClientToScreen(wxPoint(x + 8, (y + bottom) / 2)));
                EXPECT_TRUE(Settle([&] { return list->IsChecked(row); })) << text.utf8_str().data();
                return;
            }
        }
        ADD_FAILURE() << "row not found on screen: " << text.utf8_str().data();
    }

    static bool PopupShown(wxChoice* choice)
    {
        gboolean shown = FALSE;
        g_object_get(G_OBJECT(choice->GetHandle()), "popup-shown", &shown, nullptr);
        return shown;
    }

    // A click opens the choice's list, the arrow keys move to the entry and
    // Return takes it, as a user does.
    void Choose(wxChoice* choice, const wxString& text)
    {
        const int wanted = choice->FindString(text, true);
        ASSERT_NE(wanted, wxNOT_FOUND) << text.utf8_str().data();
        const int before = choice->GetSelection();
        const int steps = wanted - std::max(before, 0);
        ASSERT_GE(steps, 0);
        ClickAt(choice->GetScreenRect().GetPosition() + choice->GetSize() / 2);
        ASSERT_TRUE(Settle([&] { return PopupShown(choice); })) << "the click did not open the list";
        Settle([] { return false; }, 5);
        for (int i = 0; i < steps; ++i)
        {
            sim.Char(WXK_DOWN);
            Settle([] { return false; }, 2);
        }
        // the keys went to the open list, not to the closed choice
        EXPECT_EQ(choice->GetSelection(), before);
        sim.Char(WXK_RETURN);
        EXPECT_TRUE(Settle([&] { return choice->GetSelection() == wanted; })) << text.utf8_str().data();
        Settle([] { return false; }, 10);
    }

    wxUIActionSimulator sim;
    ScratchDir songs;
    ScratchDir playlists;
};

std::string Playlist(const char* name, std::initializer_list<const char*> songs)
{
    std::string text = "######################################\n#Cantavo Playlist Format v1.0\n#Playlist \"" +
                       std::string(name) + "\" with " + std::to_string(songs.size()) +
                       " Songs.\n#Erstellt mit Cantavo DuzedaziZodava\n######################################\n#Name: " +
                       name + "\n#Songs:\n";
    for (const char* s : songs)
        text += std::string(s) + "\n";
    return text;
}
}

TEST_F(EndToEnd, FromSongFolderToSavedPlaylistAndBack)
{
    // load the songs
    Click(idLoadSongs, [&] { return frame->SongList->GetCount() == 4; });
    EXPECT_EQ(frame->SongListHeading->GetLabel(), wxS("   Alle Songs (4 Songs geladen):"));
    EXPECT_EQ(ReadBytes(kSettingsFileName),
              std::string(songs.Path().utf8_str().data()) + "\n" + playlists.Path().utf8_str().data());

    // filter by a tag value
    Choose(frame->TagChoice, wxS("#EDITION"));
    EXPECT_EQ(Items(frame->TagValueChoice), W({"Bitte ausw\xc3\xa4hlen", "ohne #EDITION-Tag", "Party", "Classics"}));
    Choose(frame->TagValueChoice, wxS("Party"));
    EXPECT_TRUE(Settle([&] { return frame->SongList->GetCount() == 2; }));
    EXPECT_EQ(Items(frame->SongList), W({"Anna : Eins", "Bert : Zwei"}));
    EXPECT_EQ(frame->SongListHeading->GetLabel(), wxS("   Sortierung: \"#EDITION: Party\" (2 Songs geladen):"));

    // mark the songs and move them over
    Mark(frame->SongList, wxS("Bert : Zwei"));
    Mark(frame->SongList, wxS("Anna : Eins"));
    EXPECT_EQ(Checked(frame->SongList), W({"Anna : Eins", "Bert : Zwei"}));
    wxTEST_DIALOG(Click(idAddSongsToPlaylist, [&] { return frame->PlaylistSongList->GetCount() == 2; }),
                  ExpectReport(U8("2 Songs wurden der Playlist hinzugef\xc3\xbcgt.\n0 Songs waren bereits vorhanden "
                                  "und wurden nicht hinzugef\xc3\xbcgt.")));
    EXPECT_EQ(frame->PlaylistHeading->GetLabel(), wxS("   Playlist \"keine Playlisten geladen\" (2 Songs):"));

    // buttons that are off do nothing
    ClickAt(frame->SavePlaylistButton->GetScreenRect().GetPosition() + frame->SavePlaylistButton->GetSize() / 2);
    Settle([] { return false; }, 10);

    // create a playlist: the list empties, so move the songs over again
    wxTEST_DIALOG(Click(idNewPlaylist, [&] { return frame->PlaylistChoice->GetCount() == 2; }),
                  ExpectTextEntry(wxS("Party Mix"), wxID_OK),
                  ExpectReport(wxS("Die Playlist \"Party Mix\" wurde erstellt, ist allerdings noch leer!\nSongs ")
                               wxS("werden erst nach klick auf \"Playlist speichern\" gespeichert.")));
    EXPECT_EQ(frame->PlaylistChoice->GetStringSelection(), wxS("Party Mix"));
    EXPECT_TRUE(frame->SavePlaylistButton->IsEnabled());
    EXPECT_EQ(frame->PlaylistSongList->GetCount(), 0u);
    EXPECT_EQ(ReadBytes(playlists / "Party Mix.kvl"), "");
    wxTEST_DIALOG(Click(idAddSongsToPlaylist, [&] { return frame->PlaylistSongList->GetCount() == 2; }),
                  ExpectReport(U8("2 Songs wurden der Playlist hinzugef\xc3\xbcgt.\n0 Songs waren bereits vorhanden "
                                  "und wurden nicht hinzugef\xc3\xbcgt.")));

    // save it
    wxTEST_DIALOG(Click(idSavePlaylist, [&] { return !ReadBytes(playlists / "Party Mix.kvl").empty(); }),
                  ExpectMessage(U8("Soll die Playlist Party Mix wirklich gespeichert werden? \nDer Inhalt wird dabei "
                                   "komplett \xc3\xbc" "berschrieben!"),
                                wxS("Wirklich speichern?"), wxYES_NO | wxICON_QUESTION, wxYES),
                  ExpectReport(wxS("Playlist erfolgreich gespeichert!")));
    EXPECT_EQ(ReadBytes(playlists / "Party Mix.kvl"), Playlist("Party Mix", {"Anna : Eins", "Bert : Zwei"}));

    // list the folder and load it back into an emptied list
    frame->PlaylistSongList->Clear();
    frame->PlaylistChoice->Clear();
    Click(idLoadPlaylists, [&] { return frame->PlaylistChoice->GetCount() == 1; });
    EXPECT_EQ(frame->PlaylistChoice->GetSelection(), 0);
    Click(idLoadPlaylist, [&] { return frame->PlaylistSongList->GetCount() == 2; });
    EXPECT_EQ(Items(frame->PlaylistSongList), W({"Anna : Eins", "Bert : Zwei"}));
    EXPECT_EQ(frame->PlaylistHeading->GetLabel(), wxS("   Playlist \"Party Mix\" (2 Songs):"));

    // delete it: nothing left to select, so the buttons go off
    wxTEST_DIALOG(Click(idDeletePlaylist, [&] { return frame->PlaylistChoice->GetCount() == 0; }),
                  ExpectMessage(U8("Soll die Playlist Party Mix wirklich gel\xc3\xb6scht werden? \nDie Datei wird "
                                   "dabei unwiederruflich von der Festplatte entfernt!"),
                                wxS("Wirklich entfernen?"), wxYES_NO | wxICON_QUESTION, wxYES),
                  ExpectReport(U8("Die Playlist \"Party Mix\" wurde erfolgreich von der Festplatte gel\xc3\xb6scht!")));
    EXPECT_FALSE(Exists(playlists / "Party Mix.kvl"));
    EXPECT_FALSE(frame->LoadPlaylistButton->IsEnabled());
    EXPECT_FALSE(frame->SavePlaylistButton->IsEnabled());
    EXPECT_FALSE(frame->DeletePlaylistButton->IsEnabled());
    EXPECT_EQ(Items(frame->PlaylistSongList), W({"Anna : Eins", "Bert : Zwei"}));
}
