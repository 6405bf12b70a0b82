#include "http_routes.h"

#include <chrono>
#include <optional>
#include <thread>

#include "answer_text.h"
#include "translate_request.h"

namespace service {
namespace {

void SendPlanned(const PlannedAnswer& planned, httplib::Response& res) {
  if (planned.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(planned.delayMs));
  res.status = planned.status;
  if (planned.closeConnection) {
    // The headers announce a body that never comes: the provider refuses to write it and
    // the server drops the connection.
    res.set_content_provider(planned.body.size() + 1, planned.contentType,
                             [](std::size_t, std::size_t, httplib::DataSink&) { return false; });
    return;
  }
  res.set_content(planned.body, planned.contentType);
}

void AnswerTranslate(ControlState& state, const LogLine& log, const httplib::Request& req,
                     httplib::Response& res) {
  const std::string requestLine = req.method + " " + req.target + " " + req.version;
  state.Record(requestLine);
  if (const std::optional<PlannedAnswer> planned = state.TakeNext()) {
    log("planned answer (status " + std::to_string(planned->status) + ") to: " + requestLine);
    SendPlanned(*planned, res);
    return;
  }
  const RequestCheck check = CheckTranslateTarget(req.target);
  if (req.method != "GET" || !check.request) {
    const std::string parameter = check.request ? "method" : check.parameter;
    const std::string message = check.request ? "only GET is supported" : check.message;
    log("refused (" + message + "): " + requestLine);
    res.status = 400;
    res.set_content(ArgumentExceptionPage(parameter, message), std::string(kHtmlContentType));
    return;
  }
  const TranslateRequest& request = *check.request;
  log("sample answer, not a translation: " + requestLine);
  res.set_content(V2Answer(SampleTranslation(request.from, request.to, request.text)),
                  std::string(kXmlContentType));
}

}  // namespace

void AddRoutes(httplib::Server& server, ControlState& state, LogLine log) {
  // Planned answers and requests are small; a bigger body is refused, not held in memory.
  server.set_payload_max_length(1 << 20);
  server.Post("/control/reset", [&state](const httplib::Request&, httplib::Response& res) {
    state.Reset();
    res.set_content("reset\n", "text/plain");
  });
  server.Post("/control/next", [&state](const httplib::Request& req, httplib::Response& res) {
    std::optional<PlannedAnswer> planned = ReadPlannedAnswer(req.params, req.body);
    if (!planned) {
      res.status = 400;
      res.set_content("bad status, delay_ms or close value\n", "text/plain");
      return;
    }
    state.Plan(std::move(*planned));
    res.set_content("planned\n", "text/plain");
  });
  server.Get("/control/requests", [&state](const httplib::Request&, httplib::Response& res) {
    res.set_content(state.RecordedLines(), "text/plain; charset=utf-8");
  });

  const auto translate = [&state, log](const httplib::Request& req, httplib::Response& res) {
    AnswerTranslate(state, log, req, res);
  };
  server.Get(".*", translate);
  server.Post(".*", translate);
  // Other methods, and requests the server library itself refuses. The library calls
  // this for every answer of status 400 or above, planned ones included; those already
  // carry their content type and stay as they are.
  server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (res.has_header("Content-Type")) return;
    res.status = 400;
    res.set_content(ArgumentExceptionPage("request", "unsupported request"),
                    std::string(kHtmlContentType));
  });
}

}  // namespace service
