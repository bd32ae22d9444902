#include "ui/qt/QtMessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace orvanta {

namespace {

// QMessageBox grows with its text and never scrolls it, so a long text would make it taller
// than the screen, its OK button out of reach. Such a text goes, in the box's own label, into
// a scroll area two thirds of the screen high; a text that fits stays as QMessageBox shows it.
void scrollLongText(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!label || !grid)
        return;
    // Measured in the font and style it will be shown in.
    box.ensurePolished();
    const QRect screen = box.screen()->availableGeometry();
    const int scrollBar = box.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // The label's width unwrapped where that fits, else wrapped to most of the screen.
    const int width = std::min(label->sizeHint().width(), screen.width() * 3 / 4 - scrollBar);
    label->setWordWrap(true);
    const int height = label->heightForWidth(width);
    label->setWordWrap(false);
    const int bound = screen.height() * 2 / 3;
    if (height <= bound)
        return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    auto* scrollArea = new QScrollArea(&box);
    grid->addWidget(scrollArea, row, column, rowSpan, columnSpan);
    // The box sizes itself by its layout's minimum, so that is what the area asks for.
    scrollArea->setMinimumSize(width + scrollBar + 2 * scrollArea->frameWidth(), bound);
    scrollArea->setWidgetResizable(true);
    scrollArea->setWidget(label);
}

} // namespace

void configureMessageBox(QMessageBox& box, const QString& prompt, const QString& title)
{
    box.setIcon(QMessageBox::NoIcon);
    // The text is shown as written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setWindowTitle(title);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::WindowModal);
    scrollLongText(box);
}

void QtMessageBox::MsgBox(const QString& prompt, const QString& title)
{
    QMessageBox box(&m_window);
    configureMessageBox(box, prompt, title);
    // A file dialog that has just closed leaves the window to be repainted, and while the
    // box's modal loop blocks the window that repaint did not come: under the box the
    // lists were drawn empty. So the window is repainted before the box shows.
    m_window.window()->repaint();
    box.exec();
}

} // namespace orvanta
