#pragma once

#include "ui/ListBox.h"

#include <QStringList>

#include <algorithm>
#include <string>

namespace orvanta::testing {

// A list box without a display, for tests and benchmarks.
class MemoryListBox final : public ListBox {
public:
    qint16 ListCount() const override { return static_cast<qint16>(m_items.size()); }
    qint16 ListIndex() const override { return m_selected; }
    QString List(qint16 index) const override { return m_items.at(checked(index)); }
    void AddItem(const QString& text) override { InsertItems(ListCount(), {text}); }
    void InsertItems(qint16 index, QStringList texts) override
    {
        if (index != ListCount())
            checked(index);
        throwUnlessRoomFor(texts.size());
        // Room made once, so that a long list takes its items in one pass.
        m_items.insert(index, texts.size(), QString());
        std::move(texts.begin(), texts.end(), m_items.begin() + index);
        m_selected += m_selected >= index ? static_cast<qint16>(texts.size()) : 0;
    }
    void MoveItem(qint16 from, qint16 to) override
    {
        m_items.move(checked(from), checked(to));
        if (m_selected == from)
            m_selected = to;
        else if (m_selected >= std::min(from, to) && m_selected <= std::max(from, to))
            m_selected += from < to ? -1 : 1;
    }
    void RemoveItem(qint16 index) override
    {
        m_items.removeAt(checked(index));
        m_selected = m_selected == index ? -1 : m_selected - (m_selected > index);
    }
    void Unselect(qint16 index) override { m_selected = m_selected == checked(index) ? -1 : m_selected; }
    void Select(qint16 index) override { m_selected = index == -1 ? qint16(-1) : checked(index); }
    void Refresh() override {}

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
