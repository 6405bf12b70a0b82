// The stand-in service over real HTTP, in-process on a free loopback port.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "http_routes.h"

namespace {

const std::string kTranslate = "/v2/Http.svc/Translate?appId=X";

class ServiceHttp : public ::testing::Test {
 protected:
  void SetUp() override {
    service::AddRoutes(server_, state_, [](const std::string&) {});
    port_ = server_.bind_to_any_port("127.0.0.1");
    ASSERT_GT(port_, 0);
    listener_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  void TearDown() override {
    server_.stop();
    if (listener_.joinable()) listener_.join();
  }

  httplib::Result Get(const std::string& target) {
    httplib::Client client("127.0.0.1", port_);
    client.set_read_timeout(10);
    return client.Get(target);
  }
  bool Plan(const std::string& query, const std::string& body) {
    httplib::Client client("127.0.0.1", port_);
    const httplib::Result result = client.Post("/control/next?" + query, body, "text/plain");
    return result && result->status == 200;
  }

  service::ControlState state_;
  httplib::Server server_;
  int port_ = 0;
  std::thread listener_;
};

TEST_F(ServiceHttp, SampleAnswerInTheV2Form) {
  const httplib::Result result = Get(kTranslate + "&text=%E4%BD%A0%61%0D%0A&from=&to=zh-CHS");
  ASSERT_TRUE(result);
  EXPECT_EQ(result->status, 200);
  EXPECT_EQ(result->get_header_value("Content-Type"), "application/xml; charset=utf-8");
  EXPECT_EQ(result->body,
            u8"<string xmlns=\"http://schemas.microsoft.com/2003/10/Serialization/\">"
            u8"[sample answer auto\u2192zh-CHS] \u4F60a&#xD;\n</string>");
}

TEST_F(ServiceHttp, BadRequestsGetAnArgumentExceptionPage) {
  const char* targets[] = {
      "/v2/Http.svc/Translate?appId=X&text=%61&from=en",
      "/v2/Http.svc/Translate?appId=X&text=%61&from=en&to=xx",
      "/v2/Http.svc/Translate?appId=X&text=%6G&from=en&to=zh-CHS",
      "/v2/Http.svc/Translate?appId=X&text=%FF&from=en&to=zh-CHS",
      "/index.html",
  };
  for (const char* target : targets) {
    const httplib::Result result = Get(target);
    ASSERT_TRUE(result) << target;
    EXPECT_EQ(result->status, 400) << target;
    EXPECT_EQ(result->get_header_value("Content-Type"), "text/html; charset=utf-8") << target;
    EXPECT_NE(result->body.find("Argument Exception"), std::string::npos) << target;
  }
  httplib::Client client("127.0.0.1", port_);
  const httplib::Result put = client.Put(kTranslate + "&to=en", "x", "text/plain");
  ASSERT_TRUE(put);
  EXPECT_EQ(put->status, 400);
  EXPECT_NE(put->body.find("Argument Exception"), std::string::npos);
}

TEST_F(ServiceHttp, RecordsRawRequestLinesButNotControlRequests) {
  Get(kTranslate + "&text=%61%62&from=en&to=zh-CHS");
  Get("/elsewhere?a=%zz");
  httplib::Client client("127.0.0.1", port_);
  const httplib::Result lines = client.Get("/control/requests");
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->body, "GET " + kTranslate + "&text=%61%62&from=en&to=zh-CHS HTTP/1.1\n"
                         "GET /elsewhere?a=%zz HTTP/1.1\n");
  ASSERT_TRUE(client.Post("/control/reset", "", "text/plain"));
  EXPECT_EQ(client.Get("/control/requests")->body, "");
}

TEST_F(ServiceHttp, PlannedAnswersComeInOrderThenSamplesAgain) {
  ASSERT_TRUE(Plan("status=503&content_type=text%2Fhtml", "<html>down</html>"));
  ASSERT_TRUE(Plan("", "first"));
  const httplib::Result error = Get(kTranslate + "&to=en");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->status, 503);
  EXPECT_EQ(error->get_header_value("Content-Type"), "text/html");
  EXPECT_EQ(error->body, "<html>down</html>");
  EXPECT_EQ(Get(kTranslate + "&to=en")->body, "first");
  EXPECT_NE(Get(kTranslate + "&to=en")->body.find("[sample answer"), std::string::npos);

  // An error status with an empty body stays exactly as planned.
  ASSERT_TRUE(Plan("status=500", ""));
  const httplib::Result empty = Get(kTranslate + "&to=en");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->status, 500);
  EXPECT_EQ(empty->body, "");
}

TEST_F(ServiceHttp, DelayedAndDroppedAnswers) {
  ASSERT_TRUE(Plan("delay_ms=300", "late"));
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(Get(kTranslate + "&to=en")->body, "late");
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));

  for (const char* planned : {"close=1", "close=1&status=500"}) {
    ASSERT_TRUE(Plan(planned, "never sent"));
    EXPECT_FALSE(Get(kTranslate + "&to=en")) << planned;
  }
  EXPECT_EQ(Get(kTranslate + "&to=en")->status, 200);  // still serving
}

TEST_F(ServiceHttp, ControlRefusesBadValues) {
  EXPECT_FALSE(Plan("status=42", ""));
  EXPECT_FALSE(Plan("delay_ms=600000", ""));
  EXPECT_FALSE(Plan("close=yes", ""));
  EXPECT_NE(Get(kTranslate + "&to=en")->body.find("[sample answer"), std::string::npos);
}

}  // namespace
