#pragma once

namespace orvanta {

// The main window's Enabled: while false the window takes no input and cannot be closed.
class WindowState {
public:
    virtual ~WindowState() = default;
    virtual bool Enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

} // namespace orvanta
