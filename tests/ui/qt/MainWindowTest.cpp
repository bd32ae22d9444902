// The main window and its edit dialog as the user meets them: every caption whole, and
// real clicks, keys and drops reaching their commands. What the commands then do is
// tested without a display in tests/ui.
#include "GeneratedPlaylists.h"
#include "ModalAnswer.h"
#include "NamedCases.h"
#include "QStringPrinting.h"
#include "ui/Module1.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

struct MainWindow : ::testing::Test {
    // A, B and C in the import list, X and Y in the output list. Their addresses and lengths
    // are the longest the edit dialog's fields must hold: an edit that lost any of it is refused.
    void SetUp() override
    {
        Module1::reset();
        for (const QString title : {"A", "B", "C", "X", "Y"}) {
            const QString address = "http://" + title + QString(40000, u'/');
            Module1::Playlists().Add(1, address, title, -32768, address);
            (title < "X" ? parts.lst_Import : parts.lst_Output).AddItem(title);
        }
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    StationListView* list(bool output) const { return output ? controls.lst_Output : controls.lst_Import; }
    void click(bool output, int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::mouseClick(list(output)->viewport(), Qt::LeftButton, modifiers,
                          list(output)->visualRect(list(output)->model()->index(row, 0)).center());
    }
    void press(QPushButton* MainWindowControls::*button) const { QTest::mouseClick(controls.*button, Qt::LeftButton); }
    static void keys(std::initializer_list<QKeyCombination> combinations)
    {
        for (const QKeyCombination combination : combinations)
            QTest::keyClick(QApplication::focusWidget(), combination.key(), combination.keyboardModifiers());
    }

    // Both lists as drawn, each selected item followed by "*": "AB*C|XY|".
    QString shown() const
    {
        QString text;
        for (const QListView* list : {controls.lst_Import, controls.lst_Output}) {
            for (int row = 0; row < list->model()->rowCount(); ++row)
                text += list->model()->index(row, 0).data().toString()
                        + (list->selectionModel()->isRowSelected(row) ? "*" : "");
            text += '|';
        }
        return text;
    }
    static QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }

    // frm_Edit on the first import item, opened by a key or, with none, a double-click.
    void openEdit(Qt::Key key = Qt::Key_unknown)
    {
        click(false, 0);
        if (key == Qt::Key_unknown)
            QTest::mouseDClick(controls.lst_Import->viewport(), Qt::LeftButton, {},
                               controls.lst_Import->visualRect(controls.lst_Import->model()->index(0, 0)).center());
        else
            QTest::keyClick(controls.lst_Import, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        // A window counts as active while its parent is, so wait for the dialog itself.
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == dialog; }));
    }
    // Opens the dialog, types "+" in the title and presses Return there.
    void typeInEdit(Qt::Key opening)
    {
        openEdit(opening);
        QTest::keyClick(title, Qt::Key_Plus);
        QTest::keyPress(title, Qt::Key_Return);
    }
    void clickInEdit(const char* name) const { QTest::mouseClick(dialog->findChild<QWidget*>(name), Qt::LeftButton); }

    // Clicks the station at `row` and drags it to the top or bottom edge of row `over`;
    // `otherData` stands for what another running copy of the program drags.
    void drag(bool fromOutput, int row, bool toOutput, int over, bool below, const QByteArray& otherData = {}) const
    {
        click(fromOutput, row);
        const std::unique_ptr<QMimeData> carried(list(fromOutput)->stationData(row));
        if (!otherData.isNull())
            carried->setData(StationListView::MimeType, otherData);
        QWidget* target = list(toOutput)->viewport();
        const QRect rect = list(toOutput)->visualRect(list(toOutput)->model()->index(over, 0));
        const QPoint at(rect.center().x(), below ? rect.bottom() - 1 : rect.top() + 1);
        QDragEnterEvent enter(at, Qt::MoveAction, carried.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, carried.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &move);
        QDropEvent drop(at, Qt::MoveAction, carried.get(), Qt::LeftButton, {});
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(target, move.isAccepted() ? static_cast<QEvent*>(&drop) : &leave);
        QCoreApplication::processEvents(); // the move comes once the drop has ended
    }

    // Drops `data` on the window; Shift asks for a move, which would let the source delete the
    // files. Whether it was taken as a copy.
    bool dropOnWindow(const QMimeData& data)
    {
        const QPoint overList = controls.lst_Import->mapTo(&window, controls.lst_Import->rect().center());
        QDragEnterEvent enter(overList, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(window.windowHandle(), &enter);
        QDropEvent drop(overList, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window.windowHandle(), enter.isAccepted() ? static_cast<QEvent*>(&drop) : &leave);
        return enter.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }

    QTemporaryDir folder;
    PlayListMainWindow window;
    MainWindowParts& parts = window.parts();
    const MainWindowControls& controls = window.controls();
    QDialog* dialog = window.findChild<QDialog*>("frm_Edit");
    QLineEdit* title = dialog->findChild<QLineEdit*>("txt_Title");
};

// What the user does with the mouse and keys, both lists as then drawn, and the control
// that then has the keyboard where that matters.
struct Gesture {
    const char* name;
    void (*act)(MainWindow&);
    const char* shown;
    const char* focus = nullptr;
};
class Gestures : public MainWindow, public ::testing::WithParamInterface<Gesture> {};

TEST_P(Gestures, ReachTheirCommands)
{
    GetParam().act(*this);
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; }));
    EXPECT_EQ(shown(), GetParam().shown);
    if (GetParam().focus) {
        EXPECT_EQ(focusName(), GetParam().focus);
    }
}

using W = MainWindow;
using C = MainWindowControls;
constexpr QKeyCombination Undo = Qt::CTRL | Qt::Key_Z, Across = Qt::CTRL | Qt::Key_Right,
                          Back = Qt::CTRL | Qt::Key_Left;
INSTANTIATE_TEST_SUITE_P(
    , Gestures,
    ::testing::Values(
        // One item selected at most in both lists together; a click or a tab into one list
        // clears the other's.
        Gesture{"CtrlAndShiftClicksSelectOneItem",
                [](W& w) {
                    w.click(false, 2), w.click(false, 0, Qt::ControlModifier), w.click(false, 1, Qt::ShiftModifier);
                },
                "AB*C|XY|"},
        Gesture{"AClickClearsTheOtherListsSelection", [](W& w) { w.click(false, 0), w.click(true, 1); }, "ABC|XY*|"},
        Gesture{"TabbingIntoAListClearsTheOthersSelection", [](W& w) { w.click(true, 1), w.keys({Qt::Key_Backtab}); },
                "ABC|XY|"},
        Gesture{"AddButton", [](W& w) { w.click(false, 1), w.press(&C::btn_Add); }, "AC|XYB|"},
        Gesture{"RemButton", [](W& w) { w.click(true, 0), w.press(&C::btn_Rem); }, "ABCX|Y|"},
        Gesture{"AllAddButton", [](W& w) { w.click(true, 1), w.press(&C::btn_AllAdd); }, "|XY*ABC|"},
        Gesture{"AllRemButton", [](W& w) { w.click(false, 1), w.press(&C::btn_AllRem); }, "AB*CXY||"},
        Gesture{"DelIButton", [](W& w) { w.click(true, 0), w.press(&C::btn_DelI); }, "ABC|Y|"},
        Gesture{"DeleteInTheImportList", [](W& w) { w.click(false, 1), w.keys({Qt::Key_Delete}); }, "AC|XY|"},
        Gesture{"DeleteInTheOutputList", [](W& w) { w.click(true, 1), w.keys({Qt::Key_Delete}); }, "ABC|X|"},
        // Ctrl+Right and Ctrl+Left move a station across, selected in the list that then has
        // the keyboard; Alt+Up and Alt+Down put it in order.
        Gesture{"CtrlRight", [](W& w) { w.click(false, 0), w.keys({Across}); }, "BC|XYA*|", "lst_Output"},
        Gesture{"CtrlLeft", [](W& w) { w.click(true, 0), w.keys({Back}); }, "ABCX*|Y|", "lst_Import"},
        Gesture{"AltDown", [](W& w) { w.click(true, 0), w.keys({Qt::ALT | Qt::Key_Down}); }, "ABC|YX*|"},
        Gesture{"AltUp", [](W& w) { w.click(true, 1), w.keys({Qt::ALT | Qt::Key_Up}); }, "ABC|Y*X|"},
        // Ctrl+Z takes each step back, with the selection and the keyboard where they were, and
        // Ctrl+Shift+Z and Ctrl+Y do it again.
        Gesture{"CtrlZ",
                [](W& w) {
                    w.click(false, 0), w.keys({Across, Qt::ALT | Qt::Key_Up, Back, Undo});
                },
                "BC|XA*Y|", "lst_Output"},
        Gesture{"CtrlShiftZ",
                [](W& w) {
                    w.click(false, 0), w.keys({Across, Back, Undo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z});
                },
                "BCA*|XY|", "lst_Import"},
        Gesture{"CtrlY",
                [](W& w) {
                    w.click(true, 0), w.keys({Qt::ALT | Qt::Key_Down, Undo, Qt::CTRL | Qt::Key_Y});
                },
                "ABC|YX*|", "lst_Output"},
        // A dragged station moves as the keys move it: to where it is dropped in the output
        // list, to the end of the import list, which is not put in order; what another running
        // copy of the program drags is refused. Each drag is a step to undo.
        Gesture{"DragWithinTheOutputList", [](W& w) { w.drag(true, 0, true, 1, true); }, "ABC|YX*|", "lst_Output"},
        Gesture{"DragAboveAnOutputItem", [](W& w) { w.drag(false, 1, true, 0, false); }, "AC|B*XY|", "lst_Output"},
        Gesture{"DragBelowTheLastOutputItem", [](W& w) { w.drag(false, 0, true, 1, true); }, "BC|XYA*|"},
        Gesture{"DragIntoTheImportList", [](W& w) { w.drag(true, 0, false, 0, false); }, "ABCX*|Y|", "lst_Import"},
        Gesture{"DragWithinTheImportList", [](W& w) { w.drag(false, 0, false, 1, true); }, "A*BC|XY|"},
        Gesture{"DragFromAnotherCopy", [](W& w) { w.drag(false, 0, true, 0, false, "1 lst_Import 0"); }, "A*BC|XY|"},
        Gesture{"DragUndone", [](W& w) { w.drag(false, 1, true, 0, false), w.keys({Undo}); }, "AB*C|XY|", "lst_Import"},
        // Only the title takes the keyboard, and only the release of a Return or Enter pressed
        // in it applies, with Shift held or not. Whichever way the edit dialog is left, the
        // keyboard is back in lst_Import; closing it takes the way Escape takes.
        Gesture{
            "EditReturnReleasedWithShift",
            [](W& w) { w.typeInEdit(Qt::Key_unknown), QTest::keyRelease(w.title, Qt::Key_Return, Qt::ShiftModifier); },
            "BCA+|XY|", "lst_Import"},
        Gesture{"EditEnterOnTheKeypad",
                [](W& w) { w.typeInEdit(Qt::Key_F2), QTest::keyClick(w.title, Qt::Key_Enter, Qt::KeypadModifier); },
                "BCA+|XY|", "lst_Import"},
        Gesture{"EditOk", [](W& w) { w.typeInEdit(Qt::Key_Return), w.clickInEdit("btn_OK"); }, "BCA+|XY|",
                "lst_Import"},
        Gesture{"EditCancel", [](W& w) { w.typeInEdit(Qt::Key_Enter), w.clickInEdit("btn_Cancel"); }, "A*BC|XY|",
                "lst_Import"},
        Gesture{"EditEscape", [](W& w) { w.typeInEdit(Qt::Key_F2), QTest::keyClick(w.title, Qt::Key_Escape); },
                "A*BC|XY|", "lst_Import"},
        // None of the lists' keys acts while the edit dialog is open.
        Gesture{"ListKeysWhileEditing",
                [](W& w) {
                    w.click(true, 0), w.keys({Qt::ALT | Qt::Key_Down}), w.openEdit();
                    for (const auto& [list, combination] :
                         {std::pair(w.controls.lst_Import, Qt::CTRL | Qt::Key_Y),
                          std::pair(w.controls.lst_Import, Undo), std::pair(w.controls.lst_Import, Across),
                          std::pair(w.controls.lst_Output, Qt::ALT | Qt::Key_Up)})
                        QTest::keyClick(list, combination.key(), combination.keyboardModifiers());
                    w.clickInEdit("btn_Cancel");
                },
                "A*BC|YX|", "lst_Import"}),
    byName);

// Each caption whole at the window's font, each control inside its container and over no other.
TEST_F(MainWindow, BothWindowsShowEveryCaptionWholeInsideItsContainerAndOverNoOther)
{
    for (const QWidget* root : {static_cast<QWidget*>(&window), static_cast<QWidget*>(dialog)}) {
        for (const QWidget* widget : root->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || !widget->isVisibleTo(root))
                continue;
            SCOPED_TRACE(widget->objectName().toStdString());
            const QString caption = widget->property(widget->inherits("QGroupBox") ? "title" : "text").toString();
            // The width a control leaves its caption beside its own parts (a button's frame, an
            // option's indicator); where nothing else shares the control, all of it.
            int room = widget->contentsRect().width();
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                QStyleOptionButton option;
                option.initFrom(button);
                const bool radio = qobject_cast<const QRadioButton*>(button);
                room = widget->style()
                           ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                                            &option, button)
                           .width();
            }
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(caption), room);
            EXPECT_TRUE(caption.isEmpty() || widget->inherits("QGroupBox")
                        || widget->fontMetrics().height() <= widget->height());
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()));
            for (const QWidget* other : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(other == widget || other->objectName().isEmpty() || !other->isVisibleTo(root)
                            || !widget->geometry().intersects(other->geometry()))
                    << "under " << other->objectName().toStdString();
        }
    }
}

TEST_F(MainWindow, OpensCentredOnTheScreen)
{
    EXPECT_LE((window.geometry().center() - window.screen()->availableGeometry().center()).manhattanLength(), 2);
}

TEST_F(MainWindow, StaysOpenUnaskedWhileTheEditDialogHasItDisabled)
{
    openEdit();
    expectNoModal();
    EXPECT_FALSE(window.close());
}

// A file dialog that has just closed leaves the window to be repainted, which the message's
// modal loop would hold back.
TEST_F(MainWindow, RepaintsBeforeAMessageComesOverIt)
{
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override { return (paints += event->type() == QEvent::Paint, false); }
    } listPaints;
    controls.lst_Import->viewport()->update();
    controls.lst_Import->viewport()->installEventFilter(&listPaints);
    answerNextModal<QMessageBox>([&](QMessageBox& box) {
        EXPECT_GT(listPaints.paints, 0);
        box.accept();
    });
    window.importFiles({"/nonexistent.pls"});
}

// Clicks on the other fields leave the keyboard in the title; what was typed and left is gone.
TEST_F(MainWindow, EditDialogOpensAfreshOnItsStationWithTheKeyboardInTheTitle)
{
    typeInEdit(Qt::Key_F2);
    QTest::keyClick(title, Qt::Key_Escape);
    openEdit();
    clickInEdit("txt_URL");
    clickInEdit("txt_Lngth");
    EXPECT_EQ(title->text() + ' ' + focusName(), "A txt_Title");
}

// A held Return's repeats reach the dialog: neither they nor a press before it opened count.
TEST_F(MainWindow, EditDialogIgnoresRepeatsAndAReturnPressedBeforeItOpened)
{
    openEdit();
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(title, &repeat);
    QTest::keyRelease(title, Qt::Key_Return);
    QTest::keyPress(title, Qt::Key_Return);
    QKeyEvent repeatReleased(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(title, &repeatReleased);
    EXPECT_TRUE(dialog->isVisible());
}

// Over the disabled main window the message would be disabled too; what was typed stays.
TEST_F(MainWindow, EditDialogRefusesATakenTitleInAMessageOverItself)
{
    openEdit();
    title->setText("Y");
    answerNextModal<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), dialog);
        box.accept();
    });
    clickInEdit("btn_OK");
    EXPECT_EQ(title->text(), "Y");
}

// Two playlists with an address on the network between them, dropped together.
struct DroppingFiles : MainWindow {
    void SetUp() override
    {
        MainWindow::SetUp();
        files.setUrls({QUrl::fromLocalFile(writeFile(folder.filePath("1.pls"), playlistOf({"D"}))),
                       QUrl("http://example.org/list.pls"),
                       QUrl::fromLocalFile(writeFile(folder.filePath("2.pls"), playlistOf({"E", "F"})))});
    }
    QMimeData files;
};

// Once the drop has ended: the desktop's drag would wait for the import's messages. The
// address is named in the message as one that could not be taken.
TEST_F(DroppingFiles, ImportsThemOneAfterAnotherOnceTheDropHasEnded)
{
    EXPECT_TRUE(dropOnWindow(files));
    EXPECT_EQ(shown(), "ABC|XY|");
    QMetaObject::invokeMethod(
        qApp,
        [] {
            answerNextModal<QMessageBox>([](QMessageBox& box) {
                EXPECT_TRUE(box.text().contains("http://example.org/list.pls: this is an address on the network"));
                box.accept();
            });
        },
        Qt::QueuedConnection);
    EXPECT_TRUE(QTest::qWaitFor([this] { return shown() == "ABCDEF|XY|"; })) << shown().toStdString();
}

TEST_F(DroppingFiles, IsRefusedWhileTheEditDialogIsOpen)
{
    openEdit();
    EXPECT_FALSE(dropOnWindow(files));
}

// Text would be imported as a file name.
TEST_F(DroppingFiles, DroppedTextIsRefused)
{
    QMimeData text;
    text.setText(files.urls().at(0).toLocalFile());
    EXPECT_FALSE(dropOnWindow(text));
}

// Closing with an output list that was never exported asks whether to export it first.
TEST_F(MainWindow, ClosingAsksWhetherToExportAnUnexportedOutputListFirst)
{
    answerNextModal<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Orvanta Playlist Builder");
        EXPECT_EQ(box.text() + ' ' + box.informativeText(),
                  "The output list has changes that were not exported. Export them before closing?");
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        QStringList buttons;
        for (const QAbstractButton* button : box.buttons())
            buttons << button->text();
        buttons.sort(); // in the order of the desktop's style
        EXPECT_EQ(buttons, QStringList({"Cancel", "Discard", "Export"}));
        EXPECT_EQ(box.defaultButton()->text() + box.escapeButton()->text(), "ExportCancel");
        box.escapeButton()->click();
    });
    window.close();
}

// The button the close question is answered with (none: Esc), and whether Export's save
// dialog saves or is cancelled.
struct CloseCase {
    const char* name;
    const char* button;
    bool saves, closes;
};
class AnsweringTheCloseQuestion : public MainWindow, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AnsweringTheCloseQuestion, ClosesTheWindowOrKeepsIt)
{
    answerNextModal<QMessageBox>([this](QMessageBox& box) {
        if (!GetParam().button)
            return QTest::keyClick(&box, Qt::Key_Escape);
        if (QString(GetParam().button) == "Export")
            answerNextModal<QFileDialog>([this](QFileDialog& dialog) {
                if (!GetParam().saves)
                    return dialog.reject();
                dialog.selectFile(folder.filePath("out.pls"));
                static_cast<QDialog&>(dialog).accept();
            });
        for (QAbstractButton* button : box.buttons())
            if (button->text() == GetParam().button)
                button->click();
    });
    EXPECT_EQ(window.close(), GetParam().closes);
    EXPECT_EQ(QFile::exists(folder.filePath("out.pls")), GetParam().saves);
}

INSTANTIATE_TEST_SUITE_P(, AnsweringTheCloseQuestion,
                         ::testing::Values(CloseCase{"Esc", nullptr, false, false},
                                           CloseCase{"Discard", "Discard", false, true},
                                           CloseCase{"ExportCancelledInTheSaveDialog", "Export", false, false},
                                           CloseCase{"ExportSaved", "Export", true, true}),
                         byName);

// Where the desktop session does not let the program ask (as on Qt's offscreen platform),
// logging out asks nothing and writes nothing, though the output list was never exported.
TEST_F(MainWindow, LoggingOutWhereTheSessionLetsNobodyAskWritesNothing)
{
    auto* session = qApp->findChild<QSessionManager*>();
    ASSERT_NE(session, nullptr);
    ASSERT_FALSE(session->allowsInteraction());
    expectNoModal();
    emit qApp->commitDataRequest(*session);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
}

// The commands read numbers in the locale they are given (tests/ui); the window gives them
// the system's. Qt reads the system's locale and scale factor at start, so the test runs
// itself again under a German locale, whose numbers have a decimal comma, at a scale
// factor of 2, where Qt's offscreen 800x600 screen is smaller than the window.
TEST_F(MainWindow, ReadsNumbersAsTheSystemWritesThemAndKeepsItsTopLeftOnTheScreen)
{
    if (qgetenv("QT_SCALE_FACTOR") != "2") {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "de_DE.UTF-8");
        environment.insert("QT_SCALE_FACTOR", "2");
        QProcess again;
        again.setProcessEnvironment(environment);
        again.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=MainWindow.ReadsNumbersAsTheSystem*"});
        EXPECT_TRUE(again.waitForFinished(60000) && again.exitCode() == 0) << again.readAll().toStdString();
        return;
    }
    const QRect screen = window.screen()->availableGeometry();
    ASSERT_LT(screen.width(), window.width());
    EXPECT_TRUE(screen.contains(window.geometry().topLeft()));
    EXPECT_EQ(parts.numberLocale, QLocale::system()) << "the C locale misreads a German 2,5";
}

} // namespace
