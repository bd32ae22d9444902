#include "ui/qt/EnterReleaseFilter.h"

#include <QKeyEvent>

#include <utility>

namespace orvanta {

namespace {

bool isEnter(const QEvent& event)
{
    const auto& key = static_cast<const QKeyEvent&>(event);
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && !key.isAutoRepeat();
}

} // namespace

EnterReleaseFilter::EnterReleaseFilter(QObject& field) : QObject(&field)
{
    field.installEventFilter(this);
}

bool EnterReleaseFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isEnter(*event))
            m_pressedHere = true;
        break;
    // Held keys repeat as release and press pairs; only the last release lets go.
    case QEvent::KeyRelease:
        if (isEnter(*event) && std::exchange(m_pressedHere, false))
            emit released();
        break;
    case QEvent::FocusOut:
        m_pressedHere = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvanta
