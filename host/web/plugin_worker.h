// The thread the plug-in runs on. The plug-in's calls must never overlap,
// and a slow one (a stored setting, a long line) must not hold up the
// network, so every chat turn is queued here and run in order on one thread
// of its own; its result is handed back to the network's thread in the
// same order. Nothing else calls the plug-in.
#ifndef MIRADO_HOST_WEB_PLUGIN_WORKER_H_
#define MIRADO_HOST_WEB_PLUGIN_WORKER_H_

#include <boost/asio/io_context.hpp>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "chat_turn.h"

namespace mirado::web {

class PluginWorker {
 public:
  // `turn` must outlive the worker; results are posted to `home`.
  PluginWorker(const host::ChatTurn& turn, boost::asio::io_context& home);
  // Waits for the queued turns to finish, then stops the thread.
  ~PluginWorker();
  PluginWorker(const PluginWorker&) = delete;
  PluginWorker& operator=(const PluginWorker&) = delete;

  // Runs `call` with the chat turn on the plug-in's thread, then `done`
  // with its result on the home thread. Calls run in the order submitted.
  void Submit(std::function<host::TurnResult(const host::ChatTurn&)> call, std::function<void(host::TurnResult)> done);

 private:
  struct Job {
    std::function<host::TurnResult(const host::ChatTurn&)> call;
    std::function<void(host::TurnResult)> done;
  };
  void Run();

  const host::ChatTurn& turn_;
  boost::asio::io_context& home_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Job> jobs_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace mirado::web

#endif  // MIRADO_HOST_WEB_PLUGIN_WORKER_H_
