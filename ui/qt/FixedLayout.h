#pragma once

#include <QRect>
#include <QString>

namespace orvanta {

// Names a control as the program's code and tests find it and puts it at its fixed place in
// its container: both windows are laid out in pixels, 15 twips to the pixel.
template <typename Control>
Control* place(Control* control, const char* name, const QRect& geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace orvanta
