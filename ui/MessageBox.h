#pragma once

#include <QString>

namespace orvanta {

// The caption of the program's windows and message boxes.
inline const QString AppTitle = QStringLiteral("Orvanta Playlist Builder");

// A modal message box with an OK button and no icon.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void MsgBox(const QString& prompt, const QString& title) = 0;
};

} // namespace orvanta
