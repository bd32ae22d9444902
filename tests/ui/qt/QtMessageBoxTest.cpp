#include "ui/qt/QtMessageBox.h"
#include "ui/MessageBox.h"

#include <QtWidgets>
#include <gtest/gtest.h>

using namespace orvanta;

namespace {

// The box as the user sees it, in its own window on the offscreen screen.
struct ShownBox {
    explicit ShownBox(const QString& text)
    {
        configureMessageBox(box, text, AppTitle);
        box.show();
    }
    QWidget window;
    QMessageBox box{&window};
};

} // namespace

// Some 300 lines, as the words of twenty files may be: the whole text is there to scroll
// through, the OK button on the screen.
TEST(QtMessageBoxTest, ALongTextScrollsInABoxThatFitsOnTheScreen)
{
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines << QString("line %1: Station %1 - Jazz & Blues: a list already shows this title").arg(i);
    const ShownBox shown(lines.join('\n'));
    EXPECT_LE(shown.box.frameGeometry().height(), shown.box.screen()->availableGeometry().height());
    const auto* area = shown.box.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(qobject_cast<QLabel*>(area->widget())->text(), lines.join('\n'));
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
}

TEST(QtMessageBoxTest, AShortTextIsShownAsQMessageBoxShowsIt)
{
    QMessageBox plain;
    plain.setText("Duplicate Item: Ignoring.");
    plain.show();
    const ShownBox shown("Duplicate Item: Ignoring.");
    EXPECT_EQ(shown.box.findChild<QScrollArea*>(), nullptr);
    EXPECT_EQ(shown.box.size(), plain.size());
}
