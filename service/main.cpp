// lexorin-service: a stand-in for the V2 translation service on loopback, for the tests
// and for trying the program out. By default it answers every request with a sample
// that names the direction and repeats the source text; it translates nothing.
#include <httplib.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "answer_text.h"
#include "control_state.h"
#include "translate_request.h"

namespace {

constexpr int kDefaultPort = 18080;
constexpr const char* kListenAddress = "127.0.0.1";

void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void SendPlanned(const service::PlannedAnswer& planned, httplib::Response& res) {
  if (planned.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(planned.delayMs));
  res.status = planned.status;
  if (planned.closeConnection) {
    // The headers announce a body that never comes: the provider refuses to write it and
    // the server drops the connection.
    res.set_content_provider(
        planned.body.size() + 1, planned.contentType,
        [](std::size_t, std::size_t, httplib::DataSink&) { return false; });
    return;
  }
  res.set_content(planned.body, planned.contentType);
}

void AnswerTranslate(service::ControlState& state, const httplib::Request& req,
                     httplib::Response& res) {
  const std::string requestLine = req.method + " " + req.target + " " + req.version;
  state.Record(requestLine);
  if (const std::optional<service::PlannedAnswer> planned = state.TakeNext()) {
    Log("planned answer (status " + std::to_string(planned->status) + ") to: " + requestLine);
    SendPlanned(*planned, res);
    return;
  }
  const service::RequestCheck check = service::CheckTranslateTarget(req.target);
  if (req.method != "GET" || !check.request) {
    const std::string message = check.request ? "only GET is supported" : check.message;
    Log("refused (" + message + "): " + requestLine);
    res.status = 400;
    res.set_content(service::ArgumentExceptionPage(check.parameter, message),
                    std::string(service::kHtmlContentType));
    return;
  }
  const service::TranslateRequest& request = *check.request;
  Log("sample answer, not a translation: " + requestLine);
  res.set_content(service::V2Answer(service::SampleTranslation(request.from, request.to, request.text)),
                  std::string(service::kXmlContentType));
}

void AddControlRoutes(httplib::Server& server, service::ControlState& state) {
  server.Post("/control/reset", [&state](const httplib::Request&, httplib::Response& res) {
    state.Reset();
    res.set_content("reset\n", "text/plain");
  });
  server.Post("/control/next", [&state](const httplib::Request& req, httplib::Response& res) {
    std::optional<service::PlannedAnswer> planned = service::ReadPlannedAnswer(req.params, req.body);
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
}

bool ReadPort(int argc, char** argv, int& port) {
  port = kDefaultPort;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--port") != 0 || i + 1 >= argc) return false;
    char* end = nullptr;
    const long value = std::strtol(argv[++i], &end, 10);
    if (*end != '\0' || value < 1 || value > 65535) return false;
    port = static_cast<int>(value);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int port = 0;
  if (!ReadPort(argc, argv, port)) {
    std::fprintf(stderr, "usage: lexorin-service [--port N]   (default %d)\n", kDefaultPort);
    return 2;
  }

  // SIGINT and SIGTERM end the service cleanly; they are blocked here, before the
  // server's threads exist, and taken by one waiting thread.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  service::ControlState state;
  httplib::Server server;
  AddControlRoutes(server, state);
  const auto translate = [&state](const httplib::Request& req, httplib::Response& res) {
    AnswerTranslate(state, req, res);
  };
  server.Get(".*", translate);
  server.Post(".*", translate);
  server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (!res.body.empty()) return;
    res.status = 400;
    res.set_content(service::ArgumentExceptionPage("request", "unsupported request"),
                    std::string(service::kHtmlContentType));
  });

  if (!server.bind_to_port(kListenAddress, port)) {
    std::fprintf(stderr, "lexorin-service: cannot listen on %s:%d\n", kListenAddress, port);
    return 1;
  }
  std::thread signalWaiter([&server, &stopSignals] {
    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.stop();
  });
  Log("lexorin-service listening on http://" + std::string(kListenAddress) + ":" +
      std::to_string(port));
  Log("SAMPLE MODE: answers are marked \"[sample answer ...]\" and repeat the source text; "
      "nothing is translated.");
  server.listen_after_bind();
  // A stop that did not come from a signal: wake the waiter so it can be joined.
  pthread_kill(signalWaiter.native_handle(), SIGTERM);
  signalWaiter.join();
  Log("lexorin-service stopped");
  return 0;
}
