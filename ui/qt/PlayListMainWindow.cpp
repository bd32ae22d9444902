#include "ui/qt/PlayListMainWindow.h"

#include "ui/EditDialog.h"
#include "ui/ExportCommand.h"
#include "ui/FocusTracking.h"
#include "ui/ImportCommand.h"
#include "ui/ListCommands.h"
#include "ui/MessageBox.h"
#include "ui/qt/EditDialogWindow.h"
#include "ui/qt/StationListView.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QShortcut>
#include <QStyle>

#include <algorithm>

namespace orvanta {

namespace {

// Centred on the screen, but with the top-left corner, and so the title bar's buttons, on
// it where the screen is smaller than the window (800x600 at a scale factor of 2).
QRect placeOnScreen(const QSize& size, const QRect& screen)
{
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen);
    placed.moveTopLeft(QPoint(std::max(placed.left(), screen.left()), std::max(placed.top(), screen.top())));
    return placed;
}

// The files a drag carries, the drag then accepted as a copy: they are only read, and a move
// would let the source delete them. An address on the network among them goes to the import
// as it is, which names it as one it could not take, as on the command line. A drag that
// carries no address at all (text, other data) is refused, and the cursor says so.
QStringList acceptFiles(QDropEvent& event)
{
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasUrls() || !(event.possibleActions() & Qt::CopyAction))
        return {};
    QStringList paths;
    for (const QUrl& url : data->urls())
        paths.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return paths;
}

} // namespace

PlayListMainWindow::PlayListMainWindow(QWidget* parent) : PlayListMainWindow(nullptr, parent) {}

PlayListMainWindow::PlayListMainWindow(FileChooser& fileChooser, QWidget* parent)
    : PlayListMainWindow(&fileChooser, parent)
{}

PlayListMainWindow::PlayListMainWindow(FileChooser* fileChooser, QWidget* parent)
    : QWidget(parent),
      m_controls(buildMainWindowControls(*this)),
      m_importList(*m_controls.lst_Import),
      m_outputList(*m_controls.lst_Output),
      m_versionTwo(*m_controls.opt_V2),
      m_fileChooser(*this),
      m_commDL(fileChooser ? *fileChooser : m_fileChooser),
      m_messageBox(*this),
      m_windowState(*this),
      m_closeQuestion(*this),
      m_parts{m_importList, m_outputList,  m_versionTwo,      m_commDL,
              m_messageBox, m_windowState, QLocale::system(), m_undoStack}
{
    setObjectName(QStringLiteral("PlayList_Main"));
    setWindowTitle(AppTitle);
    setFixedSize(505, 259);
    setGeometry(placeOnScreen(size(), screen()->availableGeometry()));
    // A disabled window takes no drop: none while the edit dialog is open.
    setAcceptDrops(true);

    // Focus reaches a list by mouse and by keyboard alike; both count.
    m_controls.lst_Import->installEventFilter(this);
    m_controls.lst_Output->installEventFilter(this);

    connect(m_controls.btn_Import, &QPushButton::clicked, this, [this] { btn_Import_Click(m_parts); });
    connect(m_controls.btn_Export, &QPushButton::clicked, this, [this] { exportOutputList(m_parts, m_lastExport); });
    connect(m_controls.btn_Add, &QPushButton::clicked, this, [this] { btn_Add_Click(m_parts); });
    connect(m_controls.btn_AllAdd, &QPushButton::clicked, this, [this] { btn_AllAdd_Click(m_parts); });
    connect(m_controls.btn_Rem, &QPushButton::clicked, this, [this] { btn_Rem_Click(m_parts); });
    connect(m_controls.btn_AllRem, &QPushButton::clicked, this, [this] { btn_AllRem_Click(m_parts); });
    connect(m_controls.btn_DelI, &QPushButton::clicked, this, [this] { btn_DelI_Click(m_parts); });

    // One edit dialog for the whole run; it empties its fields whenever it closes.
    auto* frmEdit = new EditDialogWindow(m_parts, *this);
    m_frmEdit = frmEdit;
    const auto edit = [this, frmEdit] { lst_Import_DblClick(m_parts, *frmEdit); };
    connect(m_controls.lst_Import, &QListView::doubleClicked, frmEdit, edit);
    addKeys(edit);

    for (StationListView* list : {m_controls.lst_Import, m_controls.lst_Output})
        connect(
            list, &StationListView::stationDropped, this,
            [this, list](const StationListView* source, int row, int place) { dropStation(source, row, list, place); });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &PlayListMainWindow::commitData);

    m_controls.btn_Export->setFocus();
}

// Keys for what otherwise takes the mouse. A list's keys act only while it has the focus,
// which makes it ListFocus, the list "x" acts on. None acts while the edit dialog has the
// window disabled.
void PlayListMainWindow::addKeys(const std::function<void()>& edit)
{
    StationListView* const importList = m_controls.lst_Import;
    StationListView* const outputList = m_controls.lst_Output;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2})
        new QShortcut(key, importList, m_frmEdit, edit, Qt::WidgetShortcut);
    for (QListView* list : {importList, outputList})
        new QShortcut(QKeySequence::Delete, list, m_controls.btn_DelI, &QPushButton::click, Qt::WidgetShortcut);
    new QShortcut(QKeySequence::Open, this, m_controls.btn_Import, &QPushButton::click);
    new QShortcut(QKeySequence::Save, this, m_controls.btn_Export, &QPushButton::click);

    // Across: the moved station selected in its new list, which takes the keyboard.
    new QShortcut(
        Qt::CTRL | Qt::Key_Right, importList, this,
        [this, outputList] {
            if (addSelectedStation(m_parts, m_outputList.ListCount()))
                outputList->setFocus();
        },
        Qt::WidgetShortcut);
    new QShortcut(
        Qt::CTRL | Qt::Key_Left, outputList, this,
        [this, importList] {
            if (removeSelectedStation(m_parts))
                importList->setFocus();
        },
        Qt::WidgetShortcut);
    for (const int by : {-1, 1})
        new QShortcut(
            Qt::ALT | (by < 0 ? Qt::Key_Up : Qt::Key_Down), outputList, this,
            [this, by] { moveOutputStation(m_parts, static_cast<qint16>(m_outputList.ListIndex() + by)); },
            Qt::WidgetShortcut);

    new QShortcut(Qt::CTRL | Qt::Key_Z, this, this, [this] { undoOrRedo(true); });
    for (const QKeyCombination redo : {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y})
        new QShortcut(redo, this, this, [this] { undoOrRedo(false); });
}

void PlayListMainWindow::undoOrRedo(bool undo)
{
    if (undo ? !m_undoStack.canUndo() : !m_undoStack.canRedo())
        return;
    undo ? m_undoStack.undo() : m_undoStack.redo();
    // The list whose selection came back takes the keyboard, so that ListFocus, and with it
    // "x", names the list that shows a selected station.
    if (m_importList.ListIndex() >= 0)
        m_controls.lst_Import->setFocus();
    else if (m_outputList.ListIndex() >= 0)
        m_controls.lst_Output->setFocus();
}

void PlayListMainWindow::dropStation(const StationListView* source, int row, StationListView* target, int place)
{
    // Once the drop has ended, as for files: a full list's message would hold the desktop's drag.
    QMetaObject::invokeMethod(
        this,
        [=, this] {
            const bool fromImport = source == m_controls.lst_Import;
            // The station dragged is the one selected, unless something came between.
            if ((fromImport ? m_importList : m_outputList).ListIndex() != row)
                return;
            bool moved = false;
            if (target == m_controls.lst_Import)
                moved = removeSelectedStation(m_parts);
            else if (fromImport)
                moved = addSelectedStation(m_parts, static_cast<qint16>(place));
            else
                moved = moveOutputStation(m_parts, static_cast<qint16>(place > row ? place - 1 : place));
            if (moved)
                target->setFocus();
        },
        Qt::QueuedConnection);
}

void PlayListMainWindow::commitData(QSessionManager& manager)
{
    // Asking holds up the whole session, so it is asked for only where there is something to
    // ask about; where the session does not let the program ask, nothing is written.
    if (!m_lastExport.outputListChanged(m_parts) || !manager.allowsInteraction())
        return;
    // An edit under way ends as Cancel ends it, so that the question can be answered.
    if (!isEnabled())
        m_frmEdit->reject();
    if (!mayCloseWindow(m_parts, m_lastExport, m_closeQuestion))
        manager.cancel();
    manager.release();
}

void PlayListMainWindow::importFiles(const QStringList& paths)
{
    importPlaylistFiles(m_parts, paths);
}

bool PlayListMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_controls.lst_Import)
            lst_Import_GotFocus(m_parts);
        else if (watched == m_controls.lst_Output)
            lst_Output_GotFocus(m_parts);
    }
    return QWidget::eventFilter(watched, event);
}

void PlayListMainWindow::closeEvent(QCloseEvent* event)
{
    // The window manager still offers to close a disabled window; while the edit dialog
    // has it disabled it stays open.
    event->setAccepted(mayCloseWindow(m_parts, m_lastExport, m_closeQuestion));
}

void PlayListMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    acceptFiles(*event);
}

void PlayListMainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = acceptFiles(*event);
    // Once the drop has ended: the desktop's drag would wait for the import's messages.
    if (!paths.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, paths] { importFiles(paths); }, Qt::QueuedConnection);
}

} // namespace orvanta
