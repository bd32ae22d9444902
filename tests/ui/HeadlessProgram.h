#pragma once

// The main window without a display: in-memory lists and stand-ins for the file dialog,
// the message box, the window's enabled state and the edit dialog, which record what
// the commands did with them.

#include "ui/CommonDialog.h"
#include "ui/EditDialogView.h"
#include "ui/MainWindowParts.h"
#include "ui/MemoryListBox.h"
#include "ui/MessageBox.h"
#include "ui/Module1.h"
#include "ui/WindowState.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

namespace orvanta::testing {

// Answers each file dialog with the next scripted path, a null path standing for a
// cancel, and keeps every request it was shown. (Null paths rather than optionals, since
// GCC 12 warns falsely about optional<QString> copies.)
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

// The edit dialog as three strings and whether it is shown; unloading empties the
// fields as the real dialog does.
class FakeEditDialog final : public EditDialogView {
public:
    QString titleText() const override { return title; }
    void setTitleText(const QString& text) override { title = text; }
    QString urlText() const override { return url; }
    void setUrlText(const QString& text) override { url = text; }
    QString lengthText() const override { return length; }
    void setLengthText(const QString& text) override { length = text; }
    void Show() override { shown = true; }
    void Unload() override
    {
        shown = false;
        title.clear();
        url.clear();
        length.clear();
    }

    QString title;
    QString url;
    QString length;
    bool shown = false;
};

struct HeadlessProgram {
    explicit HeadlessProgram(const QLocale& numberLocale = QLocale::c())
        : parts{lst_Import, lst_Output, CommDL, messages, window, numberLocale}
    {
    }
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    MemoryListBox lst_Import;
    MemoryListBox lst_Output;
    ScriptedChooser chooser;
    CommonDialog CommDL{chooser};
    RecordingMessageBox messages;
    FakeWindow window;
    FakeEditDialog frm_Edit;
    MainWindowParts parts;
};

// Each test starts as the program does: no collection yet, ListFocus 0.
class HeadlessProgramTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }
    void TearDown() override { Module1::reset(); }
};

} // namespace orvanta::testing
