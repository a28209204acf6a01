#include "writer.h"

#include <QSqlError>
#include <memory>

#include "readings.h"

namespace baralune::journal {

Writer::Writer(Reporter reporter) : m_reporter(std::move(reporter)) {}

Writer::~Writer() {
  {
    const std::lock_guard lock(m_mutex);
    m_stopping = true;
  }
  m_wake.notify_all();
  if (m_thread.joinable()) m_thread.join();
}

void Writer::Post(const QString& path, Entry entry) {
  {
    const std::lock_guard lock(m_mutex);
    m_jobs.push_back({path, std::move(entry)});
    if (!m_thread.joinable()) m_thread = std::thread([this] { Run(); });
  }
  m_wake.notify_one();
}

void Writer::WaitUntilIdle() {
  std::unique_lock lock(m_mutex);
  m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

void Writer::Run() {
  std::unique_ptr<Connection> connection;
  std::unique_lock lock(m_mutex);
  for (;;) {
    m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
    if (m_jobs.empty()) break;  // stopping, and everything written
    const Job job = std::move(m_jobs.front());
    m_jobs.pop_front();
    m_busy = true;
    lock.unlock();
    Write(job, connection);
    lock.lock();
    m_busy = false;
    if (m_jobs.empty()) m_idle.notify_all();
  }
  connection.reset();  // on the thread that opened it
}

void Writer::Write(const Job& job, std::unique_ptr<Connection>& connection) {
  bool first = false;
  const Preparation preparation = PrepareOnce(job.path, &first);
  if (first && preparation.condition != Preparation::Condition::Ready) {
    m_reporter({job.path, preparation, {}});
  }
  if (!preparation.Writable()) return;
  if (connection == nullptr || connection->Path() != job.path) {
    connection.reset();
    connection = std::make_unique<Connection>(job.path, false);
  }
  QString why = connection->IsOpen() ? Insert(connection->Db(), job.entry)
                                     : connection->Db().lastError().text();
  if (!why.isEmpty()) {
    connection.reset();  // opened afresh for the next reading
    m_reporter({job.path, preparation, why});
  } else {
    m_reporter({job.path, preparation, {}, true});
  }
}

}  // namespace baralune::journal
