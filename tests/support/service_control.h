#pragma once
// Drives the stand-in translation service (service/, lexorin-service) from a Windows test
// program, through its control endpoints on loopback HTTP:
//   POST /control/reset      back to sample answers; forget planned answers and requests
//   POST /control/next       plan the answer to the next request
//   GET  /control/requests   the raw request lines received since the last reset
// Every request outside /control/ is recorded and takes the next planned answer, in the
// order planned; when none is left the service gives its sample answer again (or 400 and
// an "Argument Exception" page for a bad request). Calls never throw; they return false or nullopt
// when the service cannot be reached or refuses the request.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace service_control {

struct PlannedAnswer {
  int status = 200;
  std::string contentType = "application/xml; charset=utf-8";
  std::string body;               // sent as it is: UTF-8 for the default content type
  int delayMs = 0;                // the service waits this long first (at most 60000)
  bool closeConnection = false;   // headers only, then the connection is dropped
};

// A V2 answer document around content (UTF-8, taken as it is: escape it yourself).
std::string V2AnswerBody(std::string_view content);

class ServiceControl {
 public:
  // host is "name:port", as the program's LEXORIN_SERVICE_HOST.
  explicit ServiceControl(std::string host = "127.0.0.1:18080");

  bool Reset() const;
  bool Plan(const PlannedAnswer& answer) const;
  // Request lines such as "GET /v2/Http.svc/Translate?appId=... HTTP/1.1", oldest first.
  std::optional<std::vector<std::string>> RequestLines() const;

 private:
  std::string host_;
};

}  // namespace service_control
