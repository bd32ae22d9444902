#pragma once

#include "ui/WindowState.h"

#include <QWidget>

namespace orvanta {

// The enabled state of a top-level window; a disabled one takes no input.
class QtWindowState final : public WindowState {
public:
    explicit QtWindowState(QWidget& window) : m_window(window) {}

    bool Enabled() const override { return m_window.isEnabled(); }
    void setEnabled(bool enabled) override { m_window.setEnabled(enabled); }

private:
    QWidget& m_window;
};

} // namespace orvanta
