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
    box.exec();
}

} // namespace orvanta
