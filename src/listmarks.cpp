#include "listmarks.h"

void SetAllMarks(wxCheckListBox* list, bool marked)
{
    const unsigned int count = list->GetCount();
    for (unsigned int i = 0; i < count; ++i)
        list->Check(i, marked);
}

void RemoveMarked(wxCheckListBox* list)
{
    // downwards, so the indices still to visit stay valid
    for (int i = static_cast<int>(list->GetCount()) - 1; i >= 0; --i)
        if (list->IsChecked(i))
            list->Delete(i);
}
