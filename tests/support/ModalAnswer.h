#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace orvanta::testing {

// Answers the next modal dialog on behalf of the user. The timer fires inside the
// dialog's exec(), which shows the dialog before it waits; another dialog fails the test
// and is rejected so that its exec() returns.
template <typename Dialog>
void answerNextModal(std::function<void(Dialog&)> answer)
{
    QTimer::singleShot(0, qApp, [answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            return answer(*dialog);
        ADD_FAILURE() << "expected a modal " << Dialog::staticMetaObject.className();
        if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            other->reject();
    });
}

// Fails the test and rejects any modal dialog that the next step opens, so that an
// unexpected one cannot wait for a user who never comes.
inline void expectNoModal()
{
    QTimer::singleShot(0, qApp, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "an unexpected modal " << dialog->metaObject()->className();
            dialog->reject();
        }
    });
}

} // namespace orvanta::testing
