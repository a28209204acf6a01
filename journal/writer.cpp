#include "writer.h"

#include <QSqlError>
#include <memory>

#include "readings.h"
#include "sql_reason.h"

namespace baralune::journal {

Writer::Writer(Reporter reporter, std::chrono::milliseconds exitWait)
    : m_state(std::make_shared<State>()), m_exitWait(exitWait) {
  m_state->reporter = std::move(reporter);
}

Writer::~Writer() {
  std::unique_lock lock(m_state->mutex);
  m_state->stopping = true;
  m_state->wake.notify_all();
  if (!m_thread.joinable()) return;
  if (m_state->idle.wait_for(lock, m_exitWait, [this] { return m_state->finished; })) {
    lock.unlock();
    m_thread.join();
    return;
  }
  // Stuck on the file system: waiting longer would keep the program from ending.
  m_state->abandoned = true;
  qWarning("Baralune: %d reading(s) not yet written to the journal when the program ended",
           static_cast<int>(m_state->jobs.size()) + (m_state->busy ? 1 : 0));
  lock.unlock();
  m_thread.detach();
}

Writer::Key Writer::Post(const QString& path, Entry entry) {
  Key key = KeyOf(0);
  Queue({path, key, std::move(entry), {}});
  return key;
}

void Writer::PostNotes(const QString& path, Key key, QString notes) {
  {
    // Notes not yet written are replaced by the newer ones: only the last text matters.
    const std::lock_guard lock(m_state->mutex);
    for (Job& job : m_state->jobs) {
      if (!job.entry && job.key == key && job.path == path) {
        job.notes = std::move(notes);
        return;
      }
    }
  }
  Queue({path, std::move(key), std::nullopt, std::move(notes)});
}

void Writer::Queue(Job job) {
  {
    const std::lock_guard lock(m_state->mutex);
    m_state->jobs.push_back(std::move(job));
    if (!m_thread.joinable()) m_thread = std::thread([state = m_state] { Run(state); });
  }
  m_state->wake.notify_one();
}

void Writer::WaitUntilIdle() {
  std::unique_lock lock(m_state->mutex);
  m_state->idle.wait(lock, [this] { return m_state->jobs.empty() && !m_state->busy; });
}

void Writer::Run(const std::shared_ptr<State>& state) {
  std::unique_ptr<Connection> connection;
  std::unique_lock lock(state->mutex);
  for (;;) {
    state->wake.wait(lock, [&] { return state->stopping || !state->jobs.empty(); });
    if (state->jobs.empty()) break;  // stopping, and everything written
    const Job job = std::move(state->jobs.front());
    state->jobs.pop_front();
    state->busy = true;
    lock.unlock();
    Write(*state, job, connection);
    lock.lock();
    state->busy = false;
    if (state->jobs.empty()) state->idle.notify_all();
  }
  lock.unlock();
  connection.reset();  // on the thread that opened it
  lock.lock();
  state->finished = true;
  state->idle.notify_all();
}

void Writer::Write(State& state, const Job& job, std::unique_ptr<Connection>& connection) {
  auto report = [&state](const Report& what) {
    {
      const std::lock_guard lock(state.mutex);
      if (state.abandoned) return;
    }
    state.reporter(what);
  };
  // A connection to a journal deleted since is closed before a new journal takes the name.
  if (connection != nullptr && connection->Identity() != IdentityOf(job.path)) connection.reset();
  bool first = false;
  const Preparation preparation = PrepareOnce(job.path, &first);
  if (first && (preparation.condition != Preparation::Condition::Ready || preparation.renewed)) {
    report({job.path, preparation, {}});
  }
  if (!preparation.Writable()) {
    if (job.entry) job.key->store(-1);
    return;
  }
  // A journal deleted or replaced since this connection opened it is not written through it.
  if (connection == nullptr || connection->Path() != job.path ||
      connection->Identity() != preparation.identity) {
    connection.reset();
    connection = std::make_unique<Connection>(job.path, false);
  }
  QString why;
  if (!connection->IsOpen()) {
    why = SqlReason(connection->Db().lastError());
  } else if (job.entry) {
    std::int64_t id = 0;
    why = Insert(connection->Db(), *job.entry, &id);
    if (why.isEmpty()) job.key->store(id);
  } else if (const std::int64_t id = job.key->load(); id > 0) {
    why = SetNotes(connection->Db(), id, job.notes);
  } else {
    return;  // the reading itself could not be kept, and that was told
  }
  if (!why.isEmpty()) {
    if (job.entry) job.key->store(-1);
    connection.reset();  // opened afresh for the next reading
    report({job.path, preparation, why});
  } else {
    report({job.path, preparation, {}, true});
  }
}

}  // namespace baralune::journal
