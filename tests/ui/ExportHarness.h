#pragma once

#include "ui/CommonDialog.h"
#include "ui/MainWindowParts.h"
#include "ui/MemoryListBox.h"
#include "ui/MessageBox.h"
#include "ui/Module1.h"
#include "ui/WindowState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace orvanta::exporttest {

// Answers each file dialog with the next scripted path and keeps every request it was
// shown. A null path answers with a cancel.
class ScriptedChooser final : public FileChooser {
public:
    static QString cancel() { return {}; }

    std::deque<QString> answers;
    std::vector<FileDialogRequest> opened;
    std::vector<FileDialogRequest> saved;

    std::optional<QString> chooseFileToOpen(const FileDialogRequest& request) override
    {
        opened.push_back(request);
        return next();
    }
    std::optional<QString> chooseFileToSave(const FileDialogRequest& request) override
    {
        saved.push_back(request);
        return next();
    }

private:
    std::optional<QString> next()
    {
        if (answers.empty()) {
            ADD_FAILURE() << "a file dialog was shown that the test did not script";
            return std::nullopt;
        }
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isNull())
            return std::nullopt;
        return answer;
    }
};

struct ShownMessage {
    QString prompt;
    QString title;
};

class RecordingMessageBox final : public MessageBox {
public:
    std::vector<ShownMessage> shown;
    void MsgBox(const QString& prompt, const QString& title) override { shown.push_back({prompt, title}); }
};

class FakeWindow final : public WindowState {
public:
    bool Enabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }

private:
    bool m_enabled = true;
};

// A fresh program state with a scratch folder for the files that are chosen.
class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Module1::reset();
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override { Module1::reset(); }

    // A station known to the collection whose title stands in lst_Output.
    void addOutputStation(const QString& file, const QString& title, qint16 length)
    {
        Module1::Playlists().Add(1, file, title, length, file);
        lst_Output.AddItem(title);
    }

    QString pathIn(const QString& name) const { return folder.filePath(name); }

    // Every name in the scratch folder, hidden ones included.
    QStringList folderEntries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                             QDir::Name);
    }

    static QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir folder;
    ScriptedChooser chooser;
    RecordingMessageBox messages;
    FakeWindow window;
    MemoryListBox lst_Import;
    MemoryListBox lst_Output;
    CommonDialog CommDL{chooser};
    MainWindowParts parts{lst_Import, lst_Output, CommDL, messages, window, QLocale::c()};
};

} // namespace orvanta::exporttest
