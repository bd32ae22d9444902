#pragma once

#include "ui/CloseQuestion.h"

class QWidget;

namespace orvanta {

// The close question as a message box over the window, modal to it: captioned as the
// program, a question icon, Export (the default), Discard and Cancel (Esc).
class QtCloseQuestion final : public CloseQuestion {
public:
    explicit QtCloseQuestion(QWidget& window) : m_window(window) {}

    CloseAnswer askBeforeClosing() override;

private:
    QWidget& m_window;
};

} // namespace orvanta
