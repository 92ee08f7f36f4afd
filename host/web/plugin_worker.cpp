#include "plugin_worker.h"

#include <boost/asio/post.hpp>

namespace mirado::web {

PluginWorker::PluginWorker(const host::ChatTurn& turn, boost::asio::io_context& home)
    : turn_(turn), home_(home), thread_([this] { Run(); }) {}

PluginWorker::~PluginWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  ready_.notify_one();
  thread_.join();
}

void PluginWorker::Submit(std::function<host::TurnResult(const host::ChatTurn&)> call,
                          std::function<void(host::TurnResult)> done) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back({std::move(call), std::move(done)});
  }
  ready_.notify_one();
}

void PluginWorker::Run() {
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      ready_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (jobs_.empty()) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    host::TurnResult result = job.call(turn_);
    boost::asio::post(home_,
                      [done = std::move(job.done), result = std::move(result)]() mutable { done(std::move(result)); });
  }
}

}  // namespace mirado::web
