#pragma once

#include "ui/MessageBox.h"

class QMessageBox;
class QWidget;

namespace orvanta {

// Gives a message box the program's one look: the text, the caption, an OK button and
// no icon; a text too long for the screen scrolls. Kept apart from showing it, so the look
// can be checked without a user.
void configureMessageBox(QMessageBox& box, const QString& prompt, const QString& title);

// Shows the message modal to the given window and returns once the user closes it.
class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget& window) : m_window(window) {}

    void MsgBox(const QString& prompt, const QString& title) override;

private:
    QWidget& m_window;
};

} // namespace orvanta
