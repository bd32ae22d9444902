#include "ui/qt/QtMessageBox.h"
#include "ui/MessageBox.h"

#include <QtWidgets>
#include <gtest/gtest.h>

using namespace orvanta;

// Some 300 lines, as the words of twenty files may be: the whole text is there to scroll
// through, the OK button on the screen.
TEST(QtMessageBoxTest, ALongTextScrollsInABoxThatFitsOnTheScreen)
{
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines << QString("line %1: Station %1 - Jazz & Blues: a list already shows this title").arg(i);
    QMessageBox box;
    configureMessageBox(box, lines.join('\n'), AppTitle);
    box.show();
    EXPECT_LE(box.frameGeometry().height(), box.screen()->availableGeometry().height());
    const auto* area = box.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(qobject_cast<QLabel*>(area->widget())->text(), lines.join('\n'));
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
}

// Under the program's caption, with no icon: a plain box has none.
TEST(QtMessageBoxTest, AShortTextIsShownAsQMessageBoxShowsIt)
{
    QMessageBox plain, box;
    plain.setText("Duplicate Item: Ignoring.");
    configureMessageBox(box, plain.text(), AppTitle);
    plain.show();
    box.show();
    EXPECT_EQ(box.findChild<QScrollArea*>(), nullptr);
    EXPECT_EQ(box.size(), plain.size());
    EXPECT_EQ(box.windowTitle(), AppTitle);
}
