#pragma once

#include "ui/qt/StationListView.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace orvanta {

// The main window's controls, named as their objectName; all owned by the window.
struct MainWindowControls {
    QGroupBox* Frame1;
    QPushButton* btn_Import;
    StationListView* lst_Import;
    QGroupBox* Frame2;
    QRadioButton* opt_V1;
    QRadioButton* opt_V2;
    QButtonGroup* versionGroup;
    QPushButton* btn_Export;
    StationListView* lst_Output;
    QPushButton* btn_Add;
    QPushButton* btn_AllAdd;
    QFrame* Line1;
    QPushButton* btn_Rem;
    QPushButton* btn_AllRem;
    QFrame* Line2;
    QPushButton* btn_DelI;
};

// Creates the controls inside the window at their fixed pixel positions (15 twips to
// the pixel, each relative to its container), with captions, tooltips and tab order.
MainWindowControls buildMainWindowControls(QWidget& window);

} // namespace orvanta
