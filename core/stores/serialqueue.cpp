#include "stores/serialqueue.h"

#include <QThread>

SerialQueue::SerialQueue(const QString &label)
{
    m_thread = QThread::create([this] { run(); });
    m_thread->setObjectName(label);
    m_thread->start();
}

SerialQueue::~SerialQueue()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread->wait();
    delete m_thread;
}

void SerialQueue::async(std::function<void()> job)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

bool SerialQueue::isCurrentThread() const
{
    return QThread::currentThread() == m_thread;
}

void SerialQueue::run()
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}
