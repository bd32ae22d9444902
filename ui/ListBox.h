#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <stdexcept>
#include <string>

namespace orvanta {

// AddItem on a list that already holds ListBox::MaxItems items.
class ListFullError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the commands need of a list box: an unsorted list of titles with at most one
// selected item. Counts and positions are 16-bit, so a list holds at most 32,767 items.
class ListBox {
public:
    static constexpr qint16 MaxItems = 32767;

    virtual ~ListBox() = default;

    virtual qint16 ListCount() const = 0;
    // Position of the selected item from 0, or -1 when none is selected.
    virtual qint16 ListIndex() const = 0;
    virtual QString List(qint16 index) const = 0;
    // Appends an unselected item; throws ListFullError when the list is full.
    virtual void AddItem(const QString& text) = 0;
    // Appends the texts in order, as AddItem one after another would, but in one step;
    // throws ListFullError, adding none, when they do not all fit. Taken by value, so a
    // caller that is done with its list hands the strings over rather than copying them.
    virtual void AddItems(QStringList texts)
    {
        throwUnlessRoomFor(texts.size());
        for (const QString& text : texts)
            AddItem(text);
    }
    // Inserts the texts in order before the item at index (ListCount() appends), in one
    // step; a selected item at or after index stays selected. Throws ListFullError, adding
    // none, when they do not all fit.
    virtual void InsertItems(qint16 index, QStringList texts) = 0;
    // Moves the item at `from` so that it stands at `to`, the items between closing up;
    // the selection stays on the item it was on.
    virtual void MoveItem(qint16 from, qint16 to) = 0;
    // Removes the item at index; removing the selected item leaves none selected.
    virtual void RemoveItem(qint16 index) = 0;
    // Removes count items from index on, as RemoveItem(index) count times would, in one step.
    virtual void RemoveItems(qint16 index, qint16 count)
    {
        for (qint16 i = 0; i < count; ++i)
            RemoveItem(index);
    }
    // Selected(index) = False: unselects the item (no effect on an unselected one).
    virtual void Unselect(qint16 index) = 0;
    // Unselects every item, as Unselect on each one in turn would.
    virtual void UnselectAll()
    {
        // The count is read once, before any item is touched.
        const qint16 count = ListCount();
        for (qint16 i = 0; i < count; ++i)
            Unselect(i);
    }
    // Selects the item, unselecting any other, and brings it into view; -1 selects none.
    virtual void Select(qint16 index) = 0;
    // Repaints at once; changes no content.
    virtual void Refresh() = 0;

    bool isFull() const { return ListCount() >= MaxItems; }

protected:
    void throwUnlessRoomFor(qsizetype items) const
    {
        if (items > MaxItems - ListCount())
            throw ListFullError("the list has no room for " + std::to_string(items) + " more items");
    }
};

} // namespace orvanta
