// Benchmark driver: runs the program's own commands on a real main window (offscreen, with
// scripted dialogs) and prints one JSON line per phase: rows, wall and CPU seconds, peak
// resident memory, and the longest stretch without event processing (a timer that should
// fire every 5 ms records the largest gap it saw).
//
//   quillfen-bench [--phase PHASE[,PHASE...]|all] [--ext EXT] [--cold]
//                  [--soak RUNS] [--list FILE] DIR
//
// PHASE is scan, extract, sort, sort-date, filter, timeline, snapshot, compare, report,
// clipboard or workbook.
// Phases run in that order, the ones the wanted phases need first, untimed. --cold drops the page
// cache (root only) before the scan, so the scan and what follows it read from the disk as a user's
// first scan of a tree does. --list writes the scanned file list to FILE, one path per line.
// --soak runs every phase RUNS times in one process and prints the resident memory after
// each run, to show that it does not grow.

#include "BenchPlatform.h"

#include "app/MainWindow.h"
#include "app/ResultsView.h"
#include "desktop/FilterBar.h"
#include "desktop/TimelineChart.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace quillfen;

namespace {

double cpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double peakResidentMb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double currentResidentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1
        ? static_cast<double>(fields.at(1).toLongLong() * ::sysconf(_SC_PAGESIZE)) / (1 << 20)
        : 0;
}

// Writes the dirty pages out and drops the clean ones with the cached folders and inodes, as
// after a reboot. False, with a message, when the kernel refuses (only root may).
bool dropPageCache()
{
    ::sync();
    const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY | O_CLOEXEC);
    const bool dropped = fd >= 0 && ::write(fd, "3", 1) == 1;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!dropped)
        std::fprintf(stderr,
                     "quillfen-bench: --cold cannot drop the page cache (%s); run it as root\n",
                     std::strerror(error));
    return dropped;
}

// Records the longest gap between ticks of a 5 ms timer: the longest time the window went
// without processing events.
class StallMonitor {
public:
    StallMonitor()
    {
        m_timer.setInterval(5);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceTick.nsecsElapsed());
            m_sinceTick.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_sinceTick.start();
        m_timer.start();
    }
    double stop()
    {
        m_longest = std::max(m_longest, m_sinceTick.nsecsElapsed());
        m_timer.stop();
        return static_cast<double>(m_longest) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};

struct Phase {
    const char* name;
    std::function<void()> run;
    std::function<int()> rows;
    std::function<qint64()> outputBytes = {}; // what the phase made, where that is one text
};

void measure(const Phase& phase, bool print)
{
    StallMonitor stalls;
    QElapsedTimer wall;
    const double residentBefore = currentResidentMb();
    const double cpuBefore = cpuSeconds();
    stalls.start();
    wall.start();
    phase.run();
    const double wallSeconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double stallMs = stalls.stop();
    const double cpu = cpuSeconds() - cpuBefore;
    if (print) {
        std::printf("{\"phase\":\"%s\",\"rows\":%d,\"wall_s\":%.3f,\"cpu_s\":%.3f,"
                    "\"peak_rss_mb\":%.1f,\"max_stall_ms\":%.1f,\"rss_before_mb\":%.1f",
                    phase.name, phase.rows(), wallSeconds, cpu, peakResidentMb(), stallMs,
                    residentBefore);
        if (phase.outputBytes)
            std::printf(",\"output_mb\":%.1f",
                        static_cast<double>(phase.outputBytes()) / (1 << 20));
        std::printf("}\n");
        std::fflush(stdout);
    }
}

// The scanned file list, one path a line, for the standard tools to read the same files.
void writeFileList(MainWindow& window, const QString& path)
{
    QFile list(path);
    if (!list.open(QIODevice::WriteOnly))
        return;
    const RowModel& rows = window.fileList().rows();
    for (int i = 0; i < rows.rows(); ++i)
        list.write(QFile::encodeName(rows.text(i)) + '\n');
}

void addOptions(QCommandLineParser& parser)
{
    parser.addHelpOption();
    parser.addOption({"phase",
                      "scan, extract, sort, sort-date, filter, timeline, report, clipboard, "
                      "workbook, several "
                      "of them separated by commas, or all.",
                      "phase", "all"});
    parser.addOption({"cold", "Drop the page cache before the scan (root only)."});
    parser.addOption({"ext", "Extension for the folder scan.", "ext", "*"});
    parser.addOption({"soak", "Run every phase this many times.", "runs", "0"});
    parser.addOption({"list", "Write the scanned file list to this file.", "file"});
    parser.addPositionalArgument("dir", "The folder to scan.");
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const bool cold = parser.isSet("cold");
    if (cold && !dropPageCache()) // said before any window work, so a user is not kept waiting
        return 2;

    QTemporaryDir out;
    bench::Script script;
    script.extension = parser.value("ext");
    script.folder = parser.positionalArguments().first();
    script.reportFile = out.filePath(QStringLiteral("report.txt"));
    script.workbookFolder = out.path();

    MainWindow window(bench::makeBenchPlatform(script));
    window.show();
    QApplication::processEvents();

    const auto files = [&] { return window.fileList().rows().rows(); };
    const auto results = [&] { return window.resultsList().rows().rows(); };
    int shownAfterFilter = 0;
    const std::vector<Phase> phases{
        {"scan",
         [&] {
             window.clearListButton()->click();
             window.addFolderButton()->click();
         },
         files},
        {"extract", [&] { window.startButton()->click(); }, results},
        // A click on a results header: by path in natural order, then by date.
        {"sort", [&] { emit window.resultsList().headerClicked(0); }, results},
        {"sort-date", [&] { emit window.resultsList().headerClicked(1); }, results},
        // Typing into the filter bar until the list shows the rows that pass, then Escape.
        {"filter",
         [&] {
             window.actions().filterResults->trigger();
             window.filterBar()->pathEdit()->setText(QStringLiteral("1"));
             while (window.resultsView().filter().isTesting())
                 QApplication::processEvents();
             shownAfterFilter = window.resultsList().rows().shownCount();
             window.resultsView().closeFilter();
         },
         [&] { return shownAfterFilter; }},
        // The timeline's counts of a million dates, and its drawing.
        {"timeline",
         [&] {
             window.resultsView().setTimelineShown(true);
             window.resultsView().recount();
             window.timeline()->repaint();
         },
         results},
        // A snapshot of the results, then the results compared with it.
        {"snapshot", [&] { window.actions().saveSnapshot->trigger(); }, results},
        {"compare", [&] { window.actions().compareSnapshot->trigger(); }, results},
        {"report", [&] { window.saveTextButton()->click(); }, results},
        {"clipboard", [&] { window.copyButton()->click(); }, results,
         [] {
             const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
             return copied != nullptr ? copied->data(QStringLiteral("text/plain")).size() : 0;
         }},
        {"workbook", [&] { window.saveWorkbookButton()->click(); }, results},
    };

    const QStringList wanted = parser.value("phase").split(u',');
    const bool all = wanted.contains(QLatin1String("all"));
    // The last phase wanted: the run ends there.
    const auto last = std::find_if(phases.rbegin(), phases.rend(), [&](const Phase& phase) {
        return all || wanted.contains(QLatin1String(phase.name));
    });
    if (last == phases.rend()) {
        std::fprintf(stderr, "quillfen-bench: no such phase: %s\n", qPrintable(wanted.join(u',')));
        return 2;
    }
    const int soak = parser.value("soak").toInt();
    for (int run = 0; run < std::max(1, soak); ++run) {
        if (cold && run > 0 && !dropPageCache())
            return 2;
        for (const Phase& phase : phases) {
            const bool isWanted = all || wanted.contains(QLatin1String(phase.name));
            const bool needed = isWanted || qstrcmp(phase.name, "scan") == 0
                || (qstrcmp(phase.name, "extract") == 0 && qstrcmp(last->name, "scan") != 0);
            if (needed)
                measure(phase, isWanted && soak == 0);
            if (qstrcmp(phase.name, "scan") == 0 && parser.isSet("list") && run == 0)
                writeFileList(window, parser.value("list"));
            if (&phase == &*last)
                break;
        }
        if (soak > 0) {
            std::printf("{\"soak_run\":%d,\"rss_mb\":%.1f,\"peak_rss_mb\":%.1f}\n", run + 1,
                        currentResidentMb(), peakResidentMb());
            std::fflush(stdout);
        }
    }
    return 0;
}
