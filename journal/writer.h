#pragma once
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "entry.h"
#include "journal_file.h"

namespace baralune::journal {

// Records readings on a thread of its own, with its own connection, so whoever shows a reading
// never waits on the disk. The thread starts with the first reading posted.
class Writer {
 public:
  // Something the user should hear of: how the journal was found the first time it was used
  // (anything but Ready, or a new one begun because it vanished), or `failure`, why a reading
  // could not be kept; or, with `kept`, that a reading was kept (a list of the readings shown
  // may want it). Called on the writer's thread.
  struct Report {
    QString path;
    Preparation preparation;
    QString failure;
    bool kept = false;
  };
  using Reporter = std::function<void(const Report&)>;

  // Ending waits at most `exitWait` for the readings still queued; then the thread is left to
  // finish alone, so that the program always ends.
  explicit Writer(Reporter reporter,
                  std::chrono::milliseconds exitWait = std::chrono::milliseconds(5000));
  ~Writer();
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  // The journal's number for a reading posted: 0 until it is kept, -1 if it could not be.
  using Key = std::shared_ptr<std::atomic<std::int64_t>>;
  static Key KeyOf(std::int64_t id) { return std::make_shared<std::atomic<std::int64_t>>(id); }

  // Queues `entry` for the journal at `path`; its key is filled in once it is written.
  Key Post(const QString& path, Entry entry);
  // Queues `notes` for the reading of `key` in the journal at `path`. Jobs are done in order, so
  // notes on a reading just posted wait for it to be kept.
  void PostNotes(const QString& path, Key key, QString notes);
  // Returns once every reading posted so far has been written or given up.
  void WaitUntilIdle();

 private:
  struct Job {
    QString path;
    Key key;
    std::optional<Entry> entry;  // a reading to keep, or else notes for the one of `key`
    QString notes;
  };
  // Shared with the thread, which may outlive the Writer when it had to be left behind.
  struct State {
    Reporter reporter;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Job> jobs;
    bool busy = false;
    bool stopping = false;
    bool finished = false;
    bool abandoned = false;  // no one listens to reports any more
  };
  static void Run(const std::shared_ptr<State>& state);
  void Queue(Job job);
  static void Write(State& state, const Job& job, std::unique_ptr<Connection>& connection);

  std::shared_ptr<State> m_state;
  std::chrono::milliseconds m_exitWait;
  std::thread m_thread;
};

}  // namespace baralune::journal
