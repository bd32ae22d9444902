#pragma once

#include "ui/ListBox.h"

#include <QStringList>

namespace orvanta {

// A list box without a display, for tests and benchmarks.
class MemoryListBox final : public ListBox {
public:
    qint16 ListCount() const override;
    qint16 ListIndex() const override { return m_selected; }
    QString List(qint16 index) const override;
    void AddItem(const QString& text) override;
    void RemoveItem(qint16 index) override;
    void Unselect(qint16 index) override;
    void Refresh() override { ++m_refreshCount; }

    // What a user's click does: selects one item, unselecting any other.
    void select(qint16 index);

    QStringList items() const { return m_items; }
    int refreshCount() const { return m_refreshCount; }

private:
    void checkIndex(qint16 index) const;

    QStringList m_items;
    qint16 m_selected = -1;
    int m_refreshCount = 0;
};

} // namespace orvanta
