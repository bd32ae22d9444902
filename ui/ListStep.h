#pragma once

#include "ui/MainWindowParts.h"

#include <QUndoCommand>

#include <optional>

namespace orvanta {

// A step of the user's that undo takes back: one change to the lists or the stations.
// Every such change goes through the undo stack, so an undo always meets the state its
// step left and a redo the state before it; a step holds what it changed, never a copy of
// a list. Undo puts the selection of both lists back as it was before the step, redo as it
// was after it.
class ListStep : public QUndoCommand {
public:
    ListStep(const ListStep&) = delete;
    ListStep& operator=(const ListStep&) = delete;

    void redo() final;
    void undo() final;

protected:
    // Takes the selection of both lists as it stands, before the step.
    ListStep(MainWindowParts& parts, const QString& text);

    // The change and its reverse, to the lists' items and the stations; the first apply may
    // select what the step moved, and the selection after it is then kept for each redo.
    virtual void apply() = 0;
    virtual void revert() = 0;

    ListBox& m_import;
    ListBox& m_output;

private:
    struct Selection {
        qint16 import;
        qint16 output;
    };
    Selection current() const;
    void restore(const Selection& selection);

    Selection m_before;
    std::optional<Selection> m_after;
};

// How a step names a station for a menu or a tooltip: a title of any length or content fits.
QString stepTitle(const QString& title);

} // namespace orvanta
