#include "ui/qt/QtListBox.h"

#include <QItemSelectionModel>
#include <QListWidget>

#include <string>

namespace orvanta {

QtListBox::QtListBox(QListWidget& widget) : m_widget(widget)
{
    m_widget.setSelectionMode(QAbstractItemView::SingleSelection);
    // Every item is one line of text; without this each event-loop turn after a row
    // change measures all rows again, which makes long lists crawl.
    m_widget.setUniformItemSizes(true);
}

qint16 QtListBox::ListCount() const
{
    return static_cast<qint16>(m_widget.count());
}

qint16 QtListBox::ListIndex() const
{
    const QModelIndexList selected = m_widget.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? qint16(-1) : static_cast<qint16>(selected.first().row());
}

void QtListBox::checkIndex(qint16 index) const
{
    if (index < 0 || index >= m_widget.count())
        throw std::out_of_range("list index out of range: " + std::to_string(index));
}

QString QtListBox::List(qint16 index) const
{
    checkIndex(index);
    return m_widget.item(index)->text();
}

void QtListBox::AddItem(const QString& text)
{
    if (isFull())
        throw ListFullError("the list already holds 32,767 items");
    m_widget.addItem(text);
}

void QtListBox::AddItems(const QStringList& texts)
{
    throwUnlessRoomFor(texts.size());
    // One row insertion for all of them: the view and the selection model hear of it
    // once, where item by item they would be told, and lay out, once per title.
    m_widget.addItems(texts);
}

void QtListBox::RemoveItem(qint16 index)
{
    checkIndex(index);
    // In single selection Qt moves the current item to a neighbour when the current row
    // goes, and selects that neighbour. Dropping the current item first keeps the
    // selection where the user left it: on no item if the removed one was selected.
    QItemSelectionModel& selection = *m_widget.selectionModel();
    if (selection.currentIndex().row() == index)
        selection.setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    delete m_widget.takeItem(index);
}

void QtListBox::Unselect(qint16 index)
{
    checkIndex(index);
    const QModelIndex item = m_widget.model()->index(index, 0);
    QItemSelectionModel& selection = *m_widget.selectionModel();
    // Focus tracking unselects every item in turn and nearly all of them are not
    // selected: asking first spares a selection-change round for each.
    if (selection.isSelected(item))
        selection.select(item, QItemSelectionModel::Deselect);
}

void QtListBox::Refresh()
{
    m_widget.viewport()->repaint();
}

} // namespace orvanta
