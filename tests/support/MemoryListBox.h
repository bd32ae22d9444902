#pragma once

#include "ui/ListBox.h"

#include <QStringList>

#include <string>

namespace orvanta::testing {

// A list box without a display, for tests and benchmarks.
class MemoryListBox final : public ListBox {
public:
    qint16 ListCount() const override { return static_cast<qint16>(m_items.size()); }
    qint16 ListIndex() const override { return m_selected; }
    QString List(qint16 index) const override { return m_items.at(checked(index)); }
    void AddItem(const QString& text) override
    {
        throwUnlessRoomFor(1);
        m_items.append(text);
    }
    void RemoveItem(qint16 index) override
    {
        m_items.removeAt(checked(index));
        m_selected = m_selected == index ? -1 : m_selected - (m_selected > index);
    }
    void Unselect(qint16 index) override { m_selected = m_selected == checked(index) ? -1 : m_selected; }
    void Refresh() override {}

    // What a user's click does: selects one item, unselecting any other.
    void select(qint16 index) { m_selected = checked(index); }
    QStringList items() const { return m_items; }

private:
    qint16 checked(qint16 index) const
    {
        if (index < 0 || index >= m_items.size())
            throw std::out_of_range("list index out of range: " + std::to_string(index));
        return index;
    }

    QStringList m_items;
    qint16 m_selected = -1;
};

} // namespace orvanta::testing
