#include "ui/qt/QtListBox.h"

#include "ui/VisibleText.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QStyledItemDelegate>

#include <string>

namespace orvanta {

namespace {

// A list shows one line of a title, a few hundred characters at most; laying out the
// whole of a title tens of thousands of characters long on every repaint froze the window.
constexpr qsizetype ShownCharacters = 1000;

// A row is as wide as its list, never wider, so a long title always ends in "…". The view
// measures one row for all (uniform item sizes): measured by its text, a long title made
// every row wider than the list, and gave the list a horizontal scroll bar.
class ListWideRows final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {0, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

} // namespace

int TitleListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant TitleListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return visibleTitle(m_titles.at(index.row()), ShownCharacters);
}

void TitleListModel::append(QStringList titles)
{
    if (titles.isEmpty())
        return;
    // One row insertion for all of them: the view and the selection model hear of it
    // once, where title by title they would be told, and lay out, once per title.
    beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(titles.size()) - 1);
    m_titles.append(std::move(titles));
    endInsertRows();
}

void TitleListModel::remove(int first, int count)
{
    if (count <= 0)
        return;
    beginRemoveRows({}, first, first + count - 1);
    m_titles.remove(first, count);
    endRemoveRows();
}

QtListBox::QtListBox(QListView& view) : m_view(view), m_model(new TitleListModel(&view))
{
    m_view.setModel(m_model);
    m_view.setSelectionMode(QAbstractItemView::SingleSelection);
    // Every item is one line of text; without this each event-loop turn after a row
    // change measures all rows again, which makes long lists crawl.
    m_view.setUniformItemSizes(true);
    m_view.setItemDelegate(new ListWideRows(&m_view));
}

qint16 QtListBox::ListCount() const
{
    return static_cast<qint16>(m_model->rowCount());
}

qint16 QtListBox::ListIndex() const
{
    const QModelIndexList selected = m_view.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? qint16(-1) : static_cast<qint16>(selected.first().row());
}

void QtListBox::checkRange(qint16 index, qint16 count) const
{
    if (index < 0 || count < 0 || index + count > ListCount())
        throw std::out_of_range("list range out of range: " + std::to_string(index) + "+" + std::to_string(count));
}

QString QtListBox::List(qint16 index) const
{
    checkRange(index, 1);
    return m_model->titles().at(index);
}

void QtListBox::AddItem(const QString& text)
{
    if (isFull())
        throw ListFullError("the list already holds 32,767 items");
    m_model->append({text});
}

void QtListBox::AddItems(QStringList texts)
{
    throwUnlessRoomFor(texts.size());
    m_model->append(std::move(texts));
}

void QtListBox::RemoveItem(qint16 index)
{
    RemoveItems(index, 1);
}

void QtListBox::RemoveItems(qint16 index, qint16 count)
{
    checkRange(index, count);
    // In single selection Qt moves the current index to a neighbour when the current row
    // goes, and selects that neighbour. Dropping the current index first keeps the
    // selection where the user left it: on no item if a removed one was selected.
    QItemSelectionModel& selection = *m_view.selectionModel();
    const int current = selection.currentIndex().row();
    if (current >= index && current < index + count)
        selection.setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    m_model->remove(index, count);
}

void QtListBox::Unselect(qint16 index)
{
    checkRange(index, 1);
    const QModelIndex item = m_model->index(index);
    QItemSelectionModel& selection = *m_view.selectionModel();
    if (selection.isSelected(item))
        selection.select(item, QItemSelectionModel::Deselect);
}

void QtListBox::UnselectAll()
{
    // One step for a full list; item by item, a focus change took milliseconds.
    m_view.selectionModel()->clearSelection();
}

void QtListBox::Refresh()
{
    m_view.viewport()->repaint();
}

} // namespace orvanta
