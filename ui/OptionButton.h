#pragma once

namespace orvanta {

// An option button of a group, of which the user sets one: Value says whether it is set.
class OptionButton {
public:
    virtual ~OptionButton() = default;
    virtual bool Value() const = 0;
};

} // namespace orvanta
