// The window's fixed layout: every control where the control table puts it, in pixels
// relative to its container, with its caption and tooltip.
#include "QStringPrinting.h"
#include "ui/Module1.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <cstdlib>

namespace orvanta {
namespace {

struct ControlRow {
    const char* name;
    const char* container;
    QRect geometry;
    const char* caption;
    const char* toolTip;
};

const ControlRow controlTable[] = {
    {"Frame1", "PlayList_Main", {0, 0, 233, 257}, "Import Playlist", ""},
    {"btn_Import", "Frame1", {80, 40, 57, 25}, "Import", ""},
    {"lst_Import", "Frame1", {8, 72, 217, 173}, "", "Double Click to Edit."},
    {"Frame2", "PlayList_Main", {280, 0, 225, 257}, "Export Playlist", ""},
    {"opt_V1", "Frame2", {16, 16, 73, 17}, "Version 1", ""},
    {"opt_V2", "Frame2", {120, 16, 73, 17}, "Version 2", ""},
    {"btn_Export", "Frame2", {80, 40, 57, 25}, "Export", ""},
    {"lst_Output", "Frame2", {8, 72, 209, 173}, "", ""},
    {"btn_Add", "PlayList_Main", {240, 72, 33, 25}, ">", "Add Selected Item."},
    {"btn_AllAdd", "PlayList_Main", {240, 104, 33, 25}, ">>", "Add all items."},
    {"btn_Rem", "PlayList_Main", {240, 144, 33, 25}, "<", "Remove selected item."},
    {"btn_AllRem", "PlayList_Main", {240, 176, 33, 25}, "<<", "Remove all items."},
    {"btn_DelI", "PlayList_Main", {240, 216, 33, 25}, "x", "Delete and item from either list."},
};

QString captionOf(const QWidget& control)
{
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

class MainWindowLayout : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }

    void showWindow()
    {
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    QWidget* control(const char* name) { return m_window.findChild<QWidget*>(QLatin1String(name)); }

    PlayListMainWindow m_window;
};

TEST_F(MainWindowLayout, EveryControlSitsInItsContainerWithItsCaptionAndTooltip)
{
    showWindow();
    for (const ControlRow& row : controlTable) {
        SCOPED_TRACE(row.name);
        const QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), row.container);
        EXPECT_EQ(widget->geometry(), row.geometry);
        EXPECT_EQ(captionOf(*widget), row.caption);
        EXPECT_EQ(widget->toolTip(), row.toolTip);
        EXPECT_TRUE(widget->isVisible());
        const bool isOption = qobject_cast<const QRadioButton*>(widget) != nullptr;
        EXPECT_EQ(widget->isEnabled(), !isOption);
    }
}

TEST_F(MainWindowLayout, EveryCaptionFitsItsControl)
{
    showWindow();
    for (const ControlRow& row : controlTable) {
        SCOPED_TRACE(row.name);
        const QWidget* widget = control(row.name);
        const int textWidth = widget->fontMetrics().horizontalAdvance(captionOf(*widget));
        if (qobject_cast<const QRadioButton*>(widget)) {
            EXPECT_LE(widget->sizeHint().width(), widget->width());
        } else if (qobject_cast<const QPushButton*>(widget)) {
            const int margin = widget->style()->pixelMetric(QStyle::PM_ButtonMargin);
            EXPECT_LE(textWidth + 2 * margin, widget->width());
        } else {
            EXPECT_LE(textWidth, widget->width());
        }
        EXPECT_LE(widget->fontMetrics().height(), widget->height());
    }
}

TEST_F(MainWindowLayout, TheImportListsTooltipShowsOverItsItems)
{
    // An item view answers tooltip requests for its items itself; the list's own
    // tooltip must still reach the user there.
    showWindow();
    m_window.parts().lst_Import.AddItem(QStringLiteral("Radio"));
    auto* list = qobject_cast<QListWidget*>(control("lst_Import"));
    const QPoint onItem = list->visualItemRect(list->item(0)).center();

    QHelpEvent hover(QEvent::ToolTip, onItem, list->viewport()->mapToGlobal(onItem));
    QCoreApplication::sendEvent(list->viewport(), &hover);

    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Double Click to Edit.");
    QToolTip::hideText();
}

TEST_F(MainWindowLayout, TheSeparatingLinesRunAcrossTheButtonColumn)
{
    for (const auto& [name, y] : {std::pair{"Line1", 136}, std::pair{"Line2", 208}}) {
        SCOPED_TRACE(name);
        const auto* line = qobject_cast<QFrame*>(control(name));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->parentWidget(), &m_window);
        EXPECT_EQ(line->frameShape(), QFrame::HLine);
        EXPECT_EQ(line->geometry(), QRect(240, y, 32, 1)) << "from x 240 to 272";
    }
}

TEST_F(MainWindowLayout, TheWindowIsFixedInSizeCaptionedAndCentred)
{
    EXPECT_EQ(m_window.objectName(), "PlayList_Main");
    EXPECT_EQ(m_window.windowTitle(), "Orvanta Playlist Builder");
    EXPECT_EQ(m_window.minimumSize(), QSize(505, 259));
    EXPECT_EQ(m_window.maximumSize(), QSize(505, 259));
    showWindow();
    EXPECT_EQ(m_window.size(), QSize(505, 259));
    // Centred: the free space left and right, and above and below, is shared evenly.
    const QRect screen = m_window.screen()->availableGeometry();
    const QRect window = m_window.geometry();
    EXPECT_LE(std::abs((window.left() - screen.left()) - (screen.right() - window.right())), 2);
    EXPECT_LE(std::abs((window.top() - screen.top()) - (screen.bottom() - window.bottom())), 2);

    m_window.resize(800, 600);
    EXPECT_EQ(m_window.size(), QSize(505, 259));
    EXPECT_EQ(control("lst_Output")->geometry(), QRect(8, 72, 209, 173));
}

TEST_F(MainWindowLayout, TheVersionOptionsAreOneGroupThatCannotBeChosen)
{
    showWindow();
    auto* v1 = qobject_cast<QRadioButton*>(control("opt_V1"));
    auto* v2 = qobject_cast<QRadioButton*>(control("opt_V2"));
    ASSERT_NE(v1, nullptr);
    ASSERT_NE(v2, nullptr);
    ASSERT_NE(v1->group(), nullptr);
    EXPECT_EQ(v1->group(), v2->group());
    EXPECT_TRUE(v1->group()->exclusive());

    QTest::mouseClick(v1, Qt::LeftButton);
    QTest::keyClick(v2, Qt::Key_Space);

    EXPECT_FALSE(v1->isChecked());
    EXPECT_FALSE(v2->isChecked());
    EXPECT_FALSE(v1->isEnabled());
    EXPECT_FALSE(v2->isEnabled());
}

TEST_F(MainWindowLayout, ScreenReadersCanTellEveryControlApart)
{
    showWindow();
    const auto nameOf = [](QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(nameOf(control("lst_Import")), "Import list");
    EXPECT_EQ(nameOf(control("lst_Output")), "Output list");

    QStringList names;
    for (const ControlRow& row : controlTable) {
        const QString name = nameOf(control(row.name));
        // Buttons whose caption is a symbol are named by what their tooltip says they do.
        if (*row.caption) {
            EXPECT_EQ(name, *row.toolTip ? row.toolTip : row.caption) << row.name;
        }
        names.append(name);
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), std::size(controlTable));
}

} // namespace
} // namespace orvanta
