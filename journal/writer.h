#pragma once
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
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
  // (anything but Ready), or `failure`, why a reading could not be kept; or, with `kept`, that a
  // reading was kept (a list of the readings shown may want it). Called on the writer's thread.
  struct Report {
    QString path;
    Preparation preparation;
    QString failure;
    bool kept = false;
  };
  using Reporter = std::function<void(const Report&)>;

  explicit Writer(Reporter reporter);
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
  void Run();
  void Write(const Job& job, std::unique_ptr<class Connection>& connection);

  Reporter m_reporter;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::condition_variable m_idle;
  std::deque<Job> m_jobs;
  bool m_busy = false;
  bool m_stopping = false;
  std::thread m_thread;
};

}  // namespace baralune::journal
