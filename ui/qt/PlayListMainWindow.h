#pragma once

#include "ui/CommonDialog.h"
#include "ui/LastExport.h"
#include "ui/MainWindowParts.h"
#include "ui/qt/MainWindowControls.h"
#include "ui/qt/QtCloseQuestion.h"
#include "ui/qt/QtFileChooser.h"
#include "ui/qt/QtListBox.h"
#include "ui/qt/QtMessageBox.h"
#include "ui/qt/QtOptionButton.h"
#include "ui/qt/QtWindowState.h"

#include <QUndoStack>
#include <QWidget>

#include <functional>

class QSessionManager;

namespace orvanta {

// PlayList_Main, the program's one main window: the two lists, the buttons between and
// above them, and the parts its commands reach (the lists, CommDL, the message box and
// the window's enabled state). Its layout is fixed; closing it ends the program, once the
// user has been asked where the output list was not exported. Playlist files dropped on it
// are imported, stations dragged between and within the lists moved; keys stand in for the
// mouse: Delete in a list for "x", Enter and F2 in lst_Import for its double-click, Ctrl+O
// and Ctrl+S for the two buttons, Ctrl+Right in lst_Import and Ctrl+Left in lst_Output to
// move a station across, Alt+Up and Alt+Down in lst_Output to put it in order. Ctrl+Z
// undoes each change to the lists, Ctrl+Shift+Z and Ctrl+Y redo it.
class PlayListMainWindow final : public QWidget {
    Q_OBJECT

public:
    // The file dialogs are the desktop's own, or Qt's where it has none.
    explicit PlayListMainWindow(QWidget* parent = nullptr);
    // The file dialogs are answered by `fileChooser`, which must outlive the window: the
    // whole window, import and export included, runs without a user to pick files.
    explicit PlayListMainWindow(FileChooser& fileChooser, QWidget* parent = nullptr);

    MainWindowParts& parts() { return m_parts; }
    const MainWindowControls& controls() const { return m_controls; }
    QUndoStack& undoStack() { return m_undoStack; }

    // Imports the playlists one after another, as several chosen in the open dialog are.
    void importFiles(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Both public constructors end here; without a chooser the window uses Qt's dialogs.
    PlayListMainWindow(FileChooser* fileChooser, QWidget* parent);

    void addKeys(const std::function<void()>& edit);
    // Ctrl+Z, or Ctrl+Shift+Z and Ctrl+Y.
    void undoOrRedo(bool undo);
    // A station dragged from `source` at `row` and dropped on `target` before `place`.
    void dropStation(const StationListView* source, int row, StationListView* target, int place);
    // The desktop session ending: asked as closing asks, where the session lets it ask.
    void commitData(QSessionManager& manager);

    MainWindowControls m_controls;
    QtListBox m_importList;
    QtListBox m_outputList;
    QtOptionButton m_versionTwo;
    QtFileChooser m_fileChooser;
    CommonDialog m_commDL;
    QtMessageBox m_messageBox;
    QtWindowState m_windowState;
    QUndoStack m_undoStack;
    LastExport m_lastExport;
    QtCloseQuestion m_closeQuestion;
    MainWindowParts m_parts;
    QDialog* m_frmEdit;
};

} // namespace orvanta
