// The playlist commands and the folder dialogs, through the event table.
#include <gtk/gtk.h>
#include <wx/dirdlg.h>

#include "main.h"
#include "settings.h"
#include "testutil.h"

namespace
{
// What the playlist area shows.
struct Area
{
    std::vector<wxString> choice;
    int selected;
    bool buttons;  // load, save and delete alike
    std::vector<wxString> list;
    wxString heading;
};

std::string Describe(const Area& a)
{
    std::string out = "choice:";
    for (const wxString& c : a.choice)
        out += " [" + std::string(c.utf8_str().data()) + "]";
    out += " selected " + std::to_string(a.selected) + (a.buttons ? " buttons on" : " buttons off") + " list:";
    for (const wxString& c : a.list)
        out += " [" + std::string(c.utf8_str().data()) + "]";
    return out + " heading [" + std::string(a.heading.utf8_str().data()) + "]";
}

const wxString kSaveQuestionTail = U8(" wirklich gespeichert werden? \nDer Inhalt wird dabei komplett \xc3\xbc" "berschrieben!");
const wxString kNothingFound = U8("In dem ausgew\xc3\xa4hlten Verzeichnis befanden sich keine Cantavo Playlisten!");

ExpectMessage SaveQuestion(const char* name, int answer)
{
    return ExpectMessage(wxS("Soll die Playlist ") + U8(name) + kSaveQuestionTail, wxS("Wirklich speichern?"),
                         wxYES_NO | wxICON_QUESTION, answer);
}

class Commands : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        frame->PlaylistFolderText->SetValue(folder.Path());
    }
    Area Now()
    {
        const bool on = frame->LoadPlaylistButton->IsEnabled();
        EXPECT_EQ(frame->SavePlaylistButton->IsEnabled(), on);
        EXPECT_EQ(frame->DeletePlaylistButton->IsEnabled(), on);
        return Area{Items(frame->PlaylistChoice), frame->PlaylistChoice->GetSelection(), on,
                    Items(frame->PlaylistSongList), frame->PlaylistHeading->GetLabel()};
    }
    void ExpectArea(const Area& expected)
    {
        EXPECT_EQ(Describe(Now()), Describe(expected));
    }
    void Playlist(const char* file, const std::string& bytes) { WriteBytes(folder / file, bytes); }
    void ListFolder() { Send(idLoadPlaylists); }

    ScratchDir folder;
};

const char* const kStartHeading = "   Playlist:";
}

TEST_F(Commands, ListingSelectsTheFirstAndSwitchesTheButtonsOn)
{
    ExpectArea({W({"keine Playlisten geladen"}), 0, false, {}, U8(kStartHeading)});
    Playlist("Alpha.kvl", "#Name: Alpha\nB : 2\nA : 1\n");
    frame->PlaylistSongList->Append(wxS("kept"));
    ListFolder();
    ExpectArea({W({"Alpha"}), 0, true, W({"kept"}), U8(kStartHeading)});
    EXPECT_EQ(ReadBytes(kSettingsFileName), std::string("C:\\Cantavo\\Songs\n") + folder.Path().utf8_str().data());
}

TEST_F(Commands, ListingThatFindsNothingSaysSoAndSwitchesTheButtonsOff)
{
    const struct
    {
        const char* what;
        std::string bytes;  // of the one file, empty: none
        std::vector<wxString> choice;
    } rows[] = {
        {"no playlist files", "", {}},
        {"only a playlist named like the placeholder", "#Name: keine Playlisten geladen\nx\n",
         W({"keine Playlisten geladen"})},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        Playlist("on.kvl", "#Name: On\nx\n");
        ListFolder();
        ASSERT_TRUE(Now().buttons);
        wxRemoveFile(folder / "on.kvl");
        if (!row.bytes.empty())
            Playlist("p.kvl", row.bytes);
        wxRemoveFile(kSettingsFileName);
        wxTEST_DIALOG(ListFolder(), ExpectReport(kNothingFound));
        ExpectArea({row.choice, wxNOT_FOUND, false, {}, U8(kStartHeading)});
        EXPECT_TRUE(Exists(kSettingsFileName));
        wxRemoveFile(folder / "p.kvl");
    }
}

TEST_F(Commands, LoadShowsTheSelectedPlaylistSortedWithItsCount)
{
    Playlist("Alpha.kvl", "#Name: Alpha\nB : 2\nA : 1\n");
    Playlist("b.kvl", "");
    Playlist("Leer.kvl", "#Name: Leer\n#Songs:\n");
    ListFolder();
    frame->PlaylistChoice->SetStringSelection(wxS("Alpha"));
    Send(idLoadPlaylist);
    ExpectArea({Now().choice, Now().selected, true, W({"A : 1", "B : 2"}), wxS("   Playlist \"Alpha\" (2 Songs):")});
    EXPECT_TRUE(Checked(frame->PlaylistSongList).empty());
    frame->PlaylistChoice->SetStringSelection(wxS("Leer"));
    Send(idLoadPlaylist);
    EXPECT_EQ(frame->PlaylistHeading->GetLabel(), wxS("   Playlist \"Leer\" (0 Songs):"));
    EXPECT_EQ(frame->PlaylistSongList->GetCount(), 0u);
}

TEST_F(Commands, SaveAsksAndWritesEveryEntryOfTheList)
{
    Playlist("Alpha.kvl", "#Name: Alpha\nB : 2\nA : 1\n");
    Playlist("Zeta.kvl", "#Name: Zeta\nZ : 9\n");
    ListFolder();
    frame->PlaylistChoice->SetStringSelection(wxS("Alpha"));
    Send(idLoadPlaylist);
    frame->PlaylistSongList->Check(1);
    const Area before = Now();

    wxTEST_DIALOG(Send(idSavePlaylist), SaveQuestion("Alpha", wxNO),
                  ExpectMessage(wxS("Das Speichern wurde abgebrochen!"), wxS("Paylist speichern"),
                                wxOK | wxICON_INFORMATION));
    EXPECT_EQ(ReadBytes(folder / "Alpha.kvl"), "#Name: Alpha\nB : 2\nA : 1\n");

    // the entries of one playlist saved under another selected name
    frame->PlaylistChoice->SetStringSelection(wxS("Zeta"));
    wxTEST_DIALOG(Send(idSavePlaylist), SaveQuestion("Zeta", wxYES),
                  ExpectReport(wxS("Playlist erfolgreich gespeichert!")));
    EXPECT_EQ(ReadBytes(folder / "Zeta.kvl"),
              "######################################\n#Cantavo Playlist Format v1.0\n#Playlist \"Zeta\" with 2 "
              "Songs.\n#Erstellt mit Cantavo DuzedaziZodava\n######################################\n#Name: Zeta\n"
              "#Songs:\nA : 1\nB : 2\n");
    EXPECT_EQ(Describe(Now()), Describe(Area{before.choice, frame->PlaylistChoice->FindString(wxS("Zeta")), true,
                                             before.list, before.heading}));
    EXPECT_EQ(Checked(frame->PlaylistSongList), W({"B : 2"}));

    // an edited folder field counts at once
    ScratchDir other;
    frame->PlaylistFolderText->SetValue(other.Path());
    wxTEST_DIALOG(Send(idSavePlaylist), SaveQuestion("Zeta", wxYES),
                  ExpectReport(wxS("Playlist erfolgreich gespeichert!")));
    EXPECT_TRUE(Exists(other / "Zeta.kvl"));
}

TEST_F(Commands, NewPlaylistCreatesSelectsAndEmptiesTheList)
{
    // cancelled, or confirmed empty: nothing at all
    for (int answer : {wxID_CANCEL, wxID_OK})
    {
        wxTEST_DIALOG(Send(idNewPlaylist), ExpectTextEntry(answer == wxID_CANCEL ? wxS("typed") : wxS(""), answer));
        ExpectArea({W({"keine Playlisten geladen"}), 0, false, {}, U8(kStartHeading)});
    }
    frame->PlaylistSongList->Append(wxS("old"));
    wxTEST_DIALOG(Send(idNewPlaylist), ExpectTextEntry(wxS("Neu"), wxID_OK),
                  ExpectReport(wxS("Die Playlist \"Neu\" wurde erstellt, ist allerdings noch leer!\nSongs werden erst ")
                               wxS("nach klick auf \"Playlist speichern\" gespeichert.")));
    ExpectArea({W({"keine Playlisten geladen", "Neu"}), 1, true, {}, U8(kStartHeading)});
    EXPECT_EQ(ReadBytes(folder / "Neu.kvl"), "");

    // the same name again fails and changes nothing
    frame->PlaylistSongList->Append(wxS("kept"));
    const Area before = Now();
    wxTEST_DIALOG(Send(idNewPlaylist), ExpectTextEntry(wxS("Neu"), wxID_OK),
                  ExpectReport(wxS("Die Playlist \"Neu\" konnte nicht erstellt werden.\nEine Andere Playlist mit ")
                               wxS("diesem Namen existiert bereits oder das Verzeichnis existiert nicht!")));
    ExpectArea(before);
}

TEST_F(Commands, NewPlaylistAfterALoadKeepsTheHeading)
{
    Playlist("Alpha.kvl", "#Name: Alpha\nA : 1\n");
    ListFolder();
    Send(idLoadPlaylist);
    wxTEST_DIALOG(Send(idNewPlaylist), ExpectTextEntry(wxS("Beta"), wxID_OK),
                  ExpectReport(wxS("Die Playlist \"Beta\" wurde erstellt, ist allerdings noch leer!\nSongs werden ")
                               wxS("erst nach klick auf \"Playlist speichern\" gespeichert.")));
    ExpectArea({W({"Alpha", "Beta"}), 1, true, {}, wxS("   Playlist \"Alpha\" (1 Songs):")});
}

TEST_F(Commands, DeleteRemovesTheEntryAndSelectsTheFirst)
{
    Playlist("Alpha.kvl", "#Name: Alpha\nA : 1\n");
    Playlist("Beta.kvl", "#Name: Beta\nB : 1\n");
    ListFolder();
    frame->PlaylistChoice->SetStringSelection(wxS("Beta"));
    Send(idLoadPlaylist);
    const Area loaded = Now();

    wxTEST_DIALOG(Send(idDeletePlaylist), DeleteQuestion("Beta", wxNO));
    ExpectArea(loaded);
    EXPECT_TRUE(Exists(folder / "Beta.kvl"));

    wxTEST_DIALOG(Send(idDeletePlaylist), DeleteQuestion("Beta", wxYES),
                  ExpectReport(U8("Die Playlist \"Beta\" wurde erfolgreich von der Festplatte gel\xc3\xb6scht!")));
    ExpectArea({W({"Alpha"}), 0, true, loaded.list, loaded.heading});
    EXPECT_FALSE(Exists(folder / "Beta.kvl"));

    // the last one: nothing left to act on, so the buttons go off
    wxTEST_DIALOG(Send(idDeletePlaylist), DeleteQuestion("Alpha", wxYES),
                  ExpectReport(U8("Die Playlist \"Alpha\" wurde erfolgreich von der Festplatte gel\xc3\xb6scht!")));
    ExpectArea({{}, wxNOT_FOUND, false, loaded.list, loaded.heading});
}

TEST_F(Commands, UnsafeNameFromAFileLoadsNothing)
{
    ScratchDir root;
    WriteBytes(root / "x.kvl", "#Name: x\nSecret : 1\n");
    frame->PlaylistFolderText->SetValue(root / "lists");
    MakeDirs(root / "lists");
    WriteBytes(root / "lists/p.kvl", "#Name: ../x\nA : 1\n");
    ListFolder();
    frame->PlaylistSongList->Append(wxS("old"));
    Send(idLoadPlaylist);
    EXPECT_EQ(frame->PlaylistSongList->GetCount(), 0u);
    EXPECT_EQ(frame->PlaylistHeading->GetLabel(), wxS("   Playlist \"../x\" (0 Songs):"));
}

namespace
{
// The real GTK folder dialog, shown and answered through its own API the
// way a click on its "Select" button would: wxGTK reports no folder for a
// dialog that is merely dismissed by the testing hook.
class PickFolder : public wxExpectModalBase<wxDirDialog, PickFolder>
{
public:
    explicit PickFolder(const wxString& folder) : m_folder(folder) {}

protected:
    int OnInvoked(wxDirDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetMessage(), U8("Pfad ausw\xc3\xa4hlen"));
        EXPECT_EQ(dialog->GetWindowStyle() & wxDD_DEFAULT_STYLE, wxDD_DEFAULT_STYLE);
        GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog->GetHandle());
        gtk_widget_show(dialog->GetHandle());
        EXPECT_EQ(ShownFolder(chooser, "/"), "/");
        if (m_folder.empty())
        {
            gtk_widget_hide(dialog->GetHandle());
            return wxID_CANCEL;
        }
        gtk_file_chooser_set_current_folder(chooser, m_folder.utf8_str());
        EXPECT_EQ(ShownFolder(chooser, m_folder.utf8_str().data()), m_folder.utf8_str().data());
        dialog->GTKOnAccept();
        return wxID_OK;
    }

private:
    // lets GTK work until the chooser shows the folder, or gives up
    static std::string ShownFolder(GtkFileChooser* chooser, const std::string& wanted)
    {
        std::string shown;
        for (int i = 0; i < 300 && shown != wanted; ++i)
        {
            while (gtk_events_pending())
                gtk_main_iteration();
            gchar* folder = gtk_file_chooser_get_current_folder(chooser);
            shown = folder ? folder : "";
            g_free(folder);
            if (shown != wanted)
                g_usleep(10000);
        }
        return shown;
    }

private:
    wxString m_folder;
};
}

TEST_F(Commands, FolderDialogSetsTheFieldAndLoads)
{
    ScratchDir songs;
    MakeDirs(songs / "a");
    WriteBytes(songs / "a/s.txt", "#TITLE:T\n#ARTIST:A\n: 0\nE\n");
    Playlist("Alpha.kvl", "#Name: Alpha\nA : 1\n");
    frame->PlaylistFolderText->SetValue(wxS("/before"));

    wxTEST_DIALOG(Send(idSongPathButton), PickFolder(songs.Path()));
    EXPECT_EQ(frame->SongFolderText->GetValue(), songs.Path());
    EXPECT_EQ(Items(frame->SongList), W({"A : T"}));
    EXPECT_EQ(ReadBytes(kSettingsFileName), std::string(songs.Path().utf8_str().data()) + "\n/before");

    wxTEST_DIALOG(Send(idPlaylistPathButton), PickFolder(folder.Path()));
    EXPECT_EQ(frame->PlaylistFolderText->GetValue(), folder.Path());
    ExpectArea({W({"Alpha"}), 0, true, {}, U8(kStartHeading)});

    // the same folder again still reloads
    frame->PlaylistChoice->Clear();
    wxTEST_DIALOG(Send(idPlaylistPathButton), PickFolder(folder.Path()));
    EXPECT_EQ(Items(frame->PlaylistChoice), W({"Alpha"}));
}

TEST_F(Commands, CancelledFolderDialogChangesNothing)
{
    for (int id : {idSongPathButton, idPlaylistPathButton})
    {
        wxTEST_DIALOG(Send(id), PickFolder(wxString()));
        EXPECT_EQ(frame->SongFolderText->GetValue(), wxS("C:\\Cantavo\\Songs"));
        EXPECT_EQ(frame->PlaylistFolderText->GetValue(), folder.Path());
        EXPECT_FALSE(Exists(kSettingsFileName));
        ExpectArea({W({"keine Playlisten geladen"}), 0, false, {}, U8(kStartHeading)});
    }
}
