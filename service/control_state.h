#pragma once
// What the tests tell the service: the answers to give next, and the request lines it has
// received. Shared by the server's worker threads.
#include <cstddef>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace service {

struct PlannedAnswer {
  int status = 200;
  std::string contentType = "application/xml; charset=utf-8";
  std::string body;
  int delayMs = 0;               // wait before answering
  bool closeConnection = false;  // send the headers, then drop the connection
};

constexpr int kMaxDelayMs = 60000;

// Reads POST /control/next's query parameters (status, delay_ms, content_type, close=1)
// and its body; nullopt for a value out of range or not a number.
std::optional<PlannedAnswer> ReadPlannedAnswer(const std::multimap<std::string, std::string>& params,
                                               std::string body);

class ControlState {
 public:
  // Back to the default mode: no planned answers, no recorded lines.
  void Reset();
  void Plan(PlannedAnswer answer);
  // The oldest planned answer, taken off the queue; nullopt in the default mode.
  std::optional<PlannedAnswer> TakeNext();
  void Record(std::string requestLine);
  // The recorded request lines, oldest first, each ended by "\n".
  std::string RecordedLines() const;

 private:
  // Old lines are dropped past this count, so a long-running service keeps its size.
  static constexpr std::size_t kMaxRecordedLines = 1000;

  mutable std::mutex mutex_;
  std::deque<PlannedAnswer> planned_;
  std::deque<std::string> recorded_;
};

}  // namespace service
