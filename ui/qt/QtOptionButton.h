#pragma once

#include "ui/OptionButton.h"

#include <QRadioButton>

namespace orvanta {

// An option button over a radio button of an exclusive group.
class QtOptionButton final : public OptionButton {
public:
    explicit QtOptionButton(const QRadioButton& button) : m_button(button) {}

    bool Value() const override { return m_button.isChecked(); }

private:
    const QRadioButton& m_button;
};

} // namespace orvanta
