#include "ui/qt/QtCloseQuestion.h"

#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace orvanta {

CloseAnswer QtCloseQuestion::askBeforeClosing()
{
    QMessageBox box(QMessageBox::Question, AppTitle,
                    QStringLiteral("The output list has changes that were not exported."), QMessageBox::NoButton,
                    &m_window);
    box.setInformativeText(QStringLiteral("Export them before closing?"));
    box.setWindowModality(Qt::WindowModal);
    QPushButton* exportButton = box.addButton(QStringLiteral("Export"), QMessageBox::AcceptRole);
    QPushButton* discardButton = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    QPushButton* cancelButton = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(exportButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == exportButton)
        return CloseAnswer::Export;
    return box.clickedButton() == discardButton ? CloseAnswer::Discard : CloseAnswer::Cancel;
}

} // namespace orvanta
