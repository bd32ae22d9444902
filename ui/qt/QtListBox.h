#pragma once

#include "ui/ListBox.h"

class QListWidget;

namespace orvanta {

// The list-box operations over a QListWidget. The widget's current item (the keyboard
// cursor) is not its selection: ListIndex reports the selection only, and removing an
// item never lets Qt move the selection to a neighbour.
class QtListBox final : public ListBox {
public:
    // Sets the widget to single selection; the widget must outlive the adapter.
    explicit QtListBox(QListWidget& widget);

    qint16 ListCount() const override;
    qint16 ListIndex() const override;
    QString List(qint16 index) const override;
    void AddItem(const QString& text) override;
    void AddItems(const QStringList& texts) override;
    void RemoveItem(qint16 index) override;
    void Unselect(qint16 index) override;
    void Refresh() override;

private:
    void checkIndex(qint16 index) const;

    QListWidget& m_widget;
};

} // namespace orvanta
