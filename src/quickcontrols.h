// The toolkit's choice, made to stay fast with tens of thousands of entries.
#ifndef DUZEDAZIZODAVA_QUICKCONTROLS_H
#define DUZEDAZIZODAVA_QUICKCONTROLS_H

#include <wx/choice.h>

// On GTK a choice's popup is normally a menu with one item per entry, and
// GTK builds that menu in quadratic time: filling a choice with 20,000
// values took minutes. Shown as a scrolling list instead (GTK's own list
// mode for combo boxes) the same choice fills in a fraction of a second,
// and such a long popup is easier to use as a list anyway.
class QuickChoice : public wxChoice
{
public:
    QuickChoice(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style = 0);
};

#endif
