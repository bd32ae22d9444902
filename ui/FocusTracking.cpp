#include "ui/FocusTracking.h"

#include "ui/Module1.h"

namespace orvanta {

void lst_Import_GotFocus(MainWindowParts& parts)
{
    Module1::setListFocus(Module1::ImportListFocus);
    parts.lst_Output.UnselectAll();
}

void lst_Output_GotFocus(MainWindowParts& parts)
{
    Module1::setListFocus(Module1::OutputListFocus);
    parts.lst_Import.UnselectAll();
}

} // namespace orvanta
