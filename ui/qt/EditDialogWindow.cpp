#include "ui/qt/EditDialogWindow.h"

#include "pls/PlaylistReader.h"
#include "ui/EditDialog.h"
#include "ui/qt/EnterReleaseFilter.h"
#include "ui/qt/FixedLayout.h"
#include "ui/qt/SingleLineValidator.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace orvanta {

namespace {

constexpr Qt::WindowFlags dialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Each field holds the longest value a station can have, so OK with no change keeps it whole.
QLineEdit* field(QWidget* frame, const char* name, const QRect& geometry, const QString& toolTip, bool enabled)
{
    auto* control = place(new QLineEdit(frame), name, geometry);
    control->setToolTip(toolTip);
    control->setEnabled(enabled);
    control->setMaxLength(static_cast<int>(MaxValueLength));
    return control;
}

// Neither button is ever the default, so Enter does not press them.
QPushButton* button(QWidget* dialog, const char* name, const QString& caption, const QRect& geometry)
{
    auto* control = place(new QPushButton(caption, dialog), name, geometry);
    control->setAutoDefault(false);
    control->setDefault(false);
    return control;
}

} // namespace

EditDialogWindow::EditDialogWindow(MainWindowParts& mainParts, QWidget& mainWindow)
    : QDialog(&mainWindow, dialogFlags), m_messageBox(*this), m_parts{mainParts.lst_Import,   mainParts.lst_Output,
                                                                      mainParts.opt_V2,       mainParts.CommDL,
                                                                      m_messageBox,           mainParts.window,
                                                                      mainParts.numberLocale, mainParts.undoStack}
{
    setObjectName(QStringLiteral("frm_Edit"));
    setWindowTitle(QStringLiteral("Edit"));
    setFixedSize(313, 151);

    auto* frame = place(new QGroupBox(this), "Frame1", QRect(0, 0, 313, 113));
    place(new QLabel(QStringLiteral("Title"), frame), "Label1", QRect(8, 16, 73, 17));
    m_txtTitle =
        field(frame, "txt_Title", QRect(88, 16, 217, 19), QStringLiteral("The name of the audio stream."), true);
    m_txtTitle->setValidator(new SingleLineValidator(m_txtTitle));
    place(new QLabel(QStringLiteral("URL"), frame), "Label2", QRect(8, 48, 73, 17));
    m_txtUrl = field(frame, "txt_URL", QRect(88, 48, 217, 19),
                     QStringLiteral("The location and port of the audio stream."), false);
    place(new QLabel(QStringLiteral("Length"), frame), "Label3", QRect(8, 80, 73, 17));
    m_txtLength = field(frame, "txt_Lngth", QRect(88, 80, 217, 19),
                        QStringLiteral("This is best left at the default value."), false);
    m_btnOk = button(this, "btn_OK", QStringLiteral("OK"), QRect(88, 120, 57, 25));
    m_btnCancel = button(this, "btn_Cancel", QStringLiteral("Cancel"), QRect(168, 120, 57, 25));

    // The disabled fields keep their places in the order but take no focus.
    setTabOrder(m_txtTitle, m_txtUrl);
    setTabOrder(m_txtUrl, m_txtLength);
    setTabOrder(m_txtLength, m_btnOk);
    setTabOrder(m_btnOk, m_btnCancel);

    connect(new EnterReleaseFilter(*m_txtTitle), &EnterReleaseFilter::released, this,
            [this] { btn_OK_Click(m_parts, *this); });
    connect(m_btnOk, &QPushButton::clicked, this, [this] { btn_OK_Click(m_parts, *this); });
    connect(m_btnCancel, &QPushButton::clicked, this, [this] { btn_Cancel_Click(m_parts, *this); });
}

QString EditDialogWindow::titleText() const
{
    return isVisible() ? m_txtTitle->text() : m_titleToShow;
}

// A hidden dialog takes its title into the field once it shows: the field lays its text
// out when it gets it and again when it shows, which made opening the dialog on a title
// of tens of thousands of characters take twice as long.
void EditDialogWindow::setTitleText(const QString& text)
{
    m_titleToShow = text;
    if (isVisible())
        fillTitle();
}

void EditDialogWindow::fillTitle()
{
    // setText, unlike insert, also forgets the undo history, and leaves the cursor at the
    // end with nothing selected: a title is mostly corrected, not retyped.
    m_txtTitle->setText(m_titleToShow);
}

QString EditDialogWindow::urlText() const
{
    return m_txtUrl->text();
}

void EditDialogWindow::setUrlText(const QString& text)
{
    m_txtUrl->setText(text);
}

QString EditDialogWindow::lengthText() const
{
    return m_txtLength->text();
}

void EditDialogWindow::setLengthText(const QString& text)
{
    m_txtLength->setText(text);
}

void EditDialogWindow::Show()
{
    // Disabling the main window disables this child of it too; being a window of its
    // own, it can be enabled again while the main window stays disabled.
    setEnabled(true);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), parentWidget()->geometry()));
    m_txtTitle->setFocus();
    show();
    fillTitle();
    raise();
    activateWindow();
}

void EditDialogWindow::Unload()
{
    hide();
    // Not every window manager hands the keyboard back to the window below.
    parentWidget()->activateWindow();
    m_titleToShow.clear();
    fillTitle();
    m_txtUrl->setText(QString());
    m_txtLength->setText(QString());
}

void EditDialogWindow::reject()
{
    m_btnCancel->click();
}

} // namespace orvanta
