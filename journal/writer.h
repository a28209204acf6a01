#pragma once
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
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

  // Queues `entry` for the journal at `path`.
  void Post(const QString& path, Entry entry);
  // Returns once every reading posted so far has been written or given up.
  void WaitUntilIdle();

 private:
  struct Job {
    QString path;
    Entry entry;
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
  static void Write(State& state, const Job& job, std::unique_ptr<Connection>& connection);

  std::shared_ptr<State> m_state;
  std::chrono::milliseconds m_exitWait;
  std::thread m_thread;
};

}  // namespace baralune::journal
