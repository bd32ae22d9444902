#pragma once

#include <QObject>

namespace orvanta {

// Tells when Return or Enter, pressed in the field it watches, is released there: the key's
// release applies the edit dialog, whatever Shift, Ctrl and Alt say. A press that only
// repeats comes from a key held since before the field had the focus (Enter in the import
// list opens the dialog), and a key whose release the field will not see, since the focus
// left it, counts for nothing.
class EnterReleaseFilter final : public QObject {
    Q_OBJECT

public:
    // Watches field, which owns the filter.
    explicit EnterReleaseFilter(QObject& field);

signals:
    void released();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_pressedHere = false;
};

} // namespace orvanta
