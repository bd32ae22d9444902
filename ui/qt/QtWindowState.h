#pragma once

#include "ui/WindowState.h"

#include <QPointer>
#include <QWidget>

namespace orvanta {

// The enabled state of a top-level window; a disabled one takes no input. Enabled again,
// it gives the keyboard focus back to the control that had it: Qt would hand it to the
// first control that takes it, an option that Space would then switch.
class QtWindowState final : public WindowState {
public:
    explicit QtWindowState(QWidget& window) : m_window(window) {}
    QtWindowState(const QtWindowState&) = delete;
    QtWindowState& operator=(const QtWindowState&) = delete;

    bool Enabled() const override { return m_window.isEnabled(); }
    void setEnabled(bool enabled) override
    {
        if (!enabled && m_window.isEnabled())
            m_focusBefore = m_window.focusWidget();
        m_window.setEnabled(enabled);
        if (enabled && m_focusBefore)
            m_focusBefore->setFocus();
    }

private:
    QWidget& m_window;
    QPointer<QWidget> m_focusBefore;
};

} // namespace orvanta
