// lexorin-service: a stand-in for the V2 translation service on loopback, for the tests
// and for trying the program out. By default it answers every request with a sample
// that names the direction and repeats the source text; it translates nothing.
#include <httplib.h>

#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "control_state.h"
#include "http_routes.h"

namespace {

constexpr int kDefaultPort = 18080;
constexpr const char* kListenAddress = "127.0.0.1";

void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
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
  service::AddRoutes(server, state, Log);
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
