// The edit dialog through the real windows: opened by a double-click on the import list,
// driven by mouse clicks and key presses, while the main window is disabled.
#include "ModalAnswer.h"
#include "QStringPrinting.h"
#include "ui/Module1.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <iterator>

namespace orvanta {
namespace {

class EditDialogWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module1::reset();
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
        frm_Edit = m_window.findChild<QDialog*>(QStringLiteral("frm_Edit"));
        ASSERT_NE(frm_Edit, nullptr);
        ASSERT_FALSE(frm_Edit->isVisible());
        txt_Title = control<QLineEdit>("txt_Title");
        txt_URL = control<QLineEdit>("txt_URL");
        txt_Lngth = control<QLineEdit>("txt_Lngth");
        btn_OK = control<QPushButton>("btn_OK");
        btn_Cancel = control<QPushButton>("btn_Cancel");
    }

    template <typename Control>
    Control* control(const char* name) const
    {
        auto* found = frm_Edit->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // A station as the import leaves it: keyed by its address, its title in lst_Import.
    void importStation(const QString& title, const QString& file, qint16 length = -1)
    {
        Module1::Playlists().Add(0, file, title, length, file);
        m_window.parts().lst_Import.AddItem(title);
    }

    QListWidget& lst_Import() { return *m_window.controls().lst_Import; }
    QListWidget& lst_Output() { return *m_window.controls().lst_Output; }

    void doubleClickAt(const QPoint& point)
    {
        QTest::mouseClick(lst_Import().viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(lst_Import().viewport(), Qt::LeftButton, {}, point);
    }

    void openOn(int row)
    {
        doubleClickAt(lst_Import().visualItemRect(lst_Import().item(row)).center());
        ASSERT_TRUE(frm_Edit->isVisible());
        // A window counts as active while its parent is, so wait for the dialog itself.
        // A window counts as active while its parent is, so wait for the dialog itself.
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == frm_Edit; }));
    }

    QString importTitles()
    {
        QStringList titles;
        for (int row = 0; row < lst_Import().count(); ++row)
            titles << lst_Import().item(row)->text();
        return titles.join(QLatin1Char('|'));
    }

    static QString focusName()
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("<none>");
    }

    void expectClosedWithMainWindowEnabled()
    {
        EXPECT_FALSE(frm_Edit->isVisible());
        EXPECT_TRUE(m_window.isEnabled());
        EXPECT_TRUE(lst_Import().isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &m_window; }))
            << "the main window takes the keyboard back";
    }

    PlayListMainWindow m_window;
    QDialog* frm_Edit = nullptr;
    QLineEdit* txt_Title = nullptr;
    QLineEdit* txt_URL = nullptr;
    QLineEdit* txt_Lngth = nullptr;
    QPushButton* btn_OK = nullptr;
    QPushButton* btn_Cancel = nullptr;
};

TEST_F(EditDialogWindowTest, LayoutCaptionsAndTooltipsFollowTheTable)
{
    EXPECT_EQ(frm_Edit->windowTitle(), "Edit");
    EXPECT_EQ(frm_Edit->minimumSize(), QSize(313, 151));
    EXPECT_EQ(frm_Edit->maximumSize(), QSize(313, 151));
    EXPECT_TRUE(frm_Edit->isWindow());
    EXPECT_FALSE(frm_Edit->isModal());
    EXPECT_TRUE(frm_Edit->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    const auto* Frame1 = control<QGroupBox>("Frame1");
    EXPECT_EQ(Frame1->geometry(), QRect(0, 0, 313, 113));
    EXPECT_EQ(Frame1->title(), "");

    struct Label { const char* name; const char* caption; QRect geometry; };
    for (const Label& expected : {Label{"Label1", "Title", {8, 16, 73, 17}},
                                  Label{"Label2", "URL", {8, 48, 73, 17}},
                                  Label{"Label3", "Length", {8, 80, 73, 17}}}) {
        const auto* label = control<QLabel>(expected.name);
        EXPECT_EQ(label->parentWidget(), Frame1) << expected.name;
        EXPECT_EQ(label->text(), expected.caption);
        EXPECT_EQ(label->geometry(), expected.geometry) << expected.name;
    }

    struct Field { QLineEdit* field; bool enabled; QRect geometry; const char* toolTip; };
    for (const Field& expected :
         {Field{txt_Title, true, {88, 16, 217, 19}, "The name of the audio stream."},
          Field{txt_URL, false, {88, 48, 217, 19}, "The location and port of the audio stream."},
          Field{txt_Lngth, false, {88, 80, 217, 19}, "This is best left at the default value."}}) {
        const QString name = expected.field->objectName();
        EXPECT_EQ(expected.field->parentWidget(), Frame1) << name.toStdString();
        EXPECT_EQ(expected.field->isEnabled(), expected.enabled) << name.toStdString();
        EXPECT_EQ(expected.field->geometry(), expected.geometry) << name.toStdString();
        EXPECT_EQ(expected.field->toolTip(), expected.toolTip);
        EXPECT_EQ(expected.field->text(), "");
    }

    struct Button { QPushButton* button; const char* caption; QRect geometry; };
    for (const Button& expected : {Button{btn_OK, "OK", {88, 120, 57, 25}},
                                   Button{btn_Cancel, "Cancel", {168, 120, 57, 25}}}) {
        EXPECT_EQ(expected.button->parentWidget(), frm_Edit);
        EXPECT_EQ(expected.button->text(), expected.caption);
        EXPECT_EQ(expected.button->geometry(), expected.geometry) << expected.caption;
        EXPECT_FALSE(expected.button->isDefault()) << expected.caption;
        EXPECT_FALSE(expected.button->autoDefault()) << expected.caption;
    }
}

TEST_F(EditDialogWindowTest, OpensCentredWithTheStationAndStaysUsableWhileTheMainWindowIsDisabled)
{
    importStation("Alpha", "http://a:8000");
    importStation("Beta", "http://b:8000", 128);

    openOn(1);

    EXPECT_EQ(txt_Title->text(), "Beta");
    EXPECT_EQ(txt_URL->text(), "http://b:8000");
    EXPECT_EQ(txt_Lngth->text(), "128");
    EXPECT_EQ(focusName(), "txt_Title");
    EXPECT_LE((frm_Edit->geometry().center() - m_window.geometry().center()).manhattanLength(), 2);

    EXPECT_FALSE(m_window.isEnabled());
    EXPECT_FALSE(lst_Import().isEnabled());
    EXPECT_TRUE(frm_Edit->isEnabled());
    EXPECT_TRUE(txt_Title->isEnabled());
    EXPECT_TRUE(btn_OK->isEnabled());
    EXPECT_TRUE(btn_Cancel->isEnabled());
    QTest::keyClicks(txt_Title, QStringLiteral(" FM"));
    EXPECT_EQ(txt_Title->text(), "Beta FM");
    EXPECT_FALSE(m_window.close()) << "a disabled main window refuses to close";
    EXPECT_TRUE(m_window.isVisible());

    QTest::mouseClick(btn_OK, Qt::LeftButton);
    expectClosedWithMainWindowEnabled();
    EXPECT_EQ(importTitles(), "Alpha|Beta FM");
}

TEST_F(EditDialogWindowTest, OnlyTheTitleFieldAndTheButtonsTakeTheFocusInTabOrder)
{
    importStation("Alpha", "http://a");
    openOn(0);

    QTest::mouseClick(txt_URL, Qt::LeftButton);
    QTest::mouseClick(txt_Lngth, Qt::LeftButton);
    EXPECT_EQ(focusName(), "txt_Title");

    QStringList forward;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusName();
    }
    EXPECT_EQ(forward, QStringList({"btn_OK", "btn_Cancel", "txt_Title"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "btn_Cancel");
}

TEST_F(EditDialogWindowTest, EnterReleasedInTheTitleAppliesWhateverTheModifiers)
{
    importStation("Alpha", "http://a");
    importStation("Beta", "http://b");

    struct Stroke { Qt::Key key; Qt::KeyboardModifiers modifiers; };
    const Stroke strokes[] = {{Qt::Key_Return, Qt::NoModifier},
                              {Qt::Key_Return, Qt::ShiftModifier | Qt::ControlModifier},
                              {Qt::Key_Enter, Qt::KeypadModifier},
                              {Qt::Key_Enter, Qt::KeypadModifier | Qt::AltModifier}};
    int applied = 0;
    for (const Stroke& stroke : strokes) {
        openOn(0);
        const QString title = QStringLiteral("Station %1").arg(++applied);
        txt_Title->setText(title);
        QTest::keyPress(txt_Title, stroke.key, stroke.modifiers);
        // A held key repeats as release and press pairs; the key is let go only at the end.
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent repeat(type, stroke.key, stroke.modifiers, QStringLiteral("\r"), true);
            QApplication::sendEvent(txt_Title, &repeat);
        }
        EXPECT_TRUE(frm_Edit->isVisible()) << "neither the press nor a repeat applies";
        QTest::keyRelease(txt_Title, stroke.key, stroke.modifiers);

        expectClosedWithMainWindowEnabled();
        EXPECT_EQ(lst_Import().item(1)->text(), title);
    }
    EXPECT_EQ(importTitles(), "Station 3|Station 4");
    EXPECT_EQ(Module1::Playlists().Count(), 2);
}

TEST_F(EditDialogWindowTest, EnterOnEitherButtonPressesNothing)
{
    importStation("Alpha", "http://a");
    openOn(0);
    txt_Title->setText(QStringLiteral("Changed"));

    for (QPushButton* button : {btn_OK, btn_Cancel}) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(frm_Edit->isVisible()) << button->objectName().toStdString();
    }
    EXPECT_EQ(importTitles(), "Alpha");
    EXPECT_FALSE(m_window.isEnabled());
}

TEST_F(EditDialogWindowTest, CancelEscAndTheCloseBoxChangeNothingAndTheNextOpeningStartsAfresh)
{
    importStation("Alpha", "http://a");
    importStation("Beta", "http://b");
    m_window.parts().lst_Output.AddItem(QStringLiteral("Gamma"));
    const PlaylistEntry alpha = Module1::Playlists().findPlaylist("Alpha");

    const std::function<void()> waysOut[] = {
        [&] { QTest::mouseClick(btn_Cancel, Qt::LeftButton); },
        [&] { QTest::keyClick(txt_Title, Qt::Key_Escape); },
        [&] { EXPECT_TRUE(frm_Edit->close()); },
    };
    for (const auto& leave : waysOut) {
        openOn(0);
        EXPECT_EQ(txt_Title->text(), "Alpha") << "the typed text of the last opening is gone";
        EXPECT_FALSE(txt_Title->isUndoAvailable());
        EXPECT_EQ(focusName(), "txt_Title");
        QTest::keyClicks(txt_Title, QStringLiteral(" typed"));
        // The press of an Enter that the dialog is left with must not count next time.
        QTest::keyPress(txt_Title, Qt::Key_Return);

        leave();

        expectClosedWithMainWindowEnabled();
        EXPECT_EQ(importTitles(), "Alpha|Beta");
        EXPECT_EQ(lst_Output().count(), 1);
        EXPECT_EQ(Module1::Playlists().findPlaylist("Alpha"), alpha);
        EXPECT_EQ(txt_Title->text(), "");
    }

    openOn(1);
    EXPECT_EQ(txt_Title->text(), "Beta");
    QTest::keyRelease(txt_Title, Qt::Key_Return);
    EXPECT_TRUE(frm_Edit->isVisible());
}

TEST_F(EditDialogWindowTest, OkKeepsAnUnchangedStationAndAcceptsAnEmptyTitle)
{
    importStation("Alpha", "http://a");
    importStation("Beta", "http://b");
    m_window.parts().lst_Output.AddItem(QStringLiteral("Beta"));

    openOn(0);
    EXPECT_EQ(txt_Lngth->text(), "-1");
    QTest::mouseClick(btn_OK, Qt::LeftButton);
    expectClosedWithMainWindowEnabled();
    EXPECT_EQ(importTitles(), "Beta|Alpha");
    EXPECT_EQ(lst_Import().selectedItems().size(), 0);
    EXPECT_EQ(Module1::Playlists().Count(), 2);
    const PlaylistEntry alpha = Module1::Playlists().Item(QStringLiteral("http://a"));
    EXPECT_EQ(alpha->Title(), "Alpha");
    EXPECT_EQ(alpha->NumEntries(), 1);
    EXPECT_EQ(alpha->Length(), -1);
    EXPECT_EQ(*std::prev(Module1::Playlists().end()), alpha) << "the replacement is the newest entry";

    openOn(1);
    txt_Title->selectAll();
    QTest::keyClick(txt_Title, Qt::Key_Backspace);
    QTest::keyClick(txt_Title, Qt::Key_Return);
    expectClosedWithMainWindowEnabled();
    EXPECT_EQ(importTitles(), "Beta|");
    EXPECT_EQ(Module1::Playlists().Item(QStringLiteral("http://a"))->Title(), "");
    EXPECT_EQ(lst_Output().item(0)->text(), "Beta");
}

TEST_F(EditDialogWindowTest, ADoubleClickWithoutASelectedStationOpensNothing)
{
    importStation("Alpha", "http://a");
    m_window.parts().lst_Import.AddItem(QStringLiteral("Orphan"));
    QWidget& viewport = *lst_Import().viewport();

    // Ctrl+click takes the selection back, so the double-click finds no selected item.
    const QPoint alpha = lst_Import().visualItemRect(lst_Import().item(0)).center();
    QTest::mouseClick(&viewport, Qt::LeftButton, {}, alpha);
    QTest::mouseClick(&viewport, Qt::LeftButton, Qt::ControlModifier, alpha);
    ASSERT_TRUE(lst_Import().selectedItems().isEmpty());
    QTest::mouseDClick(&viewport, Qt::LeftButton, Qt::ControlModifier, alpha);
    EXPECT_FALSE(frm_Edit->isVisible());
    EXPECT_TRUE(m_window.isEnabled());

    doubleClickAt(lst_Import().visualItemRect(lst_Import().item(1)).center());
    EXPECT_FALSE(frm_Edit->isVisible());
    EXPECT_TRUE(m_window.isEnabled());
    EXPECT_EQ(importTitles(), "Alpha|Orphan");
}

TEST_F(EditDialogWindowTest, ATakenTitleIsRefusedOverTheDialogAndTheEnterClosingTheMessageDoesNotApply)
{
    importStation("Alpha", "http://a");
    importStation("Beta", "http://b");
    openOn(0);
    txt_Title->setText(QStringLiteral("Beta"));

    bool answered = false;
    test::answerNextModal<QMessageBox>([&](QMessageBox& box) {
        answered = true;
        EXPECT_EQ(box.text(), "Duplicate Item: Ignoring.");
        EXPECT_EQ(box.windowTitle(), "Orvanta Playlist Builder");
        EXPECT_EQ(box.parentWidget(), frm_Edit) << "shown over the dialog, not the disabled main window";
        EXPECT_TRUE(box.isEnabled());
        // The user presses Enter in the box; its release reaches the title field below.
        QTest::keyPress(&box, Qt::Key_Return);
    });
    QTest::keyPress(txt_Title, Qt::Key_Return);
    QTest::keyRelease(txt_Title, Qt::Key_Return);
    ASSERT_TRUE(answered);

    // A second message would block in its exec(); dismiss it and count it.
    int furtherMessages = 0;
    QTimer::singleShot(0, qApp, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++furtherMessages;
            box->reject();
        }
    });
    QTest::keyRelease(txt_Title, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(furtherMessages, 0);

    EXPECT_TRUE(frm_Edit->isVisible());
    EXPECT_EQ(txt_Title->text(), "Beta");
    EXPECT_FALSE(m_window.isEnabled());
    EXPECT_EQ(importTitles(), "Alpha|Beta");
    EXPECT_EQ(Module1::Playlists().findPlaylist("Alpha")->NumEntries(), 0);

    QTest::keyClicks(txt_Title, QStringLiteral(" 2"));
    QTest::keyClick(txt_Title, Qt::Key_Return);
    expectClosedWithMainWindowEnabled();
    EXPECT_EQ(importTitles(), "Beta|Beta 2");
}

} // namespace
} // namespace orvanta
