#pragma once

#include "ui/ListBox.h"

#include <QAbstractListModel>
#include <QStringList>

class QListView;

namespace orvanta {

// The titles of one list as a model for a QListView: one row per title and nothing else,
// so a list holds a full 32,767 titles in one string list rather than an item object each.
// A row shows the first 1,000 characters of its title as visibleTitle does, each character
// that would draw nothing or a blank as its code; the title itself stays as it is.
class TitleListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // A row is dragged as a station; a drop goes between rows, never onto one.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;

    const QStringList& titles() const { return m_titles; }
    void insert(int row, QStringList titles);
    // The title at `from` comes to stand at `to`.
    void move(int from, int to);
    void remove(int first, int count);

private:
    QStringList m_titles;
};

// The list-box operations over a QListView. The view's current index (the keyboard
// cursor) is not its selection: ListIndex reports the selection only, and removing an
// item never lets Qt move the selection to a neighbour.
class QtListBox final : public ListBox {
public:
    // Gives the view its model and single selection; the view must outlive the adapter.
    explicit QtListBox(QListView& view);
    QtListBox(const QtListBox&) = delete;
    QtListBox& operator=(const QtListBox&) = delete;

    qint16 ListCount() const override;
    qint16 ListIndex() const override;
    QString List(qint16 index) const override;
    void AddItem(const QString& text) override;
    void AddItems(QStringList texts) override;
    void InsertItems(qint16 index, QStringList texts) override;
    void MoveItem(qint16 from, qint16 to) override;
    void RemoveItem(qint16 index) override;
    void RemoveItems(qint16 index, qint16 count) override;
    void Unselect(qint16 index) override;
    void UnselectAll() override;
    void Select(qint16 index) override;
    void Refresh() override;

private:
    void checkRange(qint16 index, qint16 count) const;

    QListView& m_view;
    TitleListModel* m_model; // owned by the view
};

} // namespace orvanta
