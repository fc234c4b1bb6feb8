#pragma once

// Layer files: files and folders on disk; uses base and Qt Core.
//
// The folder walk's read-ahead: the folders waiting next are read in batches on worker
// threads, so the walk finds each folder read when it comes to it. Used by the walk only.

#include "files/FolderEntries.h"
#include "files/ReadAhead.h"

#include <QByteArray>

#include <deque>
#include <functional>
#include <vector>

#include <sys/stat.h>

namespace quillfen::folders {

struct PendingFolder {
    QByteArray path; // as the file system takes it, ends in the separator
    struct stat parent {};
    bool chosen = false; // the folder the walk started from
};

// The path with its doubled separators removed, whatever its bytes.
QByteArray withoutDoubledSeparators(const QByteArray& path);

FolderJob jobFor(const PendingFolder& folder, bool namesNotUtf8);

// Hands the walk the listing of each folder it reaches, read ahead in batches of the folders
// waiting next. A listing is used only for the folder it was read for and only under the
// generation it was asked under; otherwise the folder and those after it are read again.
class Listings {
public:
    Listings(const NamePatterns& pattern, bool namesNotUtf8)
        : m_pattern(pattern)
        , m_namesNotUtf8(namesNotUtf8)
        , m_ahead(
              [&pattern](const Batch& batch, const std::atomic<bool>& cancelled) {
                  std::vector<FolderListing> listings;
                  for (const FolderJob& job : batch) {
                      if (cancelled)
                          break;
                      listings.push_back(readFolder(job, pattern, cancelled));
                  }
                  return listings;
              },
              kReadingThreads)
    {
    }

    // The listing of `folder`, just taken from the front of `waiting`, read under `generation`.
    FolderListing of(const PendingFolder& folder, const std::deque<PendingFolder>& waiting,
                     quint64 generation, const std::function<void()>& whileWaiting)
    {
        const QByteArray& path = folder.path;
        if (m_covered > 0)
            --m_covered;
        const bool inBatch = m_used < m_batch.size() && m_jobs[m_used].path == path;
        if (inBatch && m_generation != generation) {
            // Read before the window processed events: read again, here and quickly, as the
            // reader has just brought it into the cache. The batches asked after it stay.
            return readFolder(m_jobs[m_used++], m_pattern, kGoOn);
        }
        if (!inBatch) {
            const auto startsHere = [&](const Batch& batch) { return batch.front().path == path; };
            m_ahead.renew(generation);
            auto taken = m_ahead.take(generation, startsHere, whileWaiting);
            if (!taken) {
                // Alone: the folders after it are read in batches while it is used.
                m_covered = 0;
                m_ahead.ask(Batch{jobFor(folder, m_namesNotUtf8)}, generation);
                taken = m_ahead.take(generation, startsHere, whileWaiting);
            }
            m_jobs = std::move(taken->first);
            m_batch = std::move(taken->second);
            m_used = 0;
            m_generation = generation;
            while (m_ahead.asked() < kBatchesAhead && m_covered < waiting.size()) {
                Batch batch;
                addJobs(batch, waiting);
                m_ahead.ask(std::move(batch), generation);
            }
        }
        return std::move(m_batch[m_used++]);
    }

private:
    using Batch = std::vector<FolderJob>;

    // Fills `batch` from the waiting folders not yet asked for.
    void addJobs(Batch& batch, const std::deque<PendingFolder>& waiting)
    {
        while (batch.size() < kFoldersPerBatch && m_covered < waiting.size())
            batch.push_back(jobFor(waiting[m_covered++], m_namesNotUtf8));
    }

    // Reading a folder is mostly the kernel's work and outweighs what the walk does with it;
    // on a cold cache it also waits on the disk. Three threads: measured, two leave the cold
    // scan a fifth slower and four cost the warm one a tenth. Small batches: the walk waits
    // for the whole batch its next folder is in.
    static constexpr int kReadingThreads = 3;
    static constexpr std::size_t kFoldersPerBatch = 4;
    static constexpr std::size_t kBatchesAhead = 8;

    const NamePatterns& m_pattern;
    bool m_namesNotUtf8;
    Batch m_jobs; // the batch in use, and what was read for it
    std::vector<FolderListing> m_batch;
    std::size_t m_used = 0;
    quint64 m_generation = 0;
    std::size_t m_covered = 0; // the waiting folders, from the front, that batches were asked for
    ReadAhead<Batch, std::vector<FolderListing>> m_ahead;
};

} // namespace quillfen::folders
