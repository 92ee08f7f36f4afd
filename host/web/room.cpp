#include "room.h"

#include <algorithm>

namespace mirado::web {

std::string EventFrame(const RoomEvent& event) {
  return "id: " + std::to_string(event.id) + "\ndata: " + EventJson(event, false) + "\n\n";
}

std::string GapFrame(uint64_t after, uint64_t oldest) {
  return "event: gap\ndata: {\"after\":" + std::to_string(after) + ",\"oldest\":" + std::to_string(oldest) + "}\n\n";
}

Room::Room(std::string channel, std::unique_ptr<RoomLog> log, HistoryLimits limits)
    : channel_(std::move(channel)), log_(std::move(log)), limits_(limits) {
  if (!log_) return;
  for (RoomEvent& event : log_->Read(limits_.events)) Keep(std::move(event));
  last_id_ = std::max(last_id_, log_->last_id());
}

void Room::Keep(RoomEvent event) {
  last_id_ = event.id;
  auto frame = std::make_shared<const std::string>(EventFrame(event));
  history_bytes_ += frame->size();
  history_.push_back({std::move(event), std::move(frame)});
  while (history_.size() > limits_.events || (history_bytes_ > limits_.bytes && history_.size() > 1)) {
    history_bytes_ -= history_.front().frame->size();
    history_.pop_front();
  }
}

bool Room::Publish(std::vector<RoomEvent>* events, int64_t now_ms, std::string* error) {
  std::vector<const RoomEvent*> batch;
  uint64_t id = last_id_;
  for (RoomEvent& event : *events) {
    event.id = ++id;
    event.time_ms = now_ms;
    batch.push_back(&event);
  }
  if (log_ && !log_->Append(batch, error)) return false;
  for (const RoomEvent& event : *events) {
    Keep(event);
    const Stored& stored = history_.back();
    for (const Stream& stream : streams_) {
      if (event.VisibleTo(stream.viewer)) stream.sink->Send(stored.frame);
    }
  }
  return true;
}

void Room::Subscribe(const std::shared_ptr<EventSink>& sink, const Viewer& viewer, uint64_t after) {
  if (after > last_id_) after = 0;
  if (after + 1 < oldest_id()) {
    sink->Send(std::make_shared<const std::string>(GapFrame(after, oldest_id())));
  }
  for (const Stored& stored : history_) {
    if (stored.event.id > after && stored.event.VisibleTo(viewer)) sink->Send(stored.frame);
  }
  streams_.push_back({sink, viewer});
}

void Room::Unsubscribe(const EventSink* sink) {
  streams_.erase(
      std::remove_if(streams_.begin(), streams_.end(), [&](const Stream& s) { return s.sink.get() == sink; }),
      streams_.end());
}

std::vector<RoomEvent> Room::History(const Viewer& viewer) const {
  std::vector<RoomEvent> events;
  for (const Stored& stored : history_) {
    if (stored.event.VisibleTo(viewer)) events.push_back(stored.event);
  }
  return events;
}

}  // namespace mirado::web
