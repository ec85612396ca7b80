// The application object and the one main window of the playlist editor.
#ifndef DUZEDAZIZODAVA_MAIN_H
#define DUZEDAZIZODAVA_MAIN_H

#include <vector>

#include <wx/wx.h>
#include <wx/checklst.h>

class MyApp : public wxApp
{
public:
    bool OnInit() override;
};

wxDECLARE_APP(MyApp);

// Command identifiers, handed out by wxNewId() in this order before the
// event table of MyFrame is built.
extern const int idMenuQuit;
extern const int idMenuAbout;
extern const int idSongPathButton;
extern const int idPlaylistPathButton;
extern const int idAddSongsToPlaylist;
extern const int idLoadSongs;
extern const int idLoadPlaylists;
extern const int idLoadPlaylist;
extern const int idSavePlaylist;
extern const int idDeselectAllSongs;
extern const int idDeselectPlaylistSongs;
extern const int idDeleteSelected;
extern const int idNewPlaylist;
extern const int idDeletePlaylist;
extern const int idChangeEdition;
extern const int idSelectAllSongs;
extern const int idSelectPlaylistSongs;
extern const int idChangeTag;

class MyFrame : public wxFrame
{
public:
    MyFrame(wxFrame* frame, const wxString& title);
    ~MyFrame() override;

    void OnQuit(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void SelectPath(wxCommandEvent& event);
    void OnLoadSongs(wxCommandEvent& event);
    void OnLoadPlaylists(wxCommandEvent& event);
    void OnLoadPlaylist(wxCommandEvent& event);
    void OnAddSongsToPlaylist(wxCommandEvent& event);
    void OnSavePlaylist(wxCommandEvent& event);
    void OnDeselectSongs(wxCommandEvent& event);
    void OnSelectSongs(wxCommandEvent& event);
    void OnDeleteSelected(wxCommandEvent& event);
    void OnNewPlaylist(wxCommandEvent& event);
    void OnDeletePlaylist(wxCommandEvent& event);
    void OnChangeTag(wxCommandEvent& event);

    void SaveSettings();
    void LoadSettings();

    wxTextCtrl* SongFolderText;
    wxTextCtrl* PlaylistFolderText;
    wxCheckListBox* SongList;
    wxCheckListBox* PlaylistSongList;
    wxChoice* PlaylistChoice;
    wxChoice* TagValueChoice;
    wxChoice* TagChoice;
    wxButton* LoadPlaylistButton;
    wxButton* SavePlaylistButton;
    wxButton* DeletePlaylistButton;
    wxStaticText* SongListHeading;
    wxStaticText* PlaylistHeading;
    std::vector<wxArrayString> TagValueLists;

private:
    void CreateMenuBar();
    void CreateClientArea();
    // load, save and delete are always switched together
    void EnablePlaylistButtons(bool on);

    wxDECLARE_EVENT_TABLE();
};

// Sets the character conversion of file contents from the environment
// (LC_ALL / LC_CTYPE / LANG); without it GTK leaves the C locale active.
void UseEnvironmentEncoding();

#endif
