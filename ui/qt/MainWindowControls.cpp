#include "ui/qt/MainWindowControls.h"

#include "ui/qt/FixedLayout.h"
#include "ui/qt/StationListView.h"

#include <QButtonGroup>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

namespace orvanta {

namespace {

QPushButton* button(QWidget* container, const char* name, const QString& caption, const QRect& geometry,
                    const QString& toolTip = {})
{
    auto* control = place(new QPushButton(caption, container), name, geometry);
    control->setToolTip(toolTip);
    // A screen reader would read ">" or "x" as a symbol; the tooltip says what the button does.
    if (!toolTip.isEmpty())
        control->setAccessibleName(toolTip);
    return control;
}

// The layout is fixed in pixels, so the text is sized in pixels too: small enough for
// every caption to fit its control whatever the desktop's font settings.
constexpr int CaptionPixelSize = 10;

// The caption sits on the frame's top edge, so the edge runs above the controls that the
// layout puts close under the top of the frame. A style sheet cuts its widgets off from
// their parents' font, so it names the caption size again.
QGroupBox* frame(QWidget* container, const char* name, const QString& caption, const QRect& geometry)
{
    auto* control = place(new QGroupBox(caption, container), name, geometry);
    control->setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"
                       "* { font-size: %1px; }")
            .arg(CaptionPixelSize));
    return control;
}

// A line one pixel high from (left, y) to (right, y), the right end excluded.
QFrame* line(QWidget* container, const char* name, int left, int right, int y)
{
    auto* control = place(new QFrame(container), name, QRect(left, y, right - left, 1));
    control->setFrameShape(QFrame::HLine);
    control->setFrameShadow(QFrame::Plain);
    control->setLineWidth(1);
    return control;
}

QRadioButton* option(QWidget* container, const char* name, const QString& caption, const QRect& geometry,
                     const QString& toolTip)
{
    auto* control = place(new QRadioButton(caption, container), name, geometry);
    control->setToolTip(toolTip);
    return control;
}

} // namespace

MainWindowControls buildMainWindowControls(QWidget& window)
{
    QFont captionFont = window.font();
    captionFont.setPixelSize(CaptionPixelSize);
    window.setFont(captionFont);

    MainWindowControls c{};
    c.Frame1 = frame(&window, "Frame1", QStringLiteral("Import Playlist"), QRect(0, 0, 233, 257));
    c.btn_Import = button(c.Frame1, "btn_Import", QStringLiteral("Import"), QRect(80, 40, 57, 25));
    c.lst_Import = place(new StationListView(c.Frame1), "lst_Import", QRect(8, 72, 217, 173));
    c.lst_Import->setToolTip(QStringLiteral("Double Click to Edit."));
    c.lst_Import->setAccessibleName(QStringLiteral("Import list"));

    c.Frame2 = frame(&window, "Frame2", QStringLiteral("Export Playlist"), QRect(280, 0, 225, 257));
    // The choice lasts for the run; the program keeps no settings.
    c.opt_V1 = option(c.Frame2, "opt_V1", QStringLiteral("Version 1"), QRect(16, 16, 73, 17),
                      QStringLiteral("Playlist for the Orvanta player"));
    c.opt_V2 = option(c.Frame2, "opt_V2", QStringLiteral("Version 2"), QRect(120, 16, 73, 17),
                      QStringLiteral("Standard playlist (PLS version 2) for other players"));
    c.versionGroup = new QButtonGroup(c.Frame2);
    c.versionGroup->addButton(c.opt_V1);
    c.versionGroup->addButton(c.opt_V2);
    c.opt_V1->setChecked(true);
    c.btn_Export = button(c.Frame2, "btn_Export", QStringLiteral("Export"), QRect(80, 40, 57, 25));
    c.lst_Output = place(new StationListView(c.Frame2), "lst_Output", QRect(8, 72, 209, 173));
    c.lst_Output->setAccessibleName(QStringLiteral("Output list"));
    // A station dragged to the output list goes where it is dropped, one dragged to the
    // import list to its end; the import list is not put in order.
    c.lst_Output->takeStationsFrom({c.lst_Import, c.lst_Output}, false);
    c.lst_Import->takeStationsFrom({c.lst_Output}, true);

    c.btn_Add =
        button(&window, "btn_Add", QStringLiteral(">"), QRect(240, 72, 33, 25), QStringLiteral("Add Selected Item."));
    c.btn_AllAdd =
        button(&window, "btn_AllAdd", QStringLiteral(">>"), QRect(240, 104, 33, 25), QStringLiteral("Add all items."));
    c.Line1 = line(&window, "Line1", 240, 272, 136);
    c.btn_Rem = button(&window, "btn_Rem", QStringLiteral("<"), QRect(240, 144, 33, 25),
                       QStringLiteral("Remove selected item."));
    c.btn_AllRem = button(&window, "btn_AllRem", QStringLiteral("<<"), QRect(240, 176, 33, 25),
                          QStringLiteral("Remove all items."));
    c.Line2 = line(&window, "Line2", 240, 272, 208);
    c.btn_DelI = button(&window, "btn_DelI", QStringLiteral("x"), QRect(240, 216, 33, 25),
                        QStringLiteral("Delete and item from either list."));

    // The tab indexes: frames hold their places but take no focus, and of the options
    // only the one set takes it, as in any group of radio buttons.
    QWidget* const order[] = {c.Frame1,     c.Frame2,     c.opt_V1,     c.opt_V2,  c.btn_Export,
                              c.btn_Import, c.lst_Import, c.lst_Output, c.btn_Add, c.btn_Rem,
                              c.btn_AllAdd, c.btn_AllRem, c.btn_DelI};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    return c;
}

} // namespace orvanta
