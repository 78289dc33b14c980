#include "documents/working_copy_writer.h"

#include "documents/durable_file.h"
#include "errorreport/io_error.h"

#include <QHash>
#include <QObject>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace WorkingCopyWriter {

namespace {

struct TJob {
    QString path;
    QString rawText;
    Codec::TextEncoding encoding;
};

class TWriter
{
public:
    TWriter() : m_notifier(new QObject) {}

    ~TWriter()
    {
        // A write handed over just before the end still reaches the disk.
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_work.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        delete m_notifier;
    }

    void Enqueue(TJob job)
    {
        {
            std::lock_guard lock(m_mutex);
            bool replaced = false;
            for (TJob &queued : m_queue) {
                if (queued.path == job.path) {
                    queued = std::move(job);
                    replaced = true;
                    break;
                }
            }
            if (!replaced)
                m_queue.push_back(std::move(job));
            if (!m_thread.joinable())
                m_thread = std::thread([this] { Run(); });
        }
        m_work.notify_one();
    }

    std::optional<QString> PendingText(const QString &path)
    {
        std::lock_guard lock(m_mutex);
        for (const TJob &j : m_queue) {
            if (j.path == path)
                return j.rawText; // at most one queued per file, and newer than a running one
        }
        if (m_busy && m_running == path)
            return m_runningText;
        return std::nullopt;
    }

    void Wait(const QString &path)
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [&] { return !Pending(path); });
    }

    void WaitAll()
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [&] { return m_queue.empty() && !m_busy; });
    }

    void WriteNow(const QString &path, const QByteArray &bytes)
    {
        {
            std::unique_lock lock(m_mutex);
            std::erase_if(m_queue, [&](const TJob &j) { return j.path == path; });
            m_idle.wait(lock, [&] { return !Pending(path); });
        }
        DurableFile::Write(path, bytes);
        std::lock_guard lock(m_mutex);
        m_failures.remove(path);
    }

    std::optional<TUnwritten> Take(const QString &path)
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [&] { return !Pending(path); });
        const auto it = m_failures.find(path);
        if (it == m_failures.end())
            return std::nullopt;
        TUnwritten held = std::move(*it);
        m_failures.erase(it);
        return held;
    }

    void Flush(const QString &path)
    {
        TUnwritten held;
        {
            std::unique_lock lock(m_mutex);
            m_idle.wait(lock, [&] { return !Pending(path); });
            const auto it = m_failures.constFind(path);
            if (it == m_failures.constEnd())
                return;
            held = *it;
        }
        // Only this thread queues writes, so nothing for path can start
        // while it writes the held text itself.
        try {
            DurableFile::Write(path, Codec::EncodeEditorText(held.rawText, held.encoding));
        } catch (const EInOutError &e) {
            std::lock_guard lock(m_mutex);
            const auto it = m_failures.find(path);
            if (it != m_failures.end()) {
                it->reported = true;
                it->systemMessage = e.systemMessage();
            }
            throw;
        }
        std::lock_guard lock(m_mutex);
        m_failures.remove(path);
    }

    void Discard(const QString &path)
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [&] { return !Pending(path); });
        m_failures.remove(path);
    }

    void DiscardAll()
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [&] { return m_queue.empty() && !m_busy; });
        m_failures.clear();
    }

    void SetFailureHandler(std::function<void(const QString &, const QString &)> handler)
    {
        m_handler = std::move(handler);
    }

private:
    // With m_mutex held.
    bool Pending(const QString &path) const
    {
        if (m_busy && m_running == path)
            return true;
        for (const TJob &j : m_queue) {
            if (j.path == path)
                return true;
        }
        return false;
    }

    void Run()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_work.wait(lock, [&] { return m_stop || !m_queue.empty(); });
            if (m_queue.empty())
                return; // stopping, and everything handed over is written
            TJob job = std::move(m_queue.front());
            m_queue.pop_front();
            m_running = job.path;
            m_runningText = job.rawText;
            m_busy = true;
            lock.unlock();

            QString error;
            bool failed = false;
            try {
                DurableFile::Write(job.path, Codec::EncodeEditorText(job.rawText, job.encoding));
            } catch (const EInOutError &e) {
                failed = true;
                error = e.systemMessage();
            } catch (const std::exception &e) {
                failed = true;
                error = QString::fromLocal8Bit(e.what());
            }

            lock.lock();
            m_busy = false;
            m_running.clear();
            m_runningText.clear();
            if (failed) {
                // The text stays here: it is on no disk and no longer in the editor.
                m_failures.insert(job.path, TUnwritten{std::move(job.rawText), job.encoding, job.path, error, false});
                const QString path = job.path;
                QMetaObject::invokeMethod(m_notifier, [this, path] { Failed(path); }, Qt::QueuedConnection);
            } else {
                m_failures.remove(job.path); // an older failure of the file is made good
            }
            m_idle.notify_all();
        }
    }

    // On the user-interface thread.
    void Failed(const QString &path)
    {
        if (!m_handler)
            return;
        QString message;
        {
            std::lock_guard lock(m_mutex);
            const auto it = m_failures.find(path);
            if (it == m_failures.end() || it->reported)
                return;
            it->reported = true;
            message = it->systemMessage;
        }
        m_handler(path, message);
    }

    std::mutex m_mutex;
    std::condition_variable m_work; // a job was queued or the writer stops
    std::condition_variable m_idle; // a job was finished
    std::deque<TJob> m_queue;
    QString m_running;
    QString m_runningText;
    bool m_busy = false;
    bool m_stop = false;
    QHash<QString, TUnwritten> m_failures;
    std::thread m_thread;
    QObject *m_notifier; // lives on the first user's thread: failures are told there
    std::function<void(const QString &, const QString &)> m_handler;
};

TWriter &Writer()
{
    static TWriter writer;
    return writer;
}

} // namespace

void Enqueue(const QString &path, const QString &rawText, Codec::TextEncoding encoding)
{
    Writer().Enqueue({path, rawText, encoding});
}

std::optional<QString> PendingText(const QString &path)
{
    return Writer().PendingText(path);
}

void Wait(const QString &path)
{
    Writer().Wait(path);
}

void WaitAll()
{
    Writer().WaitAll();
}

void WriteNow(const QString &path, const QByteArray &bytes)
{
    Writer().WriteNow(path, bytes);
}

std::optional<TUnwritten> TakeUnwritten(const QString &path)
{
    return Writer().Take(path);
}

void Flush(const QString &path)
{
    Writer().Flush(path);
}

void Discard(const QString &path)
{
    Writer().Discard(path);
}

void DiscardAll()
{
    Writer().DiscardAll();
}

void SetFailureHandler(std::function<void(const QString &path, const QString &systemMessage)> handler)
{
    Writer().SetFailureHandler(std::move(handler));
}

} // namespace WorkingCopyWriter
