#pragma once

namespace orvanta {

enum class CloseAnswer { Export, Discard, Cancel };

// The question before the main window closes with an output list that was not exported:
// "The output list has changes that were not exported." "Export them before closing?",
// answered Export, Discard or Cancel.
class CloseQuestion {
public:
    virtual ~CloseQuestion() = default;
    virtual CloseAnswer askBeforeClosing() = 0;
};

} // namespace orvanta
