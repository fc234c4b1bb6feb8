// Runs a fuzz target over saved inputs without libFuzzer, so the normal test build replays
// every input kept in fuzz/corpus (seeds and inputs that once failed) under its sanitizers.
//
//   fuzz_replay_TARGET FILE_OR_FOLDER...

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

int replay(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray input = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                           static_cast<size_t>(input.size()));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    int unreadable = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator files(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                unreadable += replay(files.next());
                ++inputs;
            }
        } else {
            unreadable += replay(path);
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return unreadable == 0 && inputs > 0 ? 0 : 1;
}
