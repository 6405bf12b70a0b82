#pragma once
// The service's HTTP side: the translate route and the control routes, wired to the
// plain request and answer routines.
#include <httplib.h>

#include <functional>
#include <string>

#include "control_state.h"

namespace service {

using LogLine = std::function<void(const std::string&)>;

// Every request outside /control/ is recorded and answered as a translation request:
// with the next planned answer if there is one, else with the sample answer or, for a bad
// request, status 400 and an "Argument Exception" page. state and log must outlive server.
void AddRoutes(httplib::Server& server, ControlState& state, LogLine log);

}  // namespace service
