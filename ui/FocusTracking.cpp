#include "ui/FocusTracking.h"

#include "ui/Module1.h"

namespace orvanta {

namespace {

void unselectAll(ListBox& list)
{
    // The count is read once, before any item is touched.
    const qint16 count = list.ListCount();
    for (qint16 i = 0; i < count; ++i)
        list.Unselect(i);
}

} // namespace

void lst_Import_GotFocus(MainWindowParts& parts)
{
    Module1::setListFocus(Module1::ImportListFocus);
    unselectAll(parts.lst_Output);
}

void lst_Output_GotFocus(MainWindowParts& parts)
{
    Module1::setListFocus(Module1::OutputListFocus);
    unselectAll(parts.lst_Import);
}

} // namespace orvanta
