#include "output/TextReport.h"

#include "app/ErrorReport.h"
#include "app/Texts.h"
#include "filelist/PathUtils.h"
#include "output/ColumnLayout.h"
#include "platform/BesideWindow.h"
#include "platform/WindowContext.h"

#include <QSaveFile>

#include <cerrno>

namespace quillfen {

namespace {

// The report file: UTF-8 lines ending in CR LF, put in place only by commit().
class ReportFile {
public:
    explicit ReportFile(const QString& fileName)
        : m_file(fileName)
    {
    }

    void create()
    {
        // Unbuffered: this class buffers itself, and a write error that only surfaced when
        // QSaveFile flushed its own buffer at commit() would be lost, so a full disk would
        // put a cut-off file in place of the earlier one and count as success.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw Failure(m_file.errorString());
        m_open = true;
    }

    bool isOpen() const { return m_open; }

    void writeLine(const QByteArray& line)
    {
        m_buffer.append(line);
        m_buffer.append(kLineEnd);
        if (m_buffer.size() >= kFlushSize)
            flush();
    }

    void commit()
    {
        flush();
        m_open = false;
        if (!m_file.commit())
            throw Failure(m_file.errorString());
    }

    // After a failed write the earlier file must stay: nothing more is written or committed.
    void abandon()
    {
        m_file.cancelWriting();
        m_open = false;
    }

private:
    static constexpr qsizetype kFlushSize = 1 << 20;

    void flush()
    {
        if (m_buffer.isEmpty())
            return;
        errno = 0;
        const qint64 written = m_file.write(m_buffer);
        const int error = errno;
        const qint64 wanted = m_buffer.size();
        m_buffer.clear();
        if (written < 0)
            throw Failure(m_file.errorString());
        // A short write (a disk that filled up, a size limit) is not reported as an error by
        // the file device; the rest of the report would be missing.
        if (written != wanted)
            throw Failure::fromErrno(error != 0 ? error : EIO);
    }

    QSaveFile m_file;
    QByteArray m_buffer;
    bool m_open = false;
};

} // namespace

void saveResultsAsText(WindowContext& window)
{
    ReportingProcedure save(*window.platform().messages, Procedure::PushButton1_Click);
    const QString fileName = save.value(114, QString(), [&] {
        return window.platform().fileDialogs->saveFile(texts::kSaveTitle, texts::kSaveFilter);
    });
    if (fileName.isEmpty())
        return; // cancelled
    save.step(120, [&] { window.setPointer(WindowPointer::Hourglass); });
    save.step(122, [&] {
        SaveListviewProperlySpaced(window, window.resultsList().rows(), fileName,
                                   &window.progressBar());
    });
    save.step(124, [&] { window.setPointer(WindowPointer::Default); });
}

void SaveListviewProperlySpaced(WindowContext& window, const RowModel& list,
                                const QString& fileName, ProgressBar* bar)
{
    ReportingProcedure write(*window.platform().messages, Procedure::SaveListviewProperlySpaced);
    const QString name = GetFileNameFromPath(fileName);
    const CellHook yield = [&] { window.yield(); };
    const auto showProgress = [&](int marker, double value) {
        if (bar == nullptr)
            return;
        write.step(marker, [&] {
            window.yield();
            bar->setPosition(value);
            bar->setCaption(texts::kWritingFile + name);
            window.yield();
        });
    };

    showProgress(102, 1);
    const std::vector<int> widths = write.value(
        112, std::vector<int>(), [&] { return measureColumnWidths(list, true, yield); });
    showProgress(142, 10);

    ReportFile file(fileName);
    write.step(156, [&] { file.create(); });
    // Writes one line; the first failure abandons the file, so a failed save never replaces
    // the earlier file and is reported once, not once per line.
    const auto writeLine = [&](int marker, const QByteArray& line) {
        if (!file.isOpen())
            return;
        write.step(marker, [&] {
            try {
                file.writeLine(line);
            } catch (...) {
                file.abandon();
                throw;
            }
        });
    };

    if (file.isOpen()) {
        writeLine(170,
                  write.value(158, QByteArray(), [&] { return headerLine(list, widths, yield); }));
        showProgress(172, 20);

        const int rows = list.rows();
        for (int i = 0; i < rows && file.isOpen(); ++i) {
            write.step(184, [&] { window.yield(); });
            if (i >= list.rows())
                break; // the list shrank while the writer yielded
            if (!write.test(188, [&] { return list.isChecked(i); }))
                continue;
            // Cell by cell, so a cell that fails costs only itself.
            QByteArray line;
            for (int k = 0; k < static_cast<int>(widths.size()); ++k) {
                write.step(k == 0 ? 196 : 202, [&] {
                    window.yield();
                    appendPaddedCell(list, i, k, widths[static_cast<size_t>(k)], line);
                });
            }
            if (bar != nullptr) {
                write.step(214, [&] {
                    window.yield();
                    const int m = list.rows();
                    const int position = i + 1;
                    bar->setPosition((position + m / 2000) / static_cast<double>(m) * 100);
                    if (position % 1000 == 0)
                        bar->setCaption(texts::kWritingFile + name + QStringLiteral(" (")
                                        + QString::number(position) + QLatin1Char(')'));
                    window.yield();
                });
            }
            writeLine(222, line);
        }
        // Put in place before the bar says it is done. Reaching the disk can take a while for a
        // long report; the window goes on meanwhile.
        bool saved = false;
        if (file.isOpen()) {
            write.step(232, [&] {
                runBesideWindow([&] { file.commit(); }, yield);
                saved = true;
            });
        }
        if (bar != nullptr && saved) {
            write.step(226, [&] {
                bar->setPosition(100);
                bar->setCaption(texts::kDone);
            });
        }
    }

    if (bar != nullptr) {
        write.step(238, [&] {
            bar->setPosition(0);
            bar->setCaption(texts::kProgressAtRest);
        });
    }
}

} // namespace quillfen
