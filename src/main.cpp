#include "main.h"

#include <clocale>

#include <wx/dirdlg.h>
#include <wx/textdlg.h>

#include "functions.h"
#include "listmarks.h"
#include "playlistfile.h"
#include "playlists.h"
#include "quickcontrols.h"
#include "settings.h"
#include "songheader.h"

// Defined in this order on purpose: the event table below copies the values.
const int idMenuQuit = wxNewId();
const int idMenuAbout = wxNewId();
const int idSongPathButton = wxNewId();
const int idPlaylistPathButton = wxNewId();
const int idAddSongsToPlaylist = wxNewId();
const int idLoadSongs = wxNewId();
const int idLoadPlaylists = wxNewId();
const int idLoadPlaylist = wxNewId();
const int idSavePlaylist = wxNewId();
const int idDeselectAllSongs = wxNewId();
const int idDeselectPlaylistSongs = wxNewId();
const int idDeleteSelected = wxNewId();
const int idNewPlaylist = wxNewId();
const int idDeletePlaylist = wxNewId();
const int idChangeEdition = wxNewId();
const int idSelectAllSongs = wxNewId();
const int idSelectPlaylistSongs = wxNewId();
const int idChangeTag = wxNewId();

wxBEGIN_EVENT_TABLE(MyFrame, wxFrame)
    EVT_MENU(idMenuQuit, MyFrame::OnQuit)
    EVT_MENU(idMenuAbout, MyFrame::OnAbout)
    EVT_BUTTON(idSongPathButton, MyFrame::SelectPath)
    EVT_BUTTON(idPlaylistPathButton, MyFrame::SelectPath)
    EVT_BUTTON(idLoadSongs, MyFrame::OnLoadSongs)
    EVT_BUTTON(idLoadPlaylists, MyFrame::OnLoadPlaylists)
    EVT_BUTTON(idLoadPlaylist, MyFrame::OnLoadPlaylist)
    EVT_BUTTON(idAddSongsToPlaylist, MyFrame::OnAddSongsToPlaylist)
    EVT_BUTTON(idSavePlaylist, MyFrame::OnSavePlaylist)
    EVT_BUTTON(idDeselectAllSongs, MyFrame::OnDeselectSongs)
    EVT_BUTTON(idDeselectPlaylistSongs, MyFrame::OnDeselectSongs)
    EVT_BUTTON(idSelectAllSongs, MyFrame::OnSelectSongs)
    EVT_BUTTON(idSelectPlaylistSongs, MyFrame::OnSelectSongs)
    EVT_BUTTON(idDeleteSelected, MyFrame::OnDeleteSelected)
    EVT_BUTTON(idNewPlaylist, MyFrame::OnNewPlaylist)
    EVT_BUTTON(idDeletePlaylist, MyFrame::OnDeletePlaylist)
    EVT_CHOICE(idChangeEdition, MyFrame::OnLoadSongs)
    EVT_CHOICE(idChangeTag, MyFrame::OnChangeTag)
wxEND_EVENT_TABLE()

namespace
{
const wxString kTitle = wxS("Cantavo DuzedaziZodava v1.3");
const wxString kNoPlaylists = wxS("keine Playlisten geladen");
}

void UseEnvironmentEncoding()
{
    std::setlocale(LC_CTYPE, "");
}

bool MyApp::OnInit()
{
    UseEnvironmentEncoding();
    MyFrame* frame = new MyFrame(nullptr, wxGetTranslation(kTitle));
    frame->Show(true);
    return true;
}

MyFrame::MyFrame(wxFrame* frame, const wxString& title)
    : wxFrame(frame, -1, title, wxDefaultPosition, wxSize(728, 550), wxDEFAULT_FRAME_STYLE)
{
    CreateMenuBar();
    CreateClientArea();
    LoadSettings();
}

MyFrame::~MyFrame() = default;

void MyFrame::CreateMenuBar()
{
    wxMenuBar* menuBar = new wxMenuBar();
    wxMenu* fileMenu = new wxMenu(wxEmptyString, 0);
    fileMenu->Append(idMenuQuit, wxGetTranslation(wxS("&Beenden\tAlt-F4")),
                     wxGetTranslation(wxS("Beenden")));
    menuBar->Append(fileMenu, wxGetTranslation(wxS("&Datei")));

    wxMenu* helpMenu = new wxMenu(wxEmptyString, 0);
    helpMenu->Append(idMenuAbout, wxGetTranslation(wxS("&Über\tF1")),
                     wxGetTranslation(wxS("Über")));
    menuBar->Append(helpMenu, wxGetTranslation(wxS("&Hilfe")));
    SetMenuBar(menuBar);
}

void MyFrame::CreateClientArea()
{
    const int expandAll = wxEXPAND | wxALL;
    const int centreAll = wxALIGN_CENTER | wxALL;
    // In a grid cell wxEXPAND always won over the centring; today's sizers
    // assert on the pair, so the folder fields just fill their cells.
    const int expandCentreAll = wxEXPAND | wxALL;

    // 1. the three framed sections
    wxBoxSizer* topColumn = new wxBoxSizer(wxVERTICAL);
    wxStaticBox* pathsBox = new wxStaticBox(this, -1, wxS("Pfade"));
    wxStaticBox* editBox = new wxStaticBox(this, -1, wxS("Playlist editieren"));
    wxStaticBox* fileBox = new wxStaticBox(this, -1, wxS("Playlist laden/ speichern / erstellen"));
    wxStaticBoxSizer* pathsSizer = new wxStaticBoxSizer(pathsBox, wxVERTICAL);
    wxStaticBoxSizer* editSizer = new wxStaticBoxSizer(editBox, wxHORIZONTAL);
    wxStaticBoxSizer* fileSizer = new wxStaticBoxSizer(fileBox, wxHORIZONTAL);
    topColumn->Add(pathsSizer, 0, expandAll, 5);
    topColumn->Add(editSizer, 1, expandAll, 5);
    topColumn->Add(fileSizer, 0, expandAll, 5);

    // 2. paths
    wxStaticText* songFolderLabel = new wxStaticText(this, -1, wxS("Songordner:"), wxDefaultPosition,
                                                     wxDefaultSize, wxALIGN_RIGHT);
    wxStaticText* playlistFolderLabel = new wxStaticText(this, -1, wxS("Playlistordner:"),
                                                         wxDefaultPosition, wxDefaultSize, wxALIGN_RIGHT);
    SongFolderText = new wxTextCtrl(this, -1, wxS("C:\\Cantavo\\Songs"), wxDefaultPosition,
                                    wxSize(230, -1), 0);
    PlaylistFolderText = new wxTextCtrl(this, -1, wxS("C:\\Cantavo\\Playlists"), wxDefaultPosition,
                                        wxSize(230, -1), 0);
    wxButton* songPathButton = new wxButton(this, idSongPathButton, wxS("Songordner suchen"),
                                            wxDefaultPosition, wxSize(110, -1), 0);
    wxButton* loadSongsButton = new wxButton(this, idLoadSongs, wxS("Lade Songs"),
                                             wxDefaultPosition, wxSize(150, -1), 0);
    wxButton* playlistPathButton = new wxButton(this, idPlaylistPathButton, wxS("Playlistordner suchen"),
                                                wxDefaultPosition, wxSize(110, -1), 0);
    wxButton* loadPlaylistsButton = new wxButton(this, idLoadPlaylists, wxS("Lade Playlisten"),
                                                 wxDefaultPosition, wxSize(150, -1), 0);
    wxFlexGridSizer* pathGrid = new wxFlexGridSizer(2, 4, 0, 0);
    pathGrid->AddGrowableCol(1, 0);
    pathGrid->Add(songFolderLabel, 0, centreAll, 5);
    pathGrid->Add(SongFolderText, 0, expandCentreAll, 5);
    pathGrid->Add(songPathButton, 0, centreAll, 5);
    pathGrid->Add(loadSongsButton, 0, centreAll, 5);
    pathGrid->Add(playlistFolderLabel, 0, centreAll, 5);
    pathGrid->Add(PlaylistFolderText, 0, expandCentreAll, 5);
    pathGrid->Add(playlistPathButton, 0, centreAll, 5);
    pathGrid->Add(loadPlaylistsButton, 0, centreAll, 5);
    pathsSizer->Add(pathGrid, 1, expandAll, 5);

    // 3. the two lists with their tools
    TagValueChoice = new QuickChoice(this, idChangeEdition, wxDefaultPosition, wxSize(170, -1), 0);
    TagValueChoice->Select(0);
    TagChoice = new QuickChoice(this, idChangeTag, wxDefaultPosition, wxSize(170, -1), 0);
    TagChoice->Append(kNoTagFilter);
    TagChoice->Select(0);
    SongListHeading = new wxStaticText(this, -1, wxS("   Alle Songs (0 geladen):"), wxDefaultPosition,
                                       wxSize(250, -1), 0);
    PlaylistHeading = new wxStaticText(this, -1, wxS("   Playlist:"), wxDefaultPosition,
                                       wxSize(250, -1), 0);
    wxStaticText* songMarkLabel = new wxStaticText(this, -1, wxS("Markieren:"));
    wxStaticText* playlistMarkLabel = new wxStaticText(this, -1, wxS("Markieren:"));
    SongList = new wxCheckListBox(this, -1, wxDefaultPosition, wxSize(300, 250), 0, nullptr,
                                  wxLB_SORT | wxLB_HSCROLL);
    PlaylistSongList = new wxCheckListBox(this, -1, wxDefaultPosition, wxSize(300, 250), 0, nullptr,
                                          wxLB_SORT | wxLB_HSCROLL);
    wxButton* addButton = new wxButton(this, idAddSongsToPlaylist, wxS(">>"), wxDefaultPosition,
                                       wxSize(40, 35), 0);
    wxButton* deselectSongsButton = new wxButton(this, idDeselectAllSongs, wxS("keine"),
                                                 wxDefaultPosition, wxSize(80, -1), 0);
    wxButton* deselectPlaylistButton = new wxButton(this, idDeselectPlaylistSongs, wxS("keine"),
                                                    wxDefaultPosition, wxSize(80, -1), 0);
    wxButton* deleteSelectedButton = new wxButton(this, idDeleteSelected, wxS("Markierte entfernen"),
                                                  wxDefaultPosition, wxSize(120, -1), 0);
    wxButton* selectSongsButton = new wxButton(this, idSelectAllSongs, wxS("alle"), wxDefaultPosition,
                                               wxSize(80, -1), 0);
    wxButton* selectPlaylistButton = new wxButton(this, idSelectPlaylistSongs, wxS("alle"),
                                                  wxDefaultPosition, wxSize(80, -1), 0);

    wxBoxSizer* songColumn = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* songMarkRow = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* tagRow = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* transferBox = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* playlistColumn = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* playlistMarkRow = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* removeRow = new wxBoxSizer(wxHORIZONTAL);

    songColumn->Add(SongListHeading, 0, 0, 0);
    songColumn->Add(SongList, 1, expandAll, 5);
    songColumn->Add(songMarkRow, 0, wxALIGN_CENTER, 0);
    songMarkRow->Add(songMarkLabel, 0, centreAll, 5);
    songMarkRow->Add(deselectSongsButton, 0, centreAll, 5);
    songMarkRow->Add(selectSongsButton, 0, centreAll, 5);
    songColumn->Add(tagRow, 0, wxALIGN_CENTER, 0);
    tagRow->Add(TagChoice, 0, centreAll, 5);
    tagRow->Add(TagValueChoice, 0, centreAll, 5);

    transferBox->Add(addButton, 0, centreAll, 5);

    playlistColumn->Add(PlaylistHeading, 0, 0, 0);
    playlistColumn->Add(PlaylistSongList, 1, expandAll, 5);
    playlistColumn->Add(playlistMarkRow, 0, wxALIGN_CENTER, 0);
    playlistMarkRow->Add(playlistMarkLabel, 0, centreAll, 5);
    playlistMarkRow->Add(deselectPlaylistButton, 0, wxALL, 5);
    playlistMarkRow->Add(selectPlaylistButton, 0, wxALL, 5);
    playlistColumn->Add(removeRow, 0, wxALIGN_CENTER, 0);
    removeRow->Add(deleteSelectedButton, 0, wxALL, 5);

    editSizer->Add(songColumn, 1, expandAll, 5);
    editSizer->Add(transferBox, 0, expandAll, 5);
    editSizer->Add(playlistColumn, 1, expandAll, 5);

    // 4. playlist files
    PlaylistChoice = new wxChoice(this, -1, wxDefaultPosition, wxSize(200, -1), 0, nullptr, 0);
    PlaylistChoice->Append(kNoPlaylists);
    PlaylistChoice->Select(0);
    LoadPlaylistButton = new wxButton(this, idLoadPlaylist, wxS("Playlist laden"));
    LoadPlaylistButton->Disable();
    SavePlaylistButton = new wxButton(this, idSavePlaylist, wxS("Playlist speichern"));
    SavePlaylistButton->Disable();
    wxButton* newPlaylistButton = new wxButton(this, idNewPlaylist, wxS("Neue Playlist"));
    DeletePlaylistButton = new wxButton(this, idDeletePlaylist, wxS("Playlist l\u00f6schen"));
    DeletePlaylistButton->Disable();

    wxBoxSizer* fileRow = new wxBoxSizer(wxHORIZONTAL);
    fileRow->Add(PlaylistChoice, 0, 0, 0);
    fileRow->Add(5, 1, 0, 0, 0);
    fileRow->Add(LoadPlaylistButton, 0, 0, 0);
    fileRow->Add(10, 1, 0, 0, 0);
    fileRow->Add(SavePlaylistButton, 0, 0, 0);
    fileRow->Add(0, 1, 1, 0, 0);
    fileRow->Add(DeletePlaylistButton, 0, 0, 0);
    fileRow->Add(20, 1, 0, 0, 0);
    fileRow->Add(newPlaylistButton, 0, 0, 0);
    fileSizer->Add(fileRow, 1, centreAll, 20);

    // 5. fit; the fitted size is also the smallest the window may take
    SetSizerAndFit(topColumn, true);
}

void MyFrame::OnQuit(wxCommandEvent& WXUNUSED(event))
{
    Close(false);
}

void MyFrame::OnAbout(wxCommandEvent& WXUNUSED(event))
{
    const wxString text = kTitle + wxS("\n\n") + wxS("Geschrieben vom DuzedaziZodava-Team") + wxS("\n\n") +
                          wxS("") + wxS("\n\n\n") + wxS("Kontakt: duzedazizodava@example.org");
    wxMessageBox(text, wxS("\u00dcber dieses Programm"), wxOK | wxCENTRE | wxICON_NONE, nullptr);
}

void MyFrame::SelectPath(wxCommandEvent& event)
{
    wxDirDialog dialog(this, wxS("Pfad ausw\u00e4hlen"), wxS("/"), wxDD_DEFAULT_STYLE);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const wxString path = dialog.GetPath();
    if (event.GetId() == idSongPathButton)
    {
        SongFolderText->SetValue(path);
        OnLoadSongs(event);
    }
    else
    {
        PlaylistFolderText->SetValue(path);
        OnLoadPlaylists(event);
    }
}

void MyFrame::OnLoadSongs(wxCommandEvent& WXUNUSED(event))
{
    SaveSettings();
    wxBusyCursor busy;
    GetAllSongs(SongFolderText->GetValue(), SongList, TagChoice, TagValueChoice, TagValueLists);
    const int n = static_cast<int>(SongList->GetCount());
    wxString heading;
    if (TagChoice->GetStringSelection() == kNoTagFilter)
        heading = wxString::Format(wxS("   Alle Songs (%d Songs geladen):"), n);
    else
        heading = wxS("   Sortierung: \"") + TagChoice->GetStringSelection() + wxS(": ") +
                  TagValueChoice->GetStringSelection() + wxS("\"") +
                  wxString::Format(wxS(" (%d Songs geladen):"), n);
    SongListHeading->SetLabel(heading);
}

void MyFrame::OnChangeTag(wxCommandEvent& WXUNUSED(event))
{
    const int k = TagChoice->GetSelection();
    TagValueChoice->Clear();
    TagValueChoice->Append(wxS("Bitte ausw\u00e4hlen"));
    TagValueChoice->Append(wxS("ohne ") + TagChoice->GetStringSelection() + wxS("-Tag"));
    TagValueChoice->Select(0);
    if (k >= 0 && static_cast<size_t>(k) < TagValueLists.size() && !TagValueLists[k].empty())
        TagValueChoice->Append(TagValueLists[k]);
}

void MyFrame::EnablePlaylistButtons(bool on)
{
    LoadPlaylistButton->Enable(on);
    SavePlaylistButton->Enable(on);
    DeletePlaylistButton->Enable(on);
}

void MyFrame::OnLoadPlaylists(wxCommandEvent& WXUNUSED(event))
{
    SaveSettings();
    GetPlaylists(PlaylistFolderText->GetValue(), PlaylistChoice);
    const unsigned int count = PlaylistChoice->GetCount();
    if (count > 1 || (count == 1 && PlaylistChoice->GetString(0) != kNoPlaylists))
    {
        PlaylistChoice->Select(0);
        EnablePlaylistButtons(true);
        return;
    }
    // Nothing is selected now, and the buttons would act on an empty name.
    EnablePlaylistButtons(false);
    wxMessageBox(wxS("In dem ausgew\u00e4hlten Verzeichnis befanden sich keine Cantavo Playlisten!"),
                 wxASCII_STR(wxMessageBoxCaptionStr), wxOK | wxCENTRE | wxICON_NONE, nullptr);
}

void MyFrame::OnLoadPlaylist(wxCommandEvent& WXUNUSED(event))
{
    const wxString name = PlaylistChoice->GetStringSelection();
    wxString path;
    if (PlaylistPath(PlaylistFolderText->GetValue(), name, path))
        GetPlaylist(path, PlaylistSongList);
    else
        PlaylistSongList->Clear();
    PlaylistHeading->SetLabel(PlaylistHeadingText(name, PlaylistSongList->GetCount()));
}

void MyFrame::OnSavePlaylist(wxCommandEvent& WXUNUSED(event))
{
    const wxString name = PlaylistChoice->GetStringSelection();
    const int answer = wxMessageBox(wxS("Soll die Playlist ") + name +
                                        wxS(" wirklich gespeichert werden? \nDer Inhalt wird dabei komplett ")
                                        wxS("\u00fcberschrieben!"),
                                    wxS("Wirklich speichern?"), wxYES_NO | wxICON_QUESTION, nullptr);
    if (answer == wxYES)
        WritePlaylist(name, PlaylistFolderText->GetValue(), PlaylistSongList);
    else
        wxMessageBox(wxS("Das Speichern wurde abgebrochen!"), wxS("Paylist speichern"), wxOK | wxICON_INFORMATION,
                     nullptr);
}

void MyFrame::OnNewPlaylist(wxCommandEvent& WXUNUSED(event))
{
    wxTextEntryDialog dialog(this, wxS("Einen Namen fuer die neue Playlist eingeben!"), wxS("Playlistname:"),
                             wxEmptyString, wxOK | wxCANCEL | wxCENTRE);
    dialog.ShowModal();
    // Cancel leaves the empty start value, so the value alone decides.
    const wxString name = dialog.GetValue();
    if (name.empty() || !WritePlaylist(name, PlaylistFolderText->GetValue()))
        return;
    PlaylistSongList->Clear();
    PlaylistChoice->Append(name);
    PlaylistChoice->Select(static_cast<int>(PlaylistChoice->GetCount()) - 1);
    EnablePlaylistButtons(true);
}

void MyFrame::OnDeletePlaylist(wxCommandEvent& WXUNUSED(event))
{
    if (!DeletePlaylist(PlaylistChoice->GetStringSelection(), PlaylistFolderText->GetValue()))
        return;
    const int selected = PlaylistChoice->GetSelection();
    if (selected != wxNOT_FOUND)
        PlaylistChoice->Delete(static_cast<unsigned int>(selected));
    if (PlaylistChoice->GetCount() > 0)
        PlaylistChoice->Select(0);
    else
        EnablePlaylistButtons(false);
}

void MyFrame::OnAddSongsToPlaylist(wxCommandEvent& WXUNUSED(event))
{
    AddSongsToPlaylist(SongList, PlaylistSongList);
    PlaylistHeading->SetLabel(PlaylistHeadingText(PlaylistChoice->GetStringSelection(), PlaylistSongList->GetCount()));
}

void MyFrame::OnSelectSongs(wxCommandEvent& event)
{
    SetAllMarks(event.GetId() == idSelectAllSongs ? SongList : PlaylistSongList, true);
}

void MyFrame::OnDeselectSongs(wxCommandEvent& event)
{
    SetAllMarks(event.GetId() == idDeselectAllSongs ? SongList : PlaylistSongList, false);
}

void MyFrame::OnDeleteSelected(wxCommandEvent& WXUNUSED(event))
{
    RemoveMarked(PlaylistSongList);
}

void MyFrame::SaveSettings()
{
    WriteSettingsFile(kSettingsFileName, SongFolderText->GetValue(), PlaylistFolderText->GetValue());
}

void MyFrame::LoadSettings()
{
    wxString songFolder;
    wxString playlistFolder;
    if (!ReadSettingsFile(kSettingsFileName, songFolder, playlistFolder))
        return;
    SongFolderText->SetValue(songFolder);
    PlaylistFolderText->SetValue(playlistFolder);
}
