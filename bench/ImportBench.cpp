#include "ui/ImportCommand.h"
#include "ui/MemoryListBox.h"
#include "ui/Module1.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <utility>

namespace orvanta {
namespace {

// Answers every open dialog with the same path.
class FixedFileChooser final : public FileChooser {
public:
    explicit FixedFileChooser(QString path) : m_path(std::move(path)) {}
    std::optional<QString> chooseFileToOpen(const FileDialogRequest&) override { return m_path; }
    std::optional<QString> chooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }

private:
    QString m_path;
};

// A duplicate message would mean the import stopped early and the figures are void.
class DuplicateFlag final : public MessageBox {
public:
    bool raised = false;
    void MsgBox(const QString&, const QString&) override { raised = true; }
};

class AlwaysEnabledWindow final : public WindowState {
public:
    bool Enabled() const override { return true; }
    void setEnabled(bool) override {}
};

// Blocks numbered 1 with CR LF line ends, as the export writes them.
QByteArray exportedPlaylist(int stations)
{
    QByteArray bytes = "[playlist]\r\n";
    for (int n = 1; n <= stations; ++n) {
        const QByteArray number = QByteArray::number(n);
        bytes += "File1=http://host-" + number + ":8000/\r\nTitle1=Station " + number + "\r\nLength1=-1\r\n\r\n";
    }
    return bytes;
}

// The whole command into empty lists: loading, decoding, line mode, and per station the
// title check, the collection's Add and the list's AddItem.
void BM_ImportExportedPlaylist(benchmark::State& state)
{
    const auto stations = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Stations.pls"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(exportedPlaylist(stations)) < 0) {
            state.SkipWithError("cannot write the playlist");
            return;
        }
    }
    FixedFileChooser chooser(path);
    CommonDialog CommDL(chooser);
    DuplicateFlag duplicate;
    AlwaysEnabledWindow window;
    bool allImported = true;

    for (auto _ : state) {
        state.PauseTiming();
        Module1::reset();
        auto lst_Import = std::make_unique<MemoryListBox>();
        MemoryListBox lst_Output;
        MainWindowParts parts{*lst_Import, lst_Output, CommDL, duplicate, window, QLocale::c()};
        state.ResumeTiming();

        btn_Import_Click(parts);

        state.PauseTiming();
        allImported = allImported && lst_Import->ListCount() == stations;
        lst_Import.reset();
        Module1::reset();
        state.ResumeTiming();
    }

    if (duplicate.raised || !allImported)
        state.SkipWithError("the import did not take every station");
    // Seconds per station: the time of one import divided by its stations.
    state.counters["per_station"] =
        benchmark::Counter(stations, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_ImportExportedPlaylist)->Arg(1000)->Arg(8000)->Arg(ListBox::MaxItems)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvanta
