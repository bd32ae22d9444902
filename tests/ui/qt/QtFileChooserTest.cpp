// The file dialogs: how a request configures Qt's dialog, and what the chooser returns
// when the user accepts or cancels.
#include "ModalAnswer.h"
#include "QStringPrinting.h"
#include "ui/CommonDialog.h"
#include "ui/qt/QtFileChooser.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

const QString ShoutcastFilter = QStringLiteral("(Shoutcast Playlist) *.pls|*.pls");

FileDialogRequest requestWithFilter(const QString& filter)
{
    return FileDialogRequest{QStringLiteral("Select a Shoutcast Playlist"),
                             CommonDialog::parseFilter(filter), {}, {}};
}

QStringList shownFileTypes(const QFileDialog& dialog)
{
    const auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QStringList texts;
    for (int i = 0; combo && i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

TEST(FileDialogSettings, OpenInsistsOnAnExistingFileAndShowsTheDescriptionOnce)
{
    QFileDialog dialog;
    configureFileDialog(dialog, requestWithFilter(ShoutcastFilter), FileDialogKind::Open);

    EXPECT_EQ(dialog.windowTitle(), "Select a Shoutcast Playlist");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.nameFilters(), QStringList({"(Shoutcast Playlist) *.pls (*.pls)"}));
    EXPECT_TRUE(dialog.testOption(QFileDialog::HideNameFilterDetails));
    EXPECT_EQ(shownFileTypes(dialog), QStringList({"(Shoutcast Playlist) *.pls"}));
    EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
}

TEST(FileDialogSettings, SaveAsksBeforeReplacingAndWithoutAFilterListsEveryFile)
{
    QFileDialog dialog;
    const FileDialogRequest request{QStringLiteral("Please save your Playlist"), {},
                                    QStringLiteral(".pls"), {}};
    configureFileDialog(dialog, request, FileDialogKind::Save);

    EXPECT_EQ(dialog.windowTitle(), "Please save your Playlist");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.defaultSuffix(), "pls");
    EXPECT_EQ(shownFileTypes(dialog), QStringList({"All Files"})) << "no filter limits nothing";
}

TEST(FileDialogSettings, SeveralFileTypesKeepTheirOrderAndEachListsItsPatterns)
{
    QFileDialog dialog;
    configureFileDialog(dialog, requestWithFilter("Playlists|*.pls;*.m3u|All files|*.*"),
                        FileDialogKind::Open);

    EXPECT_EQ(dialog.nameFilters(), QStringList({"Playlists (*.pls *.m3u)", "All files (*.*)"}));
    EXPECT_EQ(shownFileTypes(dialog), QStringList({"Playlists", "All files"}));
}

// What the Open or Save button does.
void pressAccept(QFileDialog& dialog)
{
    static_cast<QDialog&>(dialog).accept();
}

class FileChooserDialog : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_folder.filePath(QLatin1String(name)); }

    QTemporaryDir m_folder;
    QWidget m_window;
    QtFileChooser m_chooser{m_window};
};

TEST_F(FileChooserDialog, OpenReturnsTheFullPathOfTheChosenFile)
{
    QFile existing(path("stations.pls"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    FileDialogRequest request = requestWithFilter(ShoutcastFilter);
    request.fileName = existing.fileName();

    const QWidget* dialogParent = nullptr;
    test::answerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        dialogParent = dialog.parentWidget();
        pressAccept(dialog);
    });
    const std::optional<QString> chosen = m_chooser.chooseFileToOpen(request);

    EXPECT_EQ(dialogParent, &m_window);
    EXPECT_EQ(chosen, existing.fileName());
}

TEST_F(FileChooserDialog, SaveAddsTheDefaultExtensionToATypedName)
{
    const FileDialogRequest request{QStringLiteral("Please save your Playlist"), {},
                                    QStringLiteral(".pls"), path("my radio")};

    test::answerNextModal<QFileDialog>([](QFileDialog& dialog) { pressAccept(dialog); });

    EXPECT_EQ(m_chooser.chooseFileToSave(request), path("my radio.pls"));
}

TEST_F(FileChooserDialog, CancellingReturnsNothing)
{
    test::answerNextModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });

    EXPECT_EQ(m_chooser.chooseFileToOpen(requestWithFilter(ShoutcastFilter)), std::nullopt);
}

} // namespace
} // namespace orvanta
