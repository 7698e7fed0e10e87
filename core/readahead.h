#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

class FolderListing;
class TextReader;

// Reads files of a folder held open ahead of their use, on a few threads of its own, in batches:
// opening, reading and closing thousands of small files is most of what a listing costs, and the
// system does that for several files side by side. The files are handed out one by one in the order
// given, on the thread that asks, so whatever is done with them is done in that order.
class FilesReadAhead {
public:
    // The files `names` (as stored) of the folder `listing` holds open, whose path is `folder` (ending
    // in "/"), read through `reader`, whose readIn is called from several threads at once.
    FilesReadAhead(const FolderListing& listing, QString folder, std::vector<QByteArray> names,
                   const TextReader& reader);
    ~FilesReadAhead();
    FilesReadAhead(const FilesReadAhead&) = delete;
    FilesReadAhead& operator=(const FilesReadAhead&) = delete;

    struct File {
        QString path;         // the folder and the name
        bool read = false;    // false when it could not be opened or read
        QByteArrayView bytes; // its bytes as stored, valid until the next call of next()
    };
    // The next file of `names`, waiting until it has been read; called once for each name.
    File next();

private:
    struct Batch {
        QByteArray bytes;            // the files' bytes one after another
        std::vector<qsizetype> ends; // where each file's bytes end in `bytes`
        std::vector<QString> paths;
        std::vector<bool> read;
        bool ready = false;
    };

    Batch readBatch(std::size_t index, QByteArray& buffer) const;
    void work();

    const FolderListing& m_listing;
    const QString m_folder;
    const std::vector<QByteArray> m_names;
    const TextReader& m_reader;
    std::vector<Batch> m_batches;
    std::size_t m_next = 0; // the index in m_names of the file next() hands out next
    QByteArray m_buffer;    // when no thread of its own reads

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_nextToRead = 0; // the batch the next free thread reads
    std::size_t m_consumed = 0;   // the batches handed out and dropped
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};
