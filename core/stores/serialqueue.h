#pragma once

#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

class QThread;

// One worker thread that runs submitted jobs one after another, in submission order.
class SerialQueue {
public:
    explicit SerialQueue(const QString &label);
    // Runs the jobs already submitted, then stops the thread.
    ~SerialQueue();

    SerialQueue(const SerialQueue &) = delete;
    SerialQueue &operator=(const SerialQueue &) = delete;

    void async(std::function<void()> job);

    // Waits for everything submitted before, then for the job itself. Must not be called
    // from a job of the same queue.
    template <typename F> auto sync(F job) -> decltype(job())
    {
        using Result = decltype(job());
        std::packaged_task<Result()> task(std::move(job));
        std::future<Result> future = task.get_future();
        async([&task] { task(); });
        return future.get();
    }

    bool isCurrentThread() const;

private:
    void run();

    QThread *m_thread = nullptr;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
};
