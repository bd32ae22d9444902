// The title field's one-line rule, on a field of its own as the user puts text in.
#include "ui/qt/SingleLineValidator.h"
#include "QStringPrinting.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

class SingleLineValidatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        field.setValidator(new SingleLineValidator(&field));
        field.setText("Jazz");
        field.setCursorPosition(2);
    }

    QLineEdit field;
};

// Typing then goes on where the paste ended.
TEST_F(SingleLineValidatorTest, APasteInTheMiddleKeepsItsFirstLineAndTheTextAfterTheCursor)
{
    QGuiApplication::clipboard()->setText("Rock\r\nFile1=http://evil/");
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "JaRockzz");
    QTest::keyClicks(&field, "!?");
    EXPECT_EQ(field.text(), "JaRock!?zz");
}

TEST_F(SingleLineValidatorTest, ADropKeepsItsFirstLine)
{
    QMimeData dropped;
    dropped.setText("Rock\nFile1=x");
    // A drop goes where the drag entered.
    const QPoint end(field.width() - 1, field.height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&field, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&field, &drop);
    EXPECT_EQ(field.text(), "JazzRock");
}

} // namespace
} // namespace orvanta
