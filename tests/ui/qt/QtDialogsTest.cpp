// What the chooser makes of whichever file dialog shows: several files in one choice, the
// default suffix and the one question before replacing, a cancel, and no dialog settings kept.
#include "GeneratedPlaylists.h"
#include "ModalAnswer.h"
#include "NamedCases.h"
#include "QStringPrinting.h"
#include "ui/qt/QtFileChooser.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace orvanta;
using namespace orvanta::testing;

namespace {

const FileDialogRequest ImportRequest{"Select a Shoutcast Playlist", {}, ".pls", {}, true};

// Several files in one choice. Qt's dialog keeps the folders visited in the user's
// QtProject.conf, shared by every Qt program, and offers them again; this program keeps
// nothing between runs.
TEST(QtDialogs, OpenTakesSeveralFilesAndKeepsNoDialogSettings)
{
    QTemporaryDir folder, settings;
    const QString userSettings =
        QFileInfo(QSettings(QSettings::NativeFormat, QSettings::UserScope, "QtProject").fileName()).absolutePath();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const auto restore = qScopeGuard(
        [&userSettings] { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userSettings); });
    // Qt restores the folders visited only together with its sidebar's width.
    const QByteArray before =
        "[FileDialog]\nsidebarWidth=90\nhistory=" + QUrl::fromLocalFile(folder.path()).toEncoded();
    const QString qtSettings = writeFile(settings.filePath("QtProject.conf"), before);
    const QStringList files = {writeFile(folder.filePath("a.pls"), {}), writeFile(folder.filePath("b.pls"), {})};
    QWidget window;
    answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_FALSE(dialog.history().contains(folder.path())) << "a folder visited in an earlier run";
        dialog.setDirectory(folder.path());
        auto* list = dialog.findChild<QListView*>("listView");
        EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 2; }));
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        static_cast<QDialog&>(dialog).accept();
        if (dialog.isVisible()) // nothing was chosen
            dialog.reject();
    });
    QStringList chosen = QtFileChooser(window).chooseFilesToOpen(ImportRequest);
    chosen.sort(); // the order of a file list that may still be sorting
    EXPECT_EQ(chosen, files);
    QFile file(qtSettings);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == before);
}

// What the user types in the save dialog, how they answer the one question before
// replacing (none where none may come) and the path the chooser gives.
struct SaveCase {
    const char *name, *typed;
    std::optional<QMessageBox::StandardButton> answer;
    const char* saved;
};

class QtSaveDialog : public ::testing::TestWithParam<SaveCase> {};

// The question is the program's, about the file it will write; No offers the dialog again.
TEST_P(QtSaveDialog, AddsTheSuffixAndAsksBeforeReplacingTheFileItWillWrite)
{
    const SaveCase& row = GetParam();
    QTemporaryDir folder;
    writeFile(folder.filePath("old.pls"), {});
    writeFile(folder.filePath("only"), {});
    QWidget window;
    QString asked;
    answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        if (!row.answer)
            expectNoModal();
        else
            answerNextModal<QMessageBox>([&](QMessageBox& box) {
                asked = box.text();
                if (*row.answer == QMessageBox::Yes)
                    expectNoModal(); // a second question
                else
                    answerNextModal<QFileDialog>([](QFileDialog& again) { again.reject(); });
                box.button(*row.answer)->click();
            });
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText(folder.filePath(row.typed));
        static_cast<QDialog&>(dialog).accept();
        if (dialog.isVisible()) // kept open by a question of its own
            dialog.reject();
    });
    const auto saved = QtFileChooser(window).chooseFileToSave({"Please save your Playlist", {}, ".pls", "My.pls"});
    QCoreApplication::processEvents(); // the check for a question that did not come
    EXPECT_EQ(saved, row.saved ? std::optional(folder.filePath(row.saved)) : std::nullopt);
    EXPECT_EQ(asked, row.answer ? "old.pls already exists.\nDo you want to replace it?" : "");
}

INSTANTIATE_TEST_SUITE_P(
    , QtSaveDialog,
    ::testing::Values(SaveCase{"ANameWithADotStaysAsTyped", "new.m3u", {}, "new.m3u"},
                      SaveCase{"TheFileTheSuffixCompletesIsAskedAbout", "old", QMessageBox::Yes, "old.pls"},
                      SaveCase{"AFileNamedWholeIsAskedAboutOnce", "old.pls", QMessageBox::Yes, "old.pls"},
                      SaveCase{"ATypedNameThatExistsGetsTheSuffixUnaskedWhereThatMakesItNew", "only", {}, "only.pls"},
                      SaveCase{"NoOffersTheDialogAgainWhereCancelCancels", "old", QMessageBox::No, {}}),
    byName);

} // namespace
