// What the chooser makes of whichever file dialog shows: several files in one choice, the
// default suffix and the one question before replacing, a missing file refused, a cancel,
// and no dialog settings kept.
#include "ModalAnswer.h"
#include "QStringPrinting.h"
#include "ui/CommonDialog.h"
#include "ui/qt/QtFileChooser.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

const FileDialogRequest ImportRequest{
    QStringLiteral("Select a Shoutcast Playlist"),
    CommonDialog::parseFilter("(Shoutcast Playlist) *.pls|*.pls|(All Playlists) *.pls *.m3u|*.pls;*.m3u"),
    ".pls",
    {},
    true};

// Points Qt's user settings at a scratch folder for one test, and back after it.
class ScratchUserSettings {
public:
    ScratchUserSettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path()); }
    ~ScratchUserSettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_before); }
    ScratchUserSettings(const ScratchUserSettings&) = delete;
    ScratchUserSettings& operator=(const ScratchUserSettings&) = delete;
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

private:
    const QString m_before =
        QFileInfo(QSettings(QSettings::NativeFormat, QSettings::UserScope, "QtProject").fileName()).absolutePath();
    const QTemporaryDir m_folder;
};

// What a user types into Qt's own dialog before pressing its default button.
void typeName(QFileDialog& dialog, const QString& name)
{
    dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
}

// Several files in one choice, the Shoutcast playlists shown first.
TEST(QtDialogs, OpenTakesSeveralFilesAtOnceUnderTheShoutcastFilter)
{
    QTemporaryDir folder;
    for (const char* name : {"a.pls", "b.pls"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    QWidget window;
    QString filter;
    testing::answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        filter = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        dialog.setDirectory(folder.path());
        auto* files = dialog.findChild<QListView*>(QStringLiteral("listView"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 2; }));
        QTest::keyClick(files, Qt::Key_A, Qt::ControlModifier);
        static_cast<QDialog&>(dialog).accept();
        if (dialog.isVisible()) // nothing was chosen
            dialog.reject();
    });
    QStringList chosen = QtFileChooser(window).chooseFilesToOpen(ImportRequest);
    chosen.sort(); // the order of a file list that may still be sorting
    EXPECT_EQ(chosen, QStringList({folder.filePath("a.pls"), folder.filePath("b.pls")}));
    EXPECT_EQ(filter, "(Shoutcast Playlist) *.pls");
}

// What the user types in the save dialog, how they answer the question before replacing
// (none where no question may come) and the path the chooser gives.
struct SaveCase {
    const char *name, *typed;
    std::optional<QMessageBox::StandardButton> answer;
    const char* saved;
};

void PrintTo(const SaveCase& row, std::ostream* out)
{
    *out << row.name;
}

class QtSaveDialog : public ::testing::TestWithParam<SaveCase> {};

// The one question before replacing is the program's, about the file it will write.
TEST_P(QtSaveDialog, AddsTheSuffixAndAsksBeforeReplacingTheFileItWillWrite)
{
    const SaveCase& row = GetParam();
    QTemporaryDir folder;
    for (const char* name : {"old.pls", "only"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    QWidget window;
    QString asked;
    QString offeredAgain;
    testing::answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        if (row.answer) {
            testing::answerNextModal<QMessageBox>([&](QMessageBox& box) {
                asked = box.windowTitle() + '|' + box.text() + '|' + QString::number(box.icon());
                if (*row.answer == QMessageBox::No)
                    testing::answerNextModal<QFileDialog>([&](QFileDialog& again) {
                        offeredAgain = again.selectedFiles().value(0);
                        again.reject();
                    });
                else
                    testing::expectNoModal(); // a second question
                box.button(*row.answer)->click();
            });
        } else {
            testing::expectNoModal();
        }
        typeName(dialog, folder.filePath(row.typed));
        static_cast<QDialog&>(dialog).accept();
        if (dialog.isVisible()) // kept open by a question of its own
            dialog.reject();
    });
    const std::optional<QString> saved = QtFileChooser(window).chooseFileToSave(
        {QStringLiteral("Please save your Playlist"), {}, ".pls", QStringLiteral("MyPlaylist.pls")});
    QCoreApplication::processEvents(); // the check for a question that did not come
    EXPECT_EQ(saved, row.saved ? std::optional(folder.filePath(row.saved)) : std::nullopt);
    EXPECT_EQ(asked, row.answer ? "Orvanta Playlist Builder|old.pls already exists.\nDo you want to replace it?|0" : "")
        << "caption, text and no icon";
    EXPECT_EQ(offeredAgain, row.answer == QMessageBox::No ? folder.filePath("old.pls") : "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtSaveDialog,
    ::testing::Values(SaveCase{"ANewNameGetsTheSuffixUnasked", "new", {}, "new.pls"},
                      SaveCase{"ANameWithADotStaysAsTyped", "new.m3u", {}, "new.m3u"},
                      SaveCase{"TheFileTheSuffixCompletesIsAskedAbout", "old", QMessageBox::Yes, "old.pls"},
                      SaveCase{"AFileNamedWholeIsAskedAboutOnce", "old.pls", QMessageBox::Yes, "old.pls"},
                      SaveCase{"ATypedNameThatExistsIsNotAskedAboutWhenTheSuffixMakesItNew", "only", {}, "only.pls"},
                      SaveCase{"NoOffersTheDialogAgainWhereCancelCancels", "old", QMessageBox::No, {}}),
    [](const ::testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

// GTK's dialog closes on a typed name that names no file; Qt's own would refuse it in
// accept(), so the dialog here is closed past that check, as GTK's closes. Cancelling the
// dialog offered again gives no path.
TEST(QtDialogs, OpeningAMissingFileSaysSoAndOffersTheDialogAgain)
{
    QTemporaryDir folder;
    QWidget window;
    QString told;
    testing::answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        testing::answerNextModal<QMessageBox>([&](QMessageBox& box) {
            told = box.windowTitle() + '|' + box.text();
            testing::answerNextModal<QFileDialog>([](QFileDialog& again) { again.reject(); });
            box.accept();
        });
        typeName(dialog, folder.filePath("missing"));
        static_cast<QDialog&>(dialog).done(QDialog::Accepted);
    });
    EXPECT_EQ(QtFileChooser(window).chooseFilesToOpen(ImportRequest), QStringList());
    EXPECT_EQ(told, "Orvanta Playlist Builder|missing.pls\nFile not found.\nPlease check the file name.");
}

// Qt's dialog keeps the folders visited and the last one in the user's QtProject.conf,
// shared by every Qt program, and offers them again; this program keeps nothing between runs.
TEST(QtDialogs, TheChooserNeitherReadsNorWritesQtsDialogSettings)
{
    const ScratchUserSettings settings;
    QTemporaryDir visited;
    // Qt restores the folders visited only together with its sidebar's width.
    const QByteArray before =
        "[FileDialog]\nsidebarWidth=90\nhistory=" + QUrl::fromLocalFile(visited.path()).toEncoded() + '\n';
    QFile file(settings.filePath("QtProject.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();

    QWidget window;
    QStringList history;
    testing::answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        history = dialog.history();
        dialog.reject();
    });
    QtFileChooser(window).chooseFilesToOpen(ImportRequest);
    EXPECT_FALSE(history.contains(visited.path())) << "a folder visited in an earlier run";
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

} // namespace
} // namespace orvanta
