#include "readahead.h"

#include "filelisting.h"
#include "textreader.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr std::size_t kBatchFiles = 128;
// How many batches the threads may read before the one handed out: a bound on the memory held.
constexpr std::size_t kBatchesAhead = 8;
// The system opens files side by side well up to a few threads; the rest of the machine keeps its
// other cores.
constexpr unsigned kMostThreads = 3;

} // namespace

FilesReadAhead::FilesReadAhead(const FolderListing& listing, QString folder, std::vector<QByteArray> names,
                               const TextReader& reader)
    : m_listing(listing)
    , m_folder(std::move(folder))
    , m_names(std::move(names))
    , m_reader(reader)
    , m_batches((m_names.size() + kBatchFiles - 1) / kBatchFiles)
{
    // A single batch is read where it is asked for.
    if (m_batches.size() < 2)
        return;
    const unsigned cores = std::thread::hardware_concurrency();
    const unsigned threads = std::clamp(cores > 1 ? cores - 1 : 1u, 1u, kMostThreads);
    for (unsigned i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { work(); });
}

FilesReadAhead::~FilesReadAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

FilesReadAhead::Batch FilesReadAhead::readBatch(std::size_t index, QByteArray& buffer) const
{
    const std::size_t first = index * kBatchFiles;
    const std::size_t last = std::min(first + kBatchFiles, m_names.size());
    Batch batch;
    batch.ends.reserve(last - first);
    batch.paths.reserve(last - first);
    batch.read.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        QString path = m_folder + QFile::decodeName(m_names[i]);
        const bool read = m_reader.readIn(m_listing, m_names[i], path, buffer);
        if (read)
            batch.bytes += buffer;
        batch.ends.push_back(batch.bytes.size());
        batch.paths.push_back(std::move(path));
        batch.read.push_back(read);
    }
    batch.ready = true;
    return batch;
}

void FilesReadAhead::work()
{
    QByteArray buffer;
    for (;;) {
        std::size_t index = 0;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] {
                return m_stop || m_nextToRead >= m_batches.size() || m_nextToRead < m_consumed + kBatchesAhead;
            });
            if (m_stop || m_nextToRead >= m_batches.size())
                return;
            index = m_nextToRead++;
        }
        Batch batch = readBatch(index, buffer);
        {
            const std::lock_guard lock(m_mutex);
            m_batches[index] = std::move(batch);
        }
        m_changed.notify_all();
    }
}

FilesReadAhead::File FilesReadAhead::next()
{
    const std::size_t index = m_next / kBatchFiles;
    const std::size_t inBatch = m_next % kBatchFiles;
    if (inBatch == 0) {
        if (index > 0) {
            m_batches[index - 1] = Batch();
            {
                const std::lock_guard lock(m_mutex);
                m_consumed = index;
            }
            m_changed.notify_all();
        }
        if (m_threads.empty()) {
            m_batches[index] = readBatch(index, m_buffer);
        } else {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_batches[index].ready; });
        }
    }
    ++m_next;
    const Batch& batch = m_batches[index];
    const qsizetype start = inBatch == 0 ? 0 : batch.ends[inBatch - 1];
    return {batch.paths[inBatch], batch.read[inBatch],
            QByteArrayView(batch.bytes).sliced(start, batch.ends[inBatch] - start)};
}
