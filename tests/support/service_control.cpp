#include "support/service_control.h"

#include <windows.h>
#include <winhttp.h>

#include <cstdio>
#include <cstdlib>

namespace service_control {
namespace {

struct Reply {
  DWORD status = 0;
  std::string body;
};

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_ != nullptr) WinHttpCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }

 private:
  HINTERNET handle_;
};

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::string QueryValue(std::string_view value) {
  std::string encoded;
  for (char c : value) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '.' || c == '_' || c == '~') {
      encoded += c;
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", byte);
      encoded += hex;
    }
  }
  return encoded;
}

// One request with a bounded wait: the control endpoints answer at once.
std::optional<Reply> Exchange(const std::string& host, const wchar_t* method,
                              const std::string& path, const std::string& body) {
  const std::size_t colon = host.rfind(':');
  const std::wstring name = Widen(host.substr(0, colon));
  const INTERNET_PORT port = colon == std::string::npos
                                 ? INTERNET_PORT(80)
                                 : static_cast<INTERNET_PORT>(std::atoi(host.c_str() + colon + 1));
  InternetHandle session(WinHttpOpen(L"lexorin-tests", WINHTTP_ACCESS_TYPE_NO_PROXY,
                                     WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
  if (session.get() == nullptr) return std::nullopt;
  WinHttpSetTimeouts(session.get(), 5000, 5000, 5000, 5000);
  InternetHandle connection(WinHttpConnect(session.get(), name.c_str(), port, 0));
  if (connection.get() == nullptr) return std::nullopt;
  const std::wstring widePath = Widen(path);
  InternetHandle request(WinHttpOpenRequest(connection.get(), method, widePath.c_str(), nullptr,
                                            WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, 0));
  if (request.get() == nullptr) return std::nullopt;
  const DWORD length = static_cast<DWORD>(body.size());
  void* data = body.empty() ? WINHTTP_NO_REQUEST_DATA : const_cast<char*>(body.data());
  if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, data, length, length,
                          0) ||
      !WinHttpReceiveResponse(request.get(), nullptr)) {
    return std::nullopt;
  }
  Reply reply;
  DWORD statusSize = sizeof reply.status;
  if (!WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &reply.status, &statusSize,
                           WINHTTP_NO_HEADER_INDEX)) {
    return std::nullopt;
  }
  char buffer[4096];
  DWORD read = 0;
  while (WinHttpReadData(request.get(), buffer, sizeof buffer, &read) && read > 0) {
    reply.body.append(buffer, read);
  }
  return reply;
}

bool Succeeds(const std::optional<Reply>& reply) { return reply && reply->status == 200; }

}  // namespace

std::string V2AnswerBody(std::string_view content) {
  std::string body = "<string xmlns=\"http://schemas.microsoft.com/2003/10/Serialization/\">";
  body += content;
  body += "</string>";
  return body;
}

ServiceControl::ServiceControl(std::string host) : host_(std::move(host)) {}

bool ServiceControl::Reset() const {
  return Succeeds(Exchange(host_, L"POST", "/control/reset", std::string()));
}

bool ServiceControl::Plan(const PlannedAnswer& answer) const {
  std::string path = "/control/next?status=" + std::to_string(answer.status) +
                     "&delay_ms=" + std::to_string(answer.delayMs) +
                     "&close=" + (answer.closeConnection ? "1" : "0") +
                     "&content_type=" + QueryValue(answer.contentType);
  return Succeeds(Exchange(host_, L"POST", path, answer.body));
}

std::optional<std::vector<std::string>> ServiceControl::RequestLines() const {
  const std::optional<Reply> reply = Exchange(host_, L"GET", "/control/requests", std::string());
  if (!Succeeds(reply)) return std::nullopt;
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = reply->body.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(reply->body.substr(start, end - start));
  }
  return lines;
}

}  // namespace service_control
