// The title field's one-line rule, on a field of its own as the user puts text in.
#include "ui/qt/SingleLineValidator.h"
#include "QStringPrinting.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace orvanta;

// A paste in the middle keeps its first line and the text after the cursor, and typing goes
// on where it ended; a drop, which goes where the drag entered (here the end), keeps its
// first line too.
TEST(SingleLineValidator, APasteOrADropKeepsItsFirstLine)
{
    QLineEdit field("Jazz");
    field.setValidator(new SingleLineValidator(&field));
    field.setCursorPosition(2);
    QGuiApplication::clipboard()->setText("Rock\r\nFile1=http://evil/");
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(&field, "!?");
    EXPECT_EQ(field.text(), "JaRock!?zz");
    QMimeData dropped;
    dropped.setText("Pop\nFile1=x");
    const QPoint end(field.width() - 1, field.height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&field, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&field, &drop);
    EXPECT_EQ(field.text(), "JaRock!?zzPop");
}
