#pragma once

#include <QValidator>

namespace orvanta {

// Keeps a text field on one line: of text put in at once, a paste or a drop, only what
// stands before its first line break (CR or LF) is kept, as a classic single-line text box
// does, and the text after the cursor stays. The field holds no line break before a
// change, so the rule needs no memory of it.
class SingleLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

} // namespace orvanta
