// The program's one message box: its look, and that the call waits for the user's OK.
#include "ModalAnswer.h"
#include "QStringPrinting.h"
#include "ui/MessageBox.h"
#include "ui/qt/QtMessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(MessageBoxLook, TextCaptionOneOkButtonAndNoIcon)
{
    QMessageBox box;
    configureMessageBox(box, QStringLiteral("Duplicate Item: Ignoring."), AppTitle);

    EXPECT_EQ(box.text(), "Duplicate Item: Ignoring.");
    EXPECT_EQ(box.windowTitle(), "Orvanta Playlist Builder");
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    ASSERT_EQ(box.buttons().size(), 1);
    EXPECT_EQ(box.standardButton(box.buttons().first()), QMessageBox::Ok);
    EXPECT_EQ(box.windowModality(), Qt::WindowModal);
    EXPECT_EQ(box.textFormat(), Qt::PlainText) << "text is never read as markup";
}

TEST(MessageBoxShown, ReturnsOnceTheUserPressesOk)
{
    QWidget window;
    QtMessageBox messages(window);
    QString shownText;
    const QWidget* boxParent = nullptr;
    test::answerNextModal<QMessageBox>([&](QMessageBox& box) {
        shownText = box.text();
        boxParent = box.parentWidget();
        box.button(QMessageBox::Ok)->click();
    });

    messages.MsgBox(QStringLiteral("Duplicate Item: Ignoring."), AppTitle);

    EXPECT_EQ(shownText, "Duplicate Item: Ignoring.");
    EXPECT_EQ(boxParent, &window);
}

} // namespace
} // namespace orvanta
