// TranslateText against the stand-in service (started by the "service" test fixture).
#include "translate/service_exchange.h"
#include "translate/translate_text.h"

#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "support/gbk.h"
#include "support/service_control.h"

namespace {

using service_control::PlannedAnswer;
using service_control::V2AnswerBody;

const std::string kRequestStart =
    "GET /v2/Http.svc/Translate?appId=7A1C3E9B06D8F2A4C5B7E1D09F3A6C8E2B4D7F10";

class OleThread : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};
const ::testing::Environment* const kOle = ::testing::AddGlobalTestEnvironment(new OleThread);

class Exchange : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(control_.Reset()) << "the stand-in service does not answer on "
                                  << LEXORIN_SERVICE_HOST;
  }

  std::vector<std::string> RequestLines() const {
    return control_.RequestLines().value_or(std::vector<std::string>{"(service unreachable)"});
  }

  service_control::ServiceControl control_{LEXORIN_SERVICE_HOST};
};

TEST_F(Exchange, SendsTheExactRequestLine) {
  const std::string sample = translate::TranslateText("abc", 1);
  EXPECT_EQ(sample, Gbk(u8"[sample answer en→zh-CHS] abc"));
  EXPECT_EQ(RequestLines(), std::vector<std::string>{
                                kRequestStart + "&text=%61%62%63&from=en&to=zh-CHS HTTP/1.1"});
}

TEST_F(Exchange, EncodesChineseAndEmptySources) {
  translate::TranslateText(Gbk(u8"你好"), 2);
  translate::TranslateText("", 0);
  translate::TranslateText("x", 16);
  EXPECT_EQ(RequestLines(),
            (std::vector<std::string>{
                kRequestStart + "&text=%E4%BD%A0%E5%A5%BD&from=zh-CHS&to=en HTTP/1.1",
                kRequestStart + "&text=&from=&to=zh-CHS HTTP/1.1",
                kRequestStart + "&text=%78&from=id&to=zh-CHS HTTP/1.1"}));
}

TEST_F(Exchange, CodeWithoutDirectionSendsNothing) {
  for (translate::DirectionCode code : {-1, 29}) {
    EXPECT_EQ(translate::TranslateText("abc", code), "") << code;
  }
  EXPECT_EQ(RequestLines(), std::vector<std::string>{});
}

TEST_F(Exchange, AnswersToResults) {
  PlannedAnswer chinese;
  chinese.body = V2AnswerBody(u8"你好，世界");
  PlannedAnswer outsideCodePage;
  outsideCodePage.body = V2AnswerBody(u8"a\u0E01b");
  PlannedAnswer references;
  references.body = V2AnswerBody("a&amp;b&#xD;\nc&lt;");
  PlannedAnswer errorPage;
  errorPage.status = 400;
  errorPage.contentType = "text/html; charset=utf-8";
  errorPage.body = "<html><body><h1>Argument Exception</h1>x</string></body></html>";
  PlannedAnswer errorStatusWithAnswer;
  errorStatusWithAnswer.status = 500;
  errorStatusWithAnswer.body = V2AnswerBody("status ignored");
  PlannedAnswer otherDocument;
  otherDocument.body = "<string>plain</string>";
  PlannedAnswer closed;
  closed.body = V2AnswerBody("never sent");
  closed.closeConnection = true;

  const struct {
    const char* name;
    const PlannedAnswer& answer;
    std::string expected;
  } cases[] = {
      {"Chinese answer in code page 936", chinese, Gbk(u8"你好，世界")},
      {"character outside code page 936", outsideCodePage, "a?b"},
      {"references left as they are", references, "a&amp;b&#xD;\nc&lt;"},
      {"error status with an error page", errorPage, ""},
      {"error status with an answer", errorStatusWithAnswer, "status ignored"},
      {"another XML document", otherDocument, ""},
      {"connection dropped", closed, ""},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(control_.Plan(c.answer)) << c.name;
    EXPECT_EQ(translate::TranslateText("abc", 1), c.expected) << c.name;
  }
  EXPECT_EQ(RequestLines().size(), std::size(cases));
}

// The call blocks until the slow answer arrives. The request object sets no deadline of
// its own under Wine, so the test bounds the wait itself.
TEST_F(Exchange, WaitsForASlowAnswer) {
  PlannedAnswer slow;
  slow.body = V2AnswerBody("late");
  slow.delayMs = 1500;
  ASSERT_TRUE(control_.Plan(slow));
  std::promise<std::string> result;
  std::future<std::string> pending = result.get_future();
  const auto started = std::chrono::steady_clock::now();
  std::thread worker([&result] {
    OleInitialize(nullptr);
    result.set_value(translate::TranslateText("abc", 1));
    OleUninitialize();
  });
  if (pending.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
    ADD_FAILURE() << "TranslateText did not return within 30 s";
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), 1);
  }
  worker.join();
  EXPECT_EQ(pending.get(), "late");
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1500));
}

// Port 1 on loopback: nothing listens there, so the connection is refused.
TEST_F(Exchange, ServiceDownGivesEmptyText) {
  EXPECT_EQ(translate::ExchangeWithService("127.0.0.1:1", "abc", 1), "");
  EXPECT_EQ(RequestLines(), std::vector<std::string>{});
}

}  // namespace
