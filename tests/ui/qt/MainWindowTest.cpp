// The main window and its edit dialog as the user meets them: layouts that show every text
// whole, and focus, the list buttons, import, export and editing driven by real mouse
// clicks and key presses.
#include "GeneratedPlaylists.h"
#include "ModalAnswer.h"
#include "QStringPrinting.h"
#include "ui/Module1.h"
#include "ui/qt/PlayListMainWindow.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

namespace orvanta {
namespace {

// A named control as the user meets it: where it sits, its caption, tooltip and the name a
// screen reader gives it.
struct Control {
    const char *name, *container, *caption, *toolTip, *accessibleName;
};

QString captionOf(const QWidget& widget)
{
    return widget.property(widget.inherits("QGroupBox") ? "title" : "text").toString();
}

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

// Counts the paints of the object it watches.
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
    // Stations keyed by an address made from their titles, in the import list and the output list.
    void SetUp() override
    {
        Module1::reset();
        for (const QString title : {"A", "B", "C", "X", "Y"}) {
            Module1::Playlists().Add(1, "http://" + title, title, -1, "http://" + title);
            (title < "X" ? parts.lst_Import : parts.lst_Output).AddItem(title);
        }
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Every control of the table where it belongs with its texts, each caption shown whole
    // at the window's font; no control outside its container or over another one.
    static void expectLayout(const QWidget& root, std::initializer_list<Control> table)
    {
        for (const Control& row : table) {
            SCOPED_TRACE(row.name);
            QWidget* widget = root.findChild<QWidget*>(row.name);
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(QStringList({widget->parentWidget()->objectName(), captionOf(*widget), widget->toolTip(),
                                   QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name)}),
                      QStringList({row.container, row.caption, row.toolTip, row.accessibleName}));
            EXPECT_LE(widget->fontMetrics().horizontalAdvance(captionOf(*widget)), roomForCaption(*widget));
            EXPECT_TRUE(captionOf(*widget).isEmpty() || widget->inherits("QGroupBox")
                        || widget->fontMetrics().height() <= widget->height());
        }
        for (const QWidget* widget : root.findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || !widget->isVisibleTo(&root))
                continue;
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
                << widget->objectName().toStdString();
            for (const auto* other : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(other == widget || other->objectName().isEmpty() || !other->isVisibleTo(&root)
                            || !widget->geometry().intersects(other->geometry()))
                    << widget->objectName().toStdString() << " over " << other->objectName().toStdString();
            }
        }
    }

    static void click(QListView* list, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualRect(list->model()->index(row, 0)).center());
    }

    // Both lists' titles, the selected one in brackets: "A[B]C|XY|".
    QString shown() const
    {
        QString text;
        for (const QListView* list : {controls.lst_Import, controls.lst_Output}) {
            for (int row = 0; row < list->model()->rowCount(); ++row) {
                const QModelIndex item = list->model()->index(row, 0);
                text += list->selectionModel()->isSelected(item) ? '[' + item.data().toString() + ']'
                                                                 : item.data().toString();
            }
            text += '|';
        }
        return text;
    }

    static QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }

    static QStringList tabThrough(int count)
    {
        QStringList visited;
        for (; count > 0; --count) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusName();
        }
        return visited;
    }

    // frm_Edit, opened by a double-click on an import item.
    void openEdit(int row = 0)
    {
        click(controls.lst_Import, row);
        QTest::mouseDClick(controls.lst_Import->viewport(), Qt::LeftButton, {},
                           controls.lst_Import->visualRect(controls.lst_Import->model()->index(row, 0)).center());
        // A window counts as active while its parent is, so wait for the dialog itself.
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == dialog; }));
        ASSERT_FALSE(window.isEnabled());
    }

    QWidget* control(const char* name) const { return dialog->findChild<QWidget*>(name); }

    PlayListMainWindow window;
    MainWindowParts& parts = window.parts();
    const MainWindowControls& controls = window.controls();
    QDialog* dialog = window.findChild<QDialog*>("frm_Edit");
    QLineEdit* title = dialog->findChild<QLineEdit*>("txt_Title");
};

TEST_F(MainWindow, BothWindowsShowEveryTextWholeAtFixedSizesAndTheMainOneStaysOpenWhileDisabled)
{
    const char* const version2 = "Standard playlist (PLS version 2) for other players";
    expectLayout(window, {{"Frame1", "PlayList_Main", "Import Playlist", "", "Import Playlist"},
                          {"btn_Import", "Frame1", "Import", "", "Import"},
                          {"lst_Import", "Frame1", "", "Double Click to Edit.", "Import list"},
                          {"Frame2", "PlayList_Main", "Export Playlist", "", "Export Playlist"},
                          {"opt_V1", "Frame2", "Version 1", "Playlist for the Orvanta player", "Version 1"},
                          {"opt_V2", "Frame2", "Version 2", version2, "Version 2"},
                          {"btn_Export", "Frame2", "Export", "", "Export"},
                          {"lst_Output", "Frame2", "", "", "Output list"},
                          {"btn_Add", "PlayList_Main", ">", "Add Selected Item.", "Add Selected Item."},
                          {"btn_AllAdd", "PlayList_Main", ">>", "Add all items.", "Add all items."},
                          {"btn_Rem", "PlayList_Main", "<", "Remove selected item.", "Remove selected item."},
                          {"btn_AllRem", "PlayList_Main", "<<", "Remove all items.", "Remove all items."},
                          {"btn_DelI", "PlayList_Main", "x", "Delete and item from either list.",
                           "Delete and item from either list."},
                          {"Line1", "PlayList_Main", "", "", ""},
                          {"Line2", "PlayList_Main", "", "", ""}});
    expectLayout(*dialog, {{"Frame1", "frm_Edit", "", "", ""},
                           {"Label1", "Frame1", "Title", "", "Title"},
                           {"Label2", "Frame1", "URL", "", "URL"},
                           {"Label3", "Frame1", "Length", "", "Length"},
                           {"txt_Title", "Frame1", "", "The name of the audio stream.", ""},
                           {"txt_URL", "Frame1", "", "The location and port of the audio stream.", ""},
                           {"txt_Lngth", "Frame1", "", "This is best left at the default value.", ""},
                           {"btn_OK", "frm_Edit", "OK", "", "OK"},
                           {"btn_Cancel", "frm_Edit", "Cancel", "", "Cancel"}});
    for (const char* line : {"Line1", "Line2"})
        EXPECT_EQ(window.findChild<QFrame*>(line)->frameShape(), QFrame::HLine);
    EXPECT_EQ(window.windowTitle() + '|' + dialog->windowTitle(), "Orvanta Playlist Builder|Edit");
    for (const auto& [widget, size] : {std::pair<QWidget*, QSize>{&window, {505, 259}}, {dialog, {313, 151}}})
        EXPECT_TRUE(widget->minimumSize() == size && widget->maximumSize() == size);
    EXPECT_LE((window.geometry().center() - window.screen()->availableGeometry().center()).manhattanLength(), 2)
        << "opened centred";
    EXPECT_TRUE(controls.opt_V1->group() && controls.opt_V1->group() == controls.opt_V2->group());
    EXPECT_TRUE(controls.opt_V1->isEnabled() && controls.opt_V2->isEnabled());
    EXPECT_TRUE(controls.opt_V1->isChecked() && !controls.opt_V2->isChecked());
    // The request reaches the widget through its platform window, as the title bar's does.
    for (const bool enabled : {false, true}) {
        parts.window.setEnabled(enabled);
        QCloseEvent request;
        QCoreApplication::sendEvent(window.windowHandle(), &request);
        EXPECT_TRUE(request.isAccepted() == enabled && window.isVisible() == !enabled);
    }
}

TEST_F(MainWindow, FocusSelectionListButtonsImportAndExportFollowRealClicksAndKeys)
{
    EXPECT_EQ(focusName(), "btn_Export");
    EXPECT_EQ(Module1::ListFocus(), Module1::NoListFocus);
    EXPECT_EQ(tabThrough(10), QStringList({"btn_Import", "lst_Import", "lst_Output", "btn_Add", "btn_Rem", "btn_AllAdd",
                                           "btn_AllRem", "btn_DelI", "opt_V1", "btn_Export"}));
    click(controls.lst_Import, 2);
    click(controls.lst_Import, 0, Qt::ControlModifier);
    click(controls.lst_Import, 1, Qt::ShiftModifier);
    EXPECT_EQ(shown(), "A[B]C|XY|") << "one item selected at most";
    click(controls.lst_Output, 1);
    EXPECT_EQ(shown(), "ABC|X[Y]|") << "the other list's selection goes";
    // Tabbing into a list counts as well as clicking it.
    controls.btn_Import->setFocus();
    QTest::keyClick(controls.btn_Import, Qt::Key_Tab);
    EXPECT_EQ(Module1::ListFocus(), Module1::ImportListFocus);
    EXPECT_EQ(shown(), "ABC|XY|");

    QTemporaryDir folder;
    testing::answerNextModal<QFileDialog>([&](QFileDialog& save) {
        save.selectFile(folder.filePath("chosen.pls"));
        static_cast<QDialog&>(save).accept();
    });
    QTest::mouseClick(controls.btn_Export, Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(folder.filePath("chosen.pls"))); // the bytes are the command's, checked headless
    // Offscreen, no window is active once the dialog has gone; a desktop hands it back.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // One after the other, from "ABC|XY|".
    struct Step {
        QListView* list;
        int row;
        QPushButton* button;
        const char* shown;
    };
    for (const Step& step : {Step{controls.lst_Import, 1, controls.btn_Add, "AC|XYB|"},
                             Step{controls.lst_Output, 0, controls.btn_Rem, "ACX|YB|"},
                             Step{controls.lst_Output, 1, controls.btn_AllAdd, "|Y[B]ACX|"},
                             Step{controls.lst_Output, 0, controls.btn_DelI, "|BACX|"},
                             Step{controls.lst_Output, 0, controls.btn_AllRem, "BACX||"}}) {
        click(step.list, step.row);
        QTest::mouseClick(step.button, Qt::LeftButton);
        EXPECT_EQ(shown(), step.shown) << step.button->objectName().toStdString();
    }
    EXPECT_EQ(Module1::Playlists().Count(), 4) << "delete removes the station too";

    // An import that ends on a title already listed: the message as the program shows it,
    // over a window repainted with the titles read before it.
    PaintCount listPaints;
    controls.lst_Import->viewport()->installEventFilter(&listPaints);
    const QString again = testing::writeFile(
        folder.filePath("again.pls"), "[playlist]\r\nFile1=http://d\r\nTitle1=D\r\nLength1=1\r\nTitle1=A\r\nLength1=1");
    testing::answerNextModal<QFileDialog>([&](QFileDialog& open) {
        open.selectFile(again);
        testing::answerNextModal<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.text() + '|' + box.windowTitle(), "Duplicate Item: Ignoring.|Orvanta Playlist Builder");
            EXPECT_TRUE(box.icon() == QMessageBox::NoIcon && box.textFormat() == Qt::PlainText);
            EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
            EXPECT_GT(listPaints.paints, 0) << "the list was not repainted before the box";
            box.accept();
        });
        listPaints.paints = 0;
        static_cast<QDialog&>(open).accept();
    });
    QTest::mouseClick(controls.btn_Import, Qt::LeftButton);
    EXPECT_EQ(shown(), "BACXD||");
}

TEST_F(MainWindow, EditFocusesTitleAndButtonsOnlyAppliesOnEnterReleaseAndEveryWayOutStartsAfresh)
{
    openEdit();
    QTest::mouseClick(control("txt_URL"), Qt::LeftButton);
    QTest::mouseClick(control("txt_Lngth"), Qt::LeftButton);
    EXPECT_EQ(focusName(), "txt_Title");
    EXPECT_EQ(tabThrough(3), QStringList({"btn_OK", "btn_Cancel", "txt_Title"}));
    for (const char* button : {"btn_OK", "btn_Cancel"}) {
        control(button)->setFocus();
        QTest::keyClick(control(button), Qt::Key_Return);
        QTest::keyClick(control(button), Qt::Key_Enter, Qt::KeypadModifier);
    }
    EXPECT_TRUE(dialog->isVisible()) << "no button is the default";
    QTest::keyClick(control("btn_Cancel"), Qt::Key_Escape);
    // Each opening types into the title and presses Return, whose release alone applies,
    // with Shift held or not.
    const std::pair<std::function<void()>, const char*> waysOut[] = {
        {[&] { QTest::keyRelease(title, Qt::Key_Return, Qt::ShiftModifier); }, "BCA+|XY|"},
        {[&] { QTest::keyClick(title, Qt::Key_Enter, Qt::KeypadModifier); }, "CA+B+|XY|"},
        {[&] { QTest::mouseClick(control("btn_OK"), Qt::LeftButton); }, "A+B+C+|XY|"},
        {[&] { QTest::mouseClick(control("btn_Cancel"), Qt::LeftButton); }, "[A+]B+C+|XY|"},
        {[&] { QTest::keyClick(title, Qt::Key_Escape); }, "[A+]B+C+|XY|"},
        {[&] { EXPECT_TRUE(dialog->close()); }, "[A+]B+C+|XY|"},
    };
    for (const auto& [leave, expected] : waysOut) {
        openEdit();
        EXPECT_EQ(title->text(), parts.lst_Import.List(0)) << "the station's, not what was typed last time";
        EXPECT_EQ(focusName(), "txt_Title");
        QTest::keyClick(title, Qt::Key_Plus);
        QTest::keyPress(title, Qt::Key_Return);
        ASSERT_TRUE(dialog->isVisible()) << "a press alone does not apply";
        leave();
        EXPECT_TRUE(!dialog->isVisible() && window.isEnabled());
        EXPECT_EQ(shown(), expected);
    }
    openEdit();
    QTest::keyRelease(title, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible()) << "the press before the last way out no longer counts";
    QTest::keyPress(title, Qt::Key_Return);
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(title, &repeated);
    EXPECT_TRUE(dialog->isVisible()) << "the releases of a held Enter's repeats do not apply";
    // A taken title is refused over the dialog, and the Enter closing that message does not apply.
    title->setText("Y");
    testing::answerNextModal<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.text(), "Duplicate Item: Ignoring.");
        EXPECT_EQ(box.parentWidget(), dialog) << "shown over the dialog, not the disabled main window";
        QTest::keyPress(&box, Qt::Key_Return); // its release reaches the title field below
    });
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(title->text(), "Y") << "what was typed stays to be corrected";
    title->setText("Z"); // were the release to apply, a title not taken would close the dialog
    QTest::keyRelease(title, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(shown(), "[A+]B+C+|XY|");
}

// OK with no change keeps title, address and length whole, however long.
TEST_F(MainWindow, OkKeepsEveryValueWhole)
{
    const QString longTitle(40000, u't'), longUrl = "http://" + QString(40000, u'u');
    Module1::Playlists().Add(3, longUrl, longTitle, -32768, longUrl);
    parts.lst_Import.AddItem(longTitle);
    openEdit(parts.lst_Import.ListCount() - 1);
    testing::expectNoModal();
    QTest::mouseClick(control("btn_OK"), Qt::LeftButton);
    QCoreApplication::processEvents(); // the check for a message box, so that it checks no later dialog
    ASSERT_FALSE(dialog->isVisible());
    const PlaylistEntry entry = Module1::Playlists().findPlaylist(longTitle);
    ASSERT_TRUE(entry && entry->File() == longUrl && entry->Length() == -32768 && entry->NumEntries() == 1);
    EXPECT_EQ(parts.lst_Import.List(parts.lst_Import.ListCount() - 1), longTitle);
}

// A length is read as the system writes numbers: a German system with a decimal comma.
// The test runs itself again under that locale, which Qt reads at start.
TEST_F(MainWindow, ImportReadsLengthsInTheSystemsNumberFormat)
{
    if (qgetenv("LC_ALL") != "de_DE.UTF-8") {
        QProcess german;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "de_DE.UTF-8");
        german.setProcessEnvironment(environment);
        german.setProcessChannelMode(QProcess::MergedChannels);
        german.start(QFileInfo("/proc/self/exe").symLinkTarget(),
                     {"--gtest_filter=MainWindow.ImportReadsLengthsInTheSystemsNumberFormat"});
        ASSERT_TRUE(german.waitForFinished(60000));
        const QString output = german.readAll();
        EXPECT_TRUE(german.exitCode() == 0 && output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
        return;
    }
    QTemporaryDir folder;
    const QString file =
        testing::writeFile(folder.filePath("de.pls"), "[playlist]\r\nFile1=http://de\r\nTitle1=De\r\nLength1=2,5\r\n");
    testing::answerNextModal<QFileDialog>([&](QFileDialog& open) {
        open.selectFile(file);
        testing::expectNoModal();
        static_cast<QDialog&>(open).accept();
    });
    QTest::mouseClick(controls.btn_Import, Qt::LeftButton);
    const PlaylistEntry station = Module1::Playlists().findPlaylist("De");
    ASSERT_TRUE(station);
    EXPECT_EQ(station->Length(), 2) << "2.5, rounded half to even";
}

// Delete in a list does what "x" does for that list; with nothing selected, nothing.
TEST_F(MainWindow, DeleteInEitherListDeletesItsSelectedStation)
{
    for (QListView* list : {controls.lst_Output, controls.lst_Import}) {
        click(list, 1);
        QTest::keyClick(list, Qt::Key_Delete);
        QTest::keyClick(list, Qt::Key_Delete);
    }
    EXPECT_EQ(shown(), "AC|X|");
    EXPECT_EQ(Module1::Playlists().Count(), 3);
}

// Ctrl+O and Ctrl+S press Import and Export; Enter and F2 in the import list open the edit
// dialog, and whichever way it closes, the keyboard is back in that list, not on an option
// that Space would switch.
TEST_F(MainWindow, KeysOpenTheDialogsAndTheFocusReturnsAfterEditing)
{
    QStringList dialogs;
    for (const Qt::Key key : {Qt::Key_O, Qt::Key_S}) {
        testing::answerNextModal<QFileDialog>([&](QFileDialog& chooser) {
            dialogs << chooser.windowTitle();
            chooser.reject();
        });
        QTest::keyClick(&window, key, Qt::ControlModifier);
        QCoreApplication::processEvents();
        window.activateWindow(); // offscreen, no window is active once the dialog has gone
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    EXPECT_EQ(dialogs, QStringList({"Select a Shoutcast Playlist", "Please save your Playlist"}));
    const std::pair<Qt::Key, std::function<void()>> opensAndCloses[] = {
        {Qt::Key_Return, [&] { QTest::mouseClick(control("btn_OK"), Qt::LeftButton); }},
        {Qt::Key_Enter, [&] { QTest::keyClick(title, Qt::Key_Escape); }}, // as Cancel does
        {Qt::Key_F2, [&] { dialog->close(); }},
    };
    for (const auto& [key, close] : opensAndCloses) {
        click(controls.lst_Import, 0);
        QTest::keyClick(controls.lst_Import, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == dialog; })) << key;
        close();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; }));
        EXPECT_EQ(focusName(), "lst_Import");
    }
    click(controls.lst_Import, 0);
    QTest::keyPress(controls.lst_Import, Qt::Key_Return); // held: its repeats reach the dialog
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(title, &repeat);
    QTest::keyRelease(title, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible()) << "a held Enter opens the dialog and no more";
}

// Local files dropped anywhere on the window are imported one after another, after the
// drop; text is refused, and so is everything while the edit dialog is open.
TEST_F(MainWindow, DroppedFilesAreImportedAndOtherDataRefused)
{
    QTemporaryDir folder;
    QMimeData files, text;
    files.setUrls({QUrl::fromLocalFile(testing::writeFile(folder.filePath("1.pls"), testing::playlistOf({"D"}))),
                   QUrl::fromLocalFile(testing::writeFile(folder.filePath("2.pls"), testing::playlistOf({"E", "F"})))});
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
    EXPECT_FALSE(drop(text));
    openEdit();
    EXPECT_FALSE(drop(files));
    QTest::mouseClick(control("btn_Cancel"), Qt::LeftButton);
    EXPECT_TRUE(drop(files));
    EXPECT_EQ(parts.lst_Import.ListCount(), 3) << "imported once the drop has ended";
    EXPECT_TRUE(QTest::qWaitFor([this] { return parts.lst_Import.ListCount() == 6; }));
    EXPECT_EQ(shown(), "[A]BCDEF|XY|");
}

// Where the screen is smaller than the window (Qt's offscreen 800x600 at a scale factor of
// 2), the window's top-left corner stays on the screen.
TEST_F(MainWindow, OpensWithItsTopLeftOnAScreenSmallerThanItself)
{
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != "2") {
        QProcess scaled;
        scaled.setEnvironment(QProcess::systemEnvironment() << "QT_SCALE_FACTOR=2");
        scaled.setProcessChannelMode(QProcess::MergedChannels);
        scaled.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=MainWindow.OpensWithItsTopLeft*"});
        ASSERT_TRUE(scaled.waitForFinished(60000));
        EXPECT_EQ(scaled.exitCode(), 0) << scaled.readAll().toStdString();
        return;
    }
    const QRect screen = window.screen()->availableGeometry();
    ASSERT_LT(screen.width(), window.width());
    EXPECT_TRUE(screen.contains(window.geometry().topLeft())) << window.geometry().x() << ", " << window.geometry().y();
}

} // namespace
} // namespace orvanta
