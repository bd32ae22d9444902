#include "ui/qt/StationListView.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QMimeData>

namespace orvanta {

StationListView::StationListView(QWidget* parent) : QListView(parent)
{
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    // Between rows only: a station dropped on another would replace nothing.
    setDragDropOverwriteMode(false);
}

void StationListView::takeStationsFrom(const QList<const StationListView*>& sources, bool atItsEnd)
{
    m_sources = sources;
    setDropIndicatorShown(!atItsEnd);
}

QMimeData* StationListView::stationData(int row) const
{
    auto* data = new QMimeData;
    data->setData(MimeType,
                  QStringLiteral("%1 %2 %3")
                      .arg(QString::number(QCoreApplication::applicationPid()), objectName(), QString::number(row))
                      .toUtf8());
    return data;
}

// Qt's own drag removes the dragged rows once a move is accepted; here the command moves the
// station, or refuses, and nothing is removed after.
void StationListView::startDrag(Qt::DropActions)
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const QModelIndex station = selected.first();
    auto* drag = new QDrag(this);
    drag->setMimeData(stationData(station.row()));
    drag->setPixmap(viewport()->grab(visualRect(station)));
    drag->exec(Qt::MoveAction);
}

std::optional<StationListView::Dragged> StationListView::dragged(const QDropEvent& event) const
{
    const QMimeData* data = event.mimeData();
    if (!data || !(event.possibleActions() & Qt::MoveAction))
        return std::nullopt;
    // Another running copy of the program drags stations of its own lists.
    const QStringList fields = QString::fromUtf8(data->data(MimeType)).split(u' ');
    if (fields.size() != 3 || fields.at(0) != QString::number(QCoreApplication::applicationPid()))
        return std::nullopt;
    bool isRow = false;
    const int row = fields.at(2).toInt(&isRow);
    for (const StationListView* source : m_sources) {
        if (isRow && source->objectName() == fields.at(1))
            return Dragged{source, row};
    }
    return std::nullopt;
}

// Anything else goes on to the window, which imports dropped files.
void StationListView::dragEnterEvent(QDragEnterEvent* event)
{
    if (dragged(*event))
        QListView::dragEnterEvent(event);
    else
        event->ignore();
}

void StationListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (dragged(*event))
        QListView::dragMoveEvent(event);
    else
        event->ignore();
}

void StationListView::dropEvent(QDropEvent* event)
{
    const std::optional<Dragged> station = dragged(*event);
    if (!station)
        return event->ignore();
    // Before the row under the pointer or after it, as the indicator showed: rows take no drop.
    const QPoint at = event->position().toPoint();
    const QModelIndex over = indexAt(at);
    const int place = over.isValid() ? over.row() + (at.y() >= visualRect(over).center().y()) : model()->rowCount();
    event->setDropAction(Qt::MoveAction);
    event->accept();
    // What Qt's own drop does once dropped: the indicator goes, and the scrolling stops.
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    emit stationDropped(station->source, station->row, place);
}

} // namespace orvanta
