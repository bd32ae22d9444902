#include "MemoryListBox.h"

#include <string>

namespace orvanta {

qint16 MemoryListBox::ListCount() const
{
    return static_cast<qint16>(m_items.size());
}

void MemoryListBox::checkIndex(qint16 index) const
{
    if (index < 0 || index >= m_items.size())
        throw std::out_of_range("list index out of range: " + std::to_string(index));
}

QString MemoryListBox::List(qint16 index) const
{
    checkIndex(index);
    return m_items.at(index);
}

void MemoryListBox::AddItem(const QString& text)
{
    if (isFull())
        throw ListFullError("the list already holds 32,767 items");
    m_items.append(text);
}

void MemoryListBox::RemoveItem(qint16 index)
{
    checkIndex(index);
    m_items.removeAt(index);
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
}

void MemoryListBox::Unselect(qint16 index)
{
    checkIndex(index);
    if (m_selected == index)
        m_selected = -1;
}

void MemoryListBox::select(qint16 index)
{
    checkIndex(index);
    m_selected = index;
}

} // namespace orvanta
