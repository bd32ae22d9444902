#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orvanta::test {

// Answers the next modal dialog of type Dialog on behalf of the user: calls answer once
// the dialog is shown inside its exec(). A different dialog, or none within a few
// seconds, fails the test; a stray dialog is rejected so that exec() returns.
template <typename Dialog>
void answerNextModal(std::function<void(Dialog&)> answer)
{
    auto attempts = std::make_shared<int>(0);
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, attempts, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (++*attempts < 500)
                return;
            ADD_FAILURE() << "no modal dialog was shown";
        } else if (auto* dialog = qobject_cast<Dialog*>(modal)) {
            answer(*dialog);
        } else {
            ADD_FAILURE() << "an unexpected modal dialog: " << modal->metaObject()->className();
            if (auto* other = qobject_cast<QDialog*>(modal))
                other->reject();
        }
        timer->deleteLater();
        timer->stop();
    });
    timer->start();
}

} // namespace orvanta::test
