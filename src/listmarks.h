// Marking and removing entries of a check list box.
#ifndef DUZEDAZIZODAVA_LISTMARKS_H
#define DUZEDAZIZODAVA_LISTMARKS_H

#include <wx/checklst.h>

void SetAllMarks(wxCheckListBox* list, bool marked);

// Removes every marked entry; the others keep their order.
void RemoveMarked(wxCheckListBox* list);

#endif
