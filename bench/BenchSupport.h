#pragma once

// What the benchmarks share: stand-ins for the user's side of the dialogs and the
// window, and playlist files like the ones the export writes.

#include "ui/FileChooser.h"
#include "ui/MessageBox.h"
#include "ui/WindowState.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <utility>

namespace orvanta::bench {

// Answers every open and save dialog with the same path; no path answers with a cancel.
class FixedPathChooser final : public FileChooser {
public:
    explicit FixedPathChooser(QString path = {}) : m_path(std::move(path)) {}
    std::optional<QString> chooseFileToOpen(const FileDialogRequest&) override { return answer(); }
    std::optional<QString> chooseFileToSave(const FileDialogRequest&) override { return answer(); }

private:
    std::optional<QString> answer() const
    {
        if (m_path.isEmpty())
            return std::nullopt;
        return m_path;
    }
    QString m_path;
};

// Remembers that a message was shown: a duplicate or a failure voids the figures.
class MessageFlag final : public MessageBox {
public:
    bool raised = false;
    void MsgBox(const QString&, const QString&) override { raised = true; }
};

class AlwaysEnabledWindow final : public WindowState {
public:
    bool Enabled() const override { return true; }
    void setEnabled(bool) override {}
};

// Blocks numbered 1 with CR LF line ends, as the export writes them; the first station
// is given the number `first`, so two playlists can hold different stations.
inline QByteArray exportedPlaylist(int stations, int first = 1)
{
    QByteArray bytes = "[playlist]\r\n";
    for (int n = first; n < first + stations; ++n) {
        const QByteArray number = QByteArray::number(n);
        bytes += "File1=http://stream-" + number + ".example.org:8000/live\r\nTitle1=Station " + number
            + " - Jazz & Blues\r\nLength1=-1\r\n\r\n";
    }
    return bytes;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace orvanta::bench
