#include "control_state.h"

#include <charconv>

namespace service {
namespace {

std::optional<int> ReadInt(const std::multimap<std::string, std::string>& params,
                           const std::string& key, int fallback, int min, int max) {
  const auto found = params.find(key);
  if (found == params.end()) return fallback;
  const std::string& digits = found->second;
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < min || value > max) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<PlannedAnswer> ReadPlannedAnswer(const std::multimap<std::string, std::string>& params,
                                               std::string body) {
  PlannedAnswer answer;
  const std::optional<int> status = ReadInt(params, "status", answer.status, 100, 599);
  const std::optional<int> delayMs = ReadInt(params, "delay_ms", 0, 0, kMaxDelayMs);
  const std::optional<int> close = ReadInt(params, "close", 0, 0, 1);
  if (!status || !delayMs || !close) return std::nullopt;
  answer.status = *status;
  answer.delayMs = *delayMs;
  answer.closeConnection = *close == 1;
  const auto contentType = params.find("content_type");
  if (contentType != params.end()) answer.contentType = contentType->second;
  answer.body = std::move(body);
  return answer;
}

void ControlState::Reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  planned_.clear();
  recorded_.clear();
}

void ControlState::Plan(PlannedAnswer answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  planned_.push_back(std::move(answer));
}

std::optional<PlannedAnswer> ControlState::TakeNext() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (planned_.empty()) return std::nullopt;
  PlannedAnswer next = std::move(planned_.front());
  planned_.pop_front();
  return next;
}

void ControlState::Record(std::string requestLine) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (recorded_.size() == kMaxRecordedLines) recorded_.pop_front();
  recorded_.push_back(std::move(requestLine));
}

std::string ControlState::RecordedLines() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string lines;
  for (const std::string& line : recorded_) {
    lines += line;
    lines += '\n';
  }
  return lines;
}

}  // namespace service
