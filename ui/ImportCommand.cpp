#include "ui/ImportCommand.h"

#include "model/PlaylistErrors.h"
#include "pls/PlaylistReader.h"
#include "ui/ImportStep.h"
#include "ui/Module1.h"
#include "ui/VisibleText.h"

#include <QFile>
#include <QStringList>
#include <QUndoStack>
#include <QUrl>

#include <memory>

namespace orvanta {

namespace {

// A file's left-out stations named one by one, at most this many; a box of files, this many
// paragraphs.
constexpr qsizetype NamedLeftOut = 10;
constexpr qsizetype NamedFiles = 20;
constexpr qsizetype ShownTitleLength = 60;

// Why a station is left out.
enum class Why { Taken, ListedTitle, HeldAddress, NoAddress, ListFull };

QString wordsFor(Why why)
{
    switch (why) {
    case Why::ListedTitle:
        return QStringLiteral("a list already shows this title");
    case Why::HeldAddress:
        return QStringLiteral("another station already has this address");
    case Why::NoAddress:
        return QStringLiteral("it has no address");
    default:
        return QStringLiteral("the import list is full");
    }
}

bool isHeld(const colPlaylist& playlists, const QString& address)
{
    try {
        playlists.Item(address);
        return true;
    } catch (const EntryNotFoundError&) {
        return false;
    }
}

// Every title in either list has exactly one entry, so the title index answers for both
// lists at once, and for the stations this file took before.
Why whyLeftOut(const colPlaylist& playlists, const PlaylistStation& station, bool listFull)
{
    if (playlists.findPlaylist(station.Title))
        return Why::ListedTitle;
    if (station.File.isEmpty())
        return Why::NoAddress;
    if (listFull)
        return isHeld(playlists, station.File) ? Why::HeldAddress : Why::ListFull;
    return Why::Taken;
}

// The stations a file's import left out: the first ones named, the rest counted.
struct LeftOut {
    QStringList named;
    qsizetype count = 0;
    bool titleRepeated = false;

    void add(const PlaylistStation& station, Why why)
    {
        if (named.size() < NamedLeftOut)
            named << QStringLiteral("line %1: ").arg(station.line) + visibleTitle(station.Title, ShownTitleLength)
                         + ": " + wordsFor(why);
        ++count;
        titleRepeated = titleRepeated || why == Why::ListedTitle;
    }
};

// An address such as "http://host/list.pls", dropped from a web page or named on the command
// line, where no file of that name is: the program reads files on this computer only.
bool isNetworkAddress(const QString& path)
{
    const QUrl url(path, QUrl::StrictMode);
    return path.contains(QStringLiteral("://")) && url.isValid() && !url.isLocalFile() && !QFile::exists(path);
}

PlaylistContent notAFileHere()
{
    PlaylistContent content;
    content.failure = PlaylistReadError(
        0, QStringLiteral("this is an address on the network, and only files on this computer can be imported"));
    return content;
}

QString fileWords(const QString& path, const PlaylistContent& content, qsizetype added, const LeftOut& leftOut)
{
    const QString where = visibleText(path);
    if (content.singleStream)
        return "This file is the playlist of a single stream (HLS), not a list of stations.\n" + where;
    if (content.stations.isEmpty() && !content.failure)
        return "No station was found in this file.\n" + where;
    if (leftOut.count == 0 && !content.failure)
        return {};
    QStringList lines = {leftOut.titleRepeated ? QStringLiteral("Duplicate Item: Ignoring.")
                                               : QStringLiteral("The playlist was not imported completely.")};
    if (!content.failure)
        lines << where + QStringLiteral(": %1 of %2 stations imported.").arg(added).arg(content.stations.size());
    else if (content.failure->line() > 0)
        lines << where + QStringLiteral(", line %1: ").arg(content.failure->line()) + content.failure->reason();
    else
        lines << where + ": " + content.failure->reason();
    lines << leftOut.named;
    if (leftOut.count > leftOut.named.size())
        lines << QStringLiteral("and %1 more.").arg(leftOut.count - leftOut.named.size());
    return lines.join(u'\n');
}

} // namespace

PlaylistImport importPlaylistFile(MainWindowParts& parts, const QString& path)
{
    const PlaylistContent content =
        isNetworkAddress(path) ? notAFileHere() : readPlaylistFile(path, parts.numberLocale);
    colPlaylist& playlists = Module1::Playlists();
    const qsizetype room = ListBox::MaxItems - parts.lst_Import.ListCount();
    playlists.reserve(playlists.Count() + std::min(room, content.stations.size()));

    PlaylistImport done;
    // A list widget takes the titles far faster in one batch than one row at a time, and
    // nothing looks at the list while the file is taken in.
    QStringList titles;
    LeftOut leftOut;
    for (const PlaylistStation& station : content.stations) {
        Why why = whyLeftOut(playlists, station, titles.size() >= room);
        if (why == Why::Taken) {
            try {
                done.added << playlists.Add(station.NumEntries, station.File, station.Title, station.Length,
                                            station.File);
                titles << done.added.last()->Title();
                continue;
            } catch (const DuplicateKeyError&) {
                why = Why::HeldAddress;
            }
        }
        leftOut.add(station, why);
    }
    // Room was checked for every title taken, so this cannot fail.
    parts.lst_Import.AddItems(std::move(titles));
    done.words = fileWords(path, content, done.added.size(), leftOut);
    return done;
}

void importPlaylistFiles(MainWindowParts& parts, const QStringList& paths)
{
    QStringList paragraphs;
    qsizetype unnamed = 0;
    for (const QString& path : paths) {
        // One undo step per file, for what it added.
        auto step = std::make_unique<ImportStep>(parts, path);
        const QString words = importPlaylistFile(parts, path).words;
        if (step->takeWhatWasAdded())
            parts.undoStack.push(step.release());
        if (words.isEmpty())
            continue;
        if (paragraphs.size() < NamedFiles)
            paragraphs << words;
        else
            ++unnamed;
    }
    if (unnamed > 0)
        paragraphs << QStringLiteral("and %1 more files with stations left out.").arg(unnamed);
    // After the last file, so that many files never ask for many answers.
    if (!paragraphs.isEmpty())
        parts.messageBox.MsgBox(paragraphs.join(QStringLiteral("\n\n")), AppTitle);
}

void btn_Import_Click(MainWindowParts& parts)
{
    CommonDialog& dialog = parts.CommDL;
    dialog.DialogTitle = QStringLiteral("Select a Shoutcast Playlist");
    dialog.Filter = QStringLiteral("(Shoutcast Playlist) *.pls|*.pls|"
                                   "(All Playlists) *.pls *.m3u *.m3u8 *.xspf|*.pls;*.m3u;*.m3u8;*.xspf");
    dialog.CancelError = true;
    dialog.FileName = QString();
    dialog.MultiSelect = true;
    try {
        dialog.ShowOpen();
    } catch (const DialogCancelledError&) {
        return;
    }
    importPlaylistFiles(parts, dialog.FileNames);
}

} // namespace orvanta
