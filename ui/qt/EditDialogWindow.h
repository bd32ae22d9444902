#pragma once

#include "ui/EditDialogView.h"
#include "ui/MainWindowParts.h"
#include "ui/qt/QtMessageBox.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace orvanta {

// frm_Edit: the non-modal dialog that corrects a station's title. Only the title field
// takes input, one line of it; address and length are shown greyed out. OK, or Enter released in the
// title field, applies; Cancel, Esc and the close box cancel. No button is the default,
// so Enter pressed anywhere else does nothing.
class EditDialogWindow final : public QDialog, public EditDialogView {
    Q_OBJECT

public:
    // A window of its own over mainWindow, whose lists and enabled state the handlers
    // use; the dialog's messages show over the dialog itself.
    EditDialogWindow(MainWindowParts& mainParts, QWidget& mainWindow);

    QString titleText() const override;
    void setTitleText(const QString& text) override;
    QString urlText() const override;
    void setUrlText(const QString& text) override;
    QString lengthText() const override;
    void setLengthText(const QString& text) override;
    void Show() override;
    void Unload() override;

    // Esc and the close box both arrive here; they press Cancel.
    void reject() override;

private:
    void fillTitle();

    QtMessageBox m_messageBox;
    MainWindowParts m_parts;
    QLineEdit* m_txtTitle;
    // The title the dialog shows in its field once it is shown.
    QString m_titleToShow;
    QLineEdit* m_txtUrl;
    QLineEdit* m_txtLength;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
};

} // namespace orvanta
