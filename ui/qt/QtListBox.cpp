#include "ui/qt/QtListBox.h"

#include "ui/VisibleText.h"
#include "ui/qt/StationListView.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QStyledItemDelegate>

#include <algorithm>
#include <string>
#include <utility>

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

Qt::ItemFlags TitleListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled : Qt::ItemIsDropEnabled;
}

QStringList TitleListModel::mimeTypes() const
{
    return {StationListView::MimeType};
}

Qt::DropActions TitleListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

void TitleListModel::insert(int row, QStringList titles)
{
    if (titles.isEmpty())
        return;
    // One row insertion for all of them: the view and the selection model hear of it
    // once, where title by title they would be told, and lay out, once per title.
    beginInsertRows({}, row, row + static_cast<int>(titles.size()) - 1);
    if (row == rowCount()) {
        m_titles.append(std::move(titles));
    } else {
        m_titles.insert(row, titles.size(), QString());
        std::move(titles.begin(), titles.end(), m_titles.begin() + row);
    }
    endInsertRows();
}

void TitleListModel::move(int from, int to)
{
    if (from == to)
        return;
    // Qt names the row the title goes before, counted before the move.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_titles.move(from, to);
    endMoveRows();
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
    InsertItems(ListCount(), {text});
}

void QtListBox::AddItems(QStringList texts)
{
    InsertItems(ListCount(), std::move(texts));
}

void QtListBox::InsertItems(qint16 index, QStringList texts)
{
    checkRange(index, 0);
    throwUnlessRoomFor(texts.size());
    m_model->insert(index, std::move(texts));
}

void QtListBox::MoveItem(qint16 from, qint16 to)
{
    checkRange(from, 1);
    checkRange(to, 1);
    m_model->move(from, to);
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

void QtListBox::Select(qint16 index)
{
    QItemSelectionModel& selection = *m_view.selectionModel();
    if (index == -1)
        return selection.clearSelection();
    checkRange(index, 1);
    const QModelIndex item = m_model->index(index);
    // The keyboard cursor goes with the selection, so the arrow keys go on from there.
    selection.setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
    m_view.scrollTo(item);
}

void QtListBox::Refresh()
{
    m_view.viewport()->repaint();
}

} // namespace orvanta
