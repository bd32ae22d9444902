#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Runs a fuzz target once over each file named, so the seeds and every input a fuzzing
// run has found are checked in ordinary builds, without libFuzzer.
int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        QFile input(QString::fromLocal8Bit(argv[i]));
        if (!input.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray bytes = input.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
    }
    std::printf("%d inputs replayed\n", argc - 1);
    return 0;
}
