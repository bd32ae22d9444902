#pragma once

// The main window without a display: in-memory lists and stand-ins for the file dialog,
// the message box, the close question, the window's enabled state and the edit dialog,
// which record what the commands did with them.

#include "GeneratedPlaylists.h"
#include "MemoryListBox.h"
#include "ui/EditDialogView.h"
#include "ui/ExportCommand.h"
#include "ui/ImportCommand.h"
#include "ui/LastExport.h"
#include "ui/MainWindowParts.h"
#include "ui/Module1.h"

#include <QUndoStack>

#include <deque>
#include <functional>
#include <string>

namespace orvanta::testing {

// What the user picks in one file dialog: mostly one path, a null path for a cancel.
struct ChosenPaths {
    ChosenPaths(const QString& path) : paths{path} {}
    ChosenPaths(const QStringList& several) : paths(several) {}
    QStringList paths;
};

// Answers each file dialog with the next scripted paths; one shown when no answer is left
// is cancelled and counted. (Null paths rather than optionals, since GCC 12 warns falsely
// about optional<QString> copies.)
class ScriptedChooser final : public FileChooser {
public:
    static QString cancel() { return {}; }

    std::deque<ChosenPaths> answers;
    int unscripted = 0;

    QStringList chooseFilesToOpen(const FileDialogRequest&) override { return next(); }
    std::optional<QString> chooseFileToSave(const FileDialogRequest&) override
    {
        const QStringList answer = next();
        return answer.isEmpty() ? std::nullopt : std::optional<QString>(answer.first());
    }

private:
    QStringList next()
    {
        unscripted += answers.empty();
        const QStringList answer = answers.empty() ? QStringList() : answers.front().paths;
        if (!answers.empty())
            answers.pop_front();
        return answer.value(0).isNull() ? QStringList() : answer;
    }
};

// Each shown message as "title|prompt"; whileShown runs while the message is up, when
// its modal loop would repaint the window.
struct RecordingMessageBox final : MessageBox {
    QStringList shown;
    std::function<void()> whileShown;
    void MsgBox(const QString& prompt, const QString& title) override
    {
        shown << title + u'|' + prompt;
        if (whileShown)
            whileShown();
    }
};

struct FakeOption final : OptionButton {
    bool Value() const override { return value; }
    bool value = false;
};

struct FakeWindow final : WindowState {
    bool Enabled() const override { return enabled; }
    void setEnabled(bool value) override { enabled = value; }
    bool enabled = true;
};

// The edit dialog as three strings and whether it is shown; unloading empties the
// fields as the real dialog does.
struct FakeEditDialog final : EditDialogView {
    QString titleText() const override { return title; }
    void setTitleText(const QString& text) override { title = text; }
    QString urlText() const override { return url; }
    void setUrlText(const QString& text) override { url = text; }
    QString lengthText() const override { return length; }
    void setLengthText(const QString& text) override { length = text; }
    void Show() override { shown = true; }
    void Unload() override { *this = FakeEditDialog(); }

    QString title, url, length;
    bool shown = false;
};

// Answers each close question with the next scripted answer, Cancel when none is left,
// and counts the questions and those it had no answer for.
struct ScriptedCloseQuestion final : CloseQuestion {
    std::deque<CloseAnswer> answers;
    int asked = 0;
    int unscripted = 0;
    CloseAnswer askBeforeClosing() override
    {
        ++asked;
        unscripted += answers.empty();
        const CloseAnswer answer = answers.empty() ? CloseAnswer::Cancel : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
};

// Not copyable: parts refers to the members.
struct HeadlessProgram {
    explicit HeadlessProgram(const QLocale& numberLocale = QLocale::c())
        : parts{lst_Import, lst_Output, opt_V2, CommDL, messages, window, numberLocale, undoStack}
    {}
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    MemoryListBox lst_Import;
    MemoryListBox lst_Output;
    FakeOption opt_V2;
    ScriptedChooser chooser;
    CommonDialog CommDL{chooser};
    RecordingMessageBox messages;
    FakeWindow window;
    FakeEditDialog frm_Edit;
    QUndoStack undoStack;
    LastExport lastExport;
    ScriptedCloseQuestion closeQuestion;
    MainWindowParts parts;
};

// Both lists and the stations' titles in the collection's order, as "[A B*] [X] A B X"
// with "*" on a selected item, readable in a failure message. A long list shows its
// ends and its count: "[0 1 2 ... 7 8 9 (32767)]".
inline std::string render(const HeadlessProgram& program)
{
    QString text;
    for (const MemoryListBox* list : {&program.lst_Import, &program.lst_Output}) {
        QStringList items = list->items();
        if (list->ListIndex() >= 0)
            items[list->ListIndex()] += u'*';
        if (items.size() > 8)
            items = items.first(3) << QStringLiteral("...") << items.last(3)
                                   << QStringLiteral("(%1)").arg(items.size());
        text += u'[' + items.join(u' ') + "] ";
    }
    for (const PlaylistEntry& entry : Module1::Playlists())
        text += entry->Title() + u' ';
    return text.trimmed().toStdString();
}

} // namespace orvanta::testing
