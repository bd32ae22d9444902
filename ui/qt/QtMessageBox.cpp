#include "ui/qt/QtMessageBox.h"

#include <QMessageBox>

namespace orvanta {

void configureMessageBox(QMessageBox& box, const QString& prompt, const QString& title)
{
    box.setIcon(QMessageBox::NoIcon);
    // The text is shown as written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setWindowTitle(title);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::WindowModal);
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
