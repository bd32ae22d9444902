#include "ui/qt/PlayListMainWindow.h"

#include "ui/EditDialog.h"
#include "ui/ExportCommand.h"
#include "ui/FocusTracking.h"
#include "ui/ImportCommand.h"
#include "ui/ListCommands.h"
#include "ui/MessageBox.h"
#include "ui/qt/EditDialogWindow.h"

#include <QCloseEvent>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
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

// The local files a drag carries, the drag then accepted as a copy: they are only read,
// and a move would let the source delete them. A drag that carries anything else (text,
// addresses, other data) is refused, and the cursor says so.
QStringList acceptFiles(QDropEvent& event)
{
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasUrls() || !(event.possibleActions() & Qt::CopyAction))
        return {};
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths.append(url.toLocalFile());
    }
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
      m_parts{m_importList, m_outputList, m_versionTwo, m_commDL, m_messageBox, m_windowState, QLocale::system()}
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
    connect(m_controls.btn_Export, &QPushButton::clicked, this, [this] { btn_Export_Click(m_parts); });
    connect(m_controls.btn_Add, &QPushButton::clicked, this, [this] { btn_Add_Click(m_parts); });
    connect(m_controls.btn_AllAdd, &QPushButton::clicked, this, [this] { btn_AllAdd_Click(m_parts); });
    connect(m_controls.btn_Rem, &QPushButton::clicked, this, [this] { btn_Rem_Click(m_parts); });
    connect(m_controls.btn_AllRem, &QPushButton::clicked, this, [this] { btn_AllRem_Click(m_parts); });
    connect(m_controls.btn_DelI, &QPushButton::clicked, this, [this] { btn_DelI_Click(m_parts); });

    // One edit dialog for the whole run; it empties its fields whenever it closes.
    auto* frmEdit = new EditDialogWindow(m_parts, *this);
    const auto edit = [this, frmEdit] { lst_Import_DblClick(m_parts, *frmEdit); };
    connect(m_controls.lst_Import, &QListView::doubleClicked, frmEdit, edit);

    // Keys for what otherwise takes the mouse. A list's keys act only while it has the
    // focus, which makes it ListFocus, the list "x" acts on.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2})
        new QShortcut(key, m_controls.lst_Import, frmEdit, edit, Qt::WidgetShortcut);
    for (QListView* list : {m_controls.lst_Import, m_controls.lst_Output})
        new QShortcut(QKeySequence::Delete, list, m_controls.btn_DelI, &QPushButton::click, Qt::WidgetShortcut);
    new QShortcut(QKeySequence::Open, this, m_controls.btn_Import, &QPushButton::click);
    new QShortcut(QKeySequence::Save, this, m_controls.btn_Export, &QPushButton::click);

    m_controls.btn_Export->setFocus();
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
    // has it disabled it must stay open.
    if (isEnabled())
        event->accept();
    else
        event->ignore();
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
