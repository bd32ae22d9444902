#include "ui/LeftBackups.h"

#include "pls/PlaylistFile.h"
#include "ui/VisibleText.h"

#include <QDir>
#include <QFile>

namespace orvanta {

void announceLeftBackups(MessageBox& messageBox)
{
    const QDir folder(saveStateFolder());
    QStringList notes, lines;
    for (const QString& name :
         folder.entryList({u'*' + BackupOriginSuffix}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const QString note = folder.filePath(name);
        const QString backup = note.chopped(BackupOriginSuffix.size());
        QFile origin(note);
        // A note without its backup is left by a save killed before its backup appeared, or
        // after the backup went.
        if (!QFileInfo::exists(backup) || !origin.open(QIODevice::ReadOnly))
            continue;
        const QString file = QFile::decodeName(origin.read(1 << 16));
        lines << QStringLiteral("The old content of ") + visibleText(file) + QStringLiteral(" is kept in ")
                     + visibleText(backup) + u'.';
        notes << note;
    }
    if (lines.isEmpty())
        return;
    messageBox.MsgBox(QStringLiteral("Earlier saves did not end, and the old content they had kept is still there:\n")
                          + lines.join(u'\n'),
                      AppTitle);
    // Renamed out of the next start's sight.
    for (const QString& note : std::as_const(notes))
        QFile::rename(note, note.chopped(BackupOriginSuffix.size()) + QStringLiteral(".announced"));
}

} // namespace orvanta
