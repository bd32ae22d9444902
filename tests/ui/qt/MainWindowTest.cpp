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

// The width a control leaves its caption beside its own parts (a button's frame, an
// option's indicator); where nothing else shares the control, all of it.
int roomForCaption(const QWidget& widget)
{
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (!button)
        return widget.contentsRect().width();
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<const QRadioButton*>(button);
    return widget.style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button)
        .width();
}

struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class MainWindow : public ::testing::Test {
protected:
    // Stations in the import list and the output list. Their addresses and lengths are the
    // longest the edit dialog's fields must hold: an edit that lost any of it is refused.
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

    static void click(QListView* list, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualRect(list->model()->index(row, 0)).center());
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

    // frm_Edit on an import item, opened by a key or, with none, a double-click.
    void openEdit(int row = 0, Qt::Key key = Qt::Key_unknown)
    {
        click(controls.lst_Import, row);
        if (key == Qt::Key_unknown)
            QTest::mouseDClick(controls.lst_Import->viewport(), Qt::LeftButton, {},
                               controls.lst_Import->visualRect(controls.lst_Import->model()->index(row, 0)).center());
        else
            QTest::keyClick(controls.lst_Import, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        // A window counts as active while its parent is, so wait for the dialog itself.
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == dialog; }));
    }

    QWidget* control(const char* name) const { return dialog->findChild<QWidget*>(name); }

    PlayListMainWindow window;
    MainWindowParts& parts = window.parts();
    const MainWindowControls& controls = window.controls();
    QDialog* dialog = window.findChild<QDialog*>("frm_Edit");
    QLineEdit* title = dialog->findChild<QLineEdit*>("txt_Title");
};

// Each caption whole at the window's font, each control inside its container and over no
// other; the main window centred, and kept open while the edit dialog has it disabled,
// without a question.
TEST_F(MainWindow, BothWindowsShowEveryCaptionWholeAndTheMainOneStaysOpenWhileDisabled)
{
    for (const QWidget* root : {static_cast<QWidget*>(&window), static_cast<QWidget*>(dialog)}) {
        for (const QWidget* widget : root->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || !widget->isVisibleTo(root))
                continue;
            SCOPED_TRACE(widget->objectName().toStdString());
            const QString caption = widget->property(widget->inherits("QGroupBox") ? "title" : "text").toString();
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(caption), roomForCaption(*widget));
            EXPECT_TRUE(caption.isEmpty() || widget->inherits("QGroupBox")
                        || widget->fontMetrics().height() <= widget->height());
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()));
            for (const QWidget* other : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(other == widget || other->objectName().isEmpty() || !other->isVisibleTo(root)
                            || !widget->geometry().intersects(other->geometry()))
                    << "under " << other->objectName().toStdString();
        }
    }
    EXPECT_LE((window.geometry().center() - window.screen()->availableGeometry().center()).manhattanLength(), 2);
    openEdit();
    expectNoModal();
    EXPECT_FALSE(window.close());
}

TEST_F(MainWindow, ClicksAndKeysReachTheListCommandsAndTheImport)
{
    click(controls.lst_Import, 2);
    click(controls.lst_Import, 0, Qt::ControlModifier);
    click(controls.lst_Import, 1, Qt::ShiftModifier);
    EXPECT_EQ(shown(), "AB*C|XY|") << "one item selected at most";
    click(controls.lst_Output, 1);
    EXPECT_EQ(shown(), "ABC|XY*|") << "the other list's selection goes";
    QTest::keyClick(controls.lst_Output, Qt::Key_Backtab);
    EXPECT_EQ(shown(), "ABC|XY|") << "tabbing into a list counts as clicking it";

    // Clicks an item, then a button or, without one, Delete in that list.
    const auto press = [this](QListView* list, int row, QPushButton* button = nullptr) {
        click(list, row);
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QTest::keyClick(list, Qt::Key_Delete);
        return shown();
    };
    EXPECT_EQ(press(controls.lst_Import, 1, controls.btn_Add), "AC|XYB|");
    EXPECT_EQ(press(controls.lst_Output, 0, controls.btn_Rem), "ACX|YB|");
    EXPECT_EQ(press(controls.lst_Output, 1, controls.btn_AllAdd), "|YB*ACX|");
    EXPECT_EQ(press(controls.lst_Output, 0, controls.btn_DelI), "|BACX|");
    EXPECT_EQ(press(controls.lst_Output, 0), "|ACX|");
    EXPECT_EQ(press(controls.lst_Output, 0, controls.btn_AllRem), "ACX||");
    EXPECT_EQ(press(controls.lst_Import, 1), "AX||");

    // A message comes over a window repainted first: a file dialog that has just closed
    // leaves it to be repainted, which the message's modal loop would hold back.
    PaintCount listPaints;
    controls.lst_Import->viewport()->installEventFilter(&listPaints);
    answerNextModal<QMessageBox>([&](QMessageBox& box) {
        EXPECT_GT(listPaints.paints, 0);
        box.accept();
    });
    window.importFiles({"/nonexistent.pls"});
}

// Only the title takes the keyboard, and only the release of a Return or Enter pressed in
// it applies, with Shift held or not. Whichever way the dialog is left, the keyboard is
// back in lst_Import, and the next opening starts afresh on its station.
TEST_F(MainWindow, EditDialogAppliesOnEnterReleaseAndEveryWayOutGivesTheFocusBack)
{
    // Opens the dialog by a key or, with none, a double-click, types "+" in the title,
    // presses Return there and leaves the dialog.
    const auto edit = [this](Qt::Key opening, const std::function<void()>& leave) {
        openEdit(0, opening);
        QTest::mouseClick(control("txt_URL"), Qt::LeftButton);
        QTest::mouseClick(control("txt_Lngth"), Qt::LeftButton);
        EXPECT_EQ(title->text() + focusName(), parts.lst_Import.List(0) + "txt_Title");
        // A held Return's repeats reach the dialog: neither they nor a press before it opened count.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(title, &repeat);
        QTest::keyRelease(title, Qt::Key_Return);
        QTest::keyClick(title, Qt::Key_Plus);
        QTest::keyPress(title, Qt::Key_Return);
        QKeyEvent repeatReleased(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(title, &repeatReleased);
        EXPECT_TRUE(dialog->isVisible()) << "applied before the release";
        leave();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; }));
        EXPECT_EQ(focusName(), "lst_Import");
        return shown();
    };
    EXPECT_EQ(edit(Qt::Key_unknown, [&] { QTest::keyRelease(title, Qt::Key_Return, Qt::ShiftModifier); }), "BCA+|XY|");
    EXPECT_EQ(edit(Qt::Key_F2, [&] { QTest::keyClick(title, Qt::Key_Enter, Qt::KeypadModifier); }), "CA+B+|XY|");
    EXPECT_EQ(edit(Qt::Key_Return, [&] { QTest::mouseClick(control("btn_OK"), Qt::LeftButton); }), "A+B+C+|XY|");
    EXPECT_EQ(edit(Qt::Key_Enter, [&] { QTest::mouseClick(control("btn_Cancel"), Qt::LeftButton); }), "A+*B+C+|XY|");
    EXPECT_EQ(edit(Qt::Key_F2, [&] { QTest::keyClick(title, Qt::Key_Escape); }), "A+*B+C+|XY|");
    EXPECT_EQ(edit(Qt::Key_unknown, [&] { dialog->close(); }), "A+*B+C+|XY|");

    // A taken title is refused in a message over the dialog: over the disabled main window it
    // would be disabled too.
    openEdit();
    title->setText("Y");
    answerNextModal<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), dialog);
        box.accept();
    });
    QTest::mouseClick(control("btn_OK"), Qt::LeftButton);
    EXPECT_EQ(title->text(), "Y") << "what was typed stays to be corrected";
}

// Files dropped anywhere on the window are imported one after another, once the drop has
// ended, an address on the network among them named as not taken; text is refused, and so is
// everything while the edit dialog is open.
TEST_F(MainWindow, DroppedFilesAreImportedAndOtherDataRefused)
{
    QTemporaryDir folder;
    QMimeData files, text;
    files.setUrls({QUrl::fromLocalFile(writeFile(folder.filePath("1.pls"), playlistOf({"D"}))),
                   QUrl("http://example.org/list.pls"),
                   QUrl::fromLocalFile(writeFile(folder.filePath("2.pls"), playlistOf({"E", "F"})))});
    text.setText(files.urls().at(0).toLocalFile());
    // Shift asks for a move, which would let the source delete the files.
    const auto drop = [this](const QMimeData& data) {
        const QPoint overList = controls.lst_Import->mapTo(&window, controls.lst_Import->rect().center());
        QDragEnterEvent enter(overList, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(window.windowHandle(), &enter);
        QDropEvent drop(overList, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window.windowHandle(), enter.isAccepted() ? static_cast<QEvent*>(&drop) : &leave);
        return enter.isAccepted() && drop.dropAction() == Qt::CopyAction;
    };
    ASSERT_FALSE(drop(text)); // which would be imported as a file name
    openEdit();
    EXPECT_FALSE(drop(files));
    QTest::mouseClick(control("btn_Cancel"), Qt::LeftButton);
    EXPECT_TRUE(drop(files));
    EXPECT_EQ(shown(), "A*BC|XY|") << "imported once the drop has ended";
    // The address among the files is named as one that could not be taken, in the message
    // the import shows once it runs.
    QMetaObject::invokeMethod(
        qApp,
        [] {
            answerNextModal<QMessageBox>([](QMessageBox& box) {
                EXPECT_TRUE(box.text().contains("http://example.org/list.pls: this is an address on the network"));
                box.accept();
            });
        },
        Qt::QueuedConnection);
    EXPECT_TRUE(QTest::qWaitFor([this] { return shown() == "A*BCDEF|XY|"; })) << shown().toStdString();
}

// Ctrl+Right and Ctrl+Left move a station across, selected in the list that then has the
// keyboard; Alt+Up and Alt+Down put it in order, nothing past either end. Ctrl+Z takes each
// step back, with the selection and the keyboard where they were, and Ctrl+Shift+Z and
// Ctrl+Y do it again. None of these keys acts while the edit dialog is open.
TEST_F(MainWindow, KeysMoveStationsAcrossAndInOrderAndUndoAndRedoEachStep)
{
    const auto key = [this](QListView* list, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(list, key, modifiers);
        return shown() + focusName();
    };
    click(controls.lst_Import, 0);
    EXPECT_EQ(key(controls.lst_Import, Qt::Key_Right, Qt::ControlModifier), "BC|XYA*|lst_Output");
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Up, Qt::AltModifier), "BC|XA*Y|lst_Output");
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Up, Qt::AltModifier), "BC|A*XY|lst_Output");
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Up, Qt::AltModifier), "BC|A*XY|lst_Output");
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Left, Qt::ControlModifier), "BCA*|XY|lst_Import");
    click(controls.lst_Output, 1);
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Down, Qt::AltModifier), "BCA|XY*|lst_Output");
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Z, Qt::ControlModifier), "BC|A*XY|lst_Output");
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Z, Qt::ControlModifier), "BC|XA*Y|lst_Output");
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier), "BC|A*XY|lst_Output");
    EXPECT_EQ(key(controls.lst_Output, Qt::Key_Y, Qt::ControlModifier), "BCA*|XY|lst_Import");
    EXPECT_EQ(window.undoStack().undoText(), "Move A to the import list");

    openEdit(0);
    for (const auto& [list, combination] :
         std::initializer_list<std::pair<QListView*, QKeyCombination>>{{controls.lst_Import, Qt::CTRL | Qt::Key_Z},
                                                                       {controls.lst_Import, Qt::CTRL | Qt::Key_Y},
                                                                       {controls.lst_Import, Qt::CTRL | Qt::Key_Right},
                                                                       {controls.lst_Output, Qt::ALT | Qt::Key_Up}})
        EXPECT_EQ(key(list, combination.key(), combination.keyboardModifiers()), "B*CA|XY|txt_Title");
}

// A station dragged within the output list, or from one list to the other, moves as the
// keys move it, to the place where it is dropped in the output list and to the end of the
// import list, then selected there; the import list is not put in order, and what another
// running copy of the program drags is refused. Each drag is a step to undo.
TEST_F(MainWindow, DraggedStationsMoveToWhereTheyAreDroppedAndOnlyWhereTheListTakesThem)
{
    // Drags the station at `row` to the top or bottom edge of the target's row `over`.
    const auto drag = [this](StationListView* source, int row, StationListView* target, int over, bool below,
                             const QByteArray& otherData = {}) {
        click(source, row);
        const std::unique_ptr<QMimeData> carried(source->stationData(row));
        if (!otherData.isNull())
            carried->setData(StationListView::MimeType, otherData);
        const QRect rect = target->visualRect(target->model()->index(over, 0));
        const QPoint at(rect.center().x(), below ? rect.bottom() - 1 : rect.top() + 1);
        QDragEnterEvent enter(at, Qt::MoveAction, carried.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target->viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, carried.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(target->viewport(), &move);
        if (move.isAccepted()) {
            QDropEvent drop(at, Qt::MoveAction, carried.get(), Qt::LeftButton, {});
            QCoreApplication::sendEvent(target->viewport(), &drop);
        } else {
            QDragLeaveEvent leave;
            QCoreApplication::sendEvent(target->viewport(), &leave);
        }
        QCoreApplication::processEvents(); // the move comes once the drop has ended
        return shown() + (move.isAccepted() ? "" : " refused");
    };
    EXPECT_EQ(drag(controls.lst_Output, 0, controls.lst_Output, 1, true), "ABC|YX*|");
    EXPECT_EQ(drag(controls.lst_Import, 1, controls.lst_Output, 0, false), "AC|B*YX|");
    EXPECT_EQ(focusName(), "lst_Output");
    EXPECT_EQ(drag(controls.lst_Import, 0, controls.lst_Output, 2, true), "C|BYXA*|");
    EXPECT_EQ(drag(controls.lst_Output, 1, controls.lst_Import, 0, false), "CY*|BXA|");
    EXPECT_EQ(focusName(), "lst_Import");
    EXPECT_EQ(drag(controls.lst_Import, 0, controls.lst_Import, 1, true), "C*Y|BXA| refused");
    EXPECT_EQ(drag(controls.lst_Import, 0, controls.lst_Output, 0, false, "1 lst_Import 0"), "C*Y|BXA| refused");
    for (int step = 0; step < 4; ++step)
        window.undoStack().undo();
    EXPECT_EQ(shown(), "ABC|X*Y|");
}

// Closing with an output list that was never exported asks whether to export it first:
// Cancel (Esc) keeps the window, Export keeps it where the save dialog is cancelled and
// closes once saved, Discard closes. A list as exported closes at once.
TEST_F(MainWindow, ClosingAsksBeforeLosingAnUnexportedOutputList)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("MyPlaylist.pls");
    // Closes the window, answering the question with the button (none: expects none) and
    // the save dialog with a path (none: cancels it).
    const auto close = [this](const char* answer, const QString& saveTo = {}) {
        if (!*answer)
            expectNoModal();
        else
            answerNextModal<QMessageBox>([=](QMessageBox& box) {
                EXPECT_EQ(box.windowTitle() + '|' + box.text() + '|' + box.informativeText(),
                          "Orvanta Playlist Builder|The output list has changes that were not exported.|"
                          "Export them before closing?");
                EXPECT_EQ(box.icon(), QMessageBox::Question);
                QStringList buttons;
                for (const QAbstractButton* button : box.buttons())
                    buttons << button->text();
                buttons.sort(); // in the order of the desktop's style
                EXPECT_EQ(buttons, QStringList({"Cancel", "Discard", "Export"}));
                EXPECT_EQ(box.defaultButton()->text() + box.escapeButton()->text(), "ExportCancel");
                if (QString(answer) == "Esc")
                    return QTest::keyClick(&box, Qt::Key_Escape);
                if (QString(answer) == "Export")
                    answerNextModal<QFileDialog>([=](QFileDialog& dialog) {
                        if (saveTo.isEmpty())
                            return dialog.reject();
                        dialog.selectFile(saveTo);
                        static_cast<QDialog&>(dialog).accept();
                    });
                for (QAbstractButton* button : box.buttons())
                    if (button->text() == answer)
                        button->click();
            });
        const bool closed = window.close();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return closed;
    };
    EXPECT_FALSE(close("Esc"));
    EXPECT_FALSE(close("Export"));
    EXPECT_EQ(shown(), "ABC|XY|");
    EXPECT_TRUE(close("Export", path));
    QFile saved(path);
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly)
                && saved.readAll().contains("Title1=X\r\nLength1=-32768\r\n\r\nFile1=http://Y"));
    EXPECT_TRUE(close(""));
    click(controls.lst_Output, 0);
    QTest::keyClick(controls.lst_Output, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(close("Discard"));
}

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
