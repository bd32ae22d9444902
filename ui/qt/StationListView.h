#pragma once

#include <QListView>

#include <optional>

namespace orvanta {

// A list of stations whose selected station the user can drag to another list, or to another
// place in the same one, where that list takes it. The drop only says where the station
// was dropped (stationDropped); the window then runs the command, which may refuse, so the
// view never moves or removes a row itself.
class StationListView final : public QListView {
    Q_OBJECT

public:
    // The drag's data: the program's process, the list's objectName and the station's row.
    static inline const QString MimeType = QStringLiteral("application/x-orvanta-station");

    explicit StationListView(QWidget* parent = nullptr);

    // The lists whose stations a drop here takes, this one among them for a list to be put
    // in order; a station from any other list is refused, and the cursor says so. A list that
    // takes stations only at its end shows no drop indicator.
    void takeStationsFrom(const QList<const StationListView*>& sources, bool atItsEnd);

    // The data a drag of this list's station at `row` carries.
    QMimeData* stationData(int row) const;

signals:
    // The station at `row` of `source` was dropped before the row `place` of this list
    // (its row count: after the last).
    void stationDropped(const StationListView* source, int row, int place);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Dragged {
        const StationListView* source;
        int row;
    };
    // The station a drag carries, where this list takes it.
    std::optional<Dragged> dragged(const QDropEvent& event) const;

    QList<const StationListView*> m_sources;
};

} // namespace orvanta
