#include <gtest/gtest.h>

#include <map>
#include <string>

#include "answer_text.h"
#include "control_state.h"
#include "translate_request.h"

namespace {

const std::string kPath = "/v2/Http.svc/Translate";
const std::string kAppId = "?appId=7A1C3E9B06D8F2A4C5B7E1D09F3A6C8E2B4D7F10";

TEST(ServiceRequest, PercentDecoding) {
  EXPECT_EQ(service::PercentDecode("%E4%BD%A0%e5%a5%bd"), std::string(u8"\u4F60\u597D"));
  EXPECT_EQ(service::PercentDecode("a+b%20c"), "a b c");
  EXPECT_EQ(service::PercentDecode(""), "");
  for (const char* malformed : {"%", "%4", "%G1", "a%2", "%%41", "%4-"}) {
    EXPECT_FALSE(service::PercentDecode(malformed).has_value()) << malformed;
  }
}

TEST(ServiceRequest, AcceptsWhatTheClientSends) {
  const service::RequestCheck check =
      service::CheckTranslateTarget(kPath + kAppId + "&text=%E4%BD%A0%0D%0A&from=&to=zh-CHS");
  ASSERT_TRUE(check.request.has_value()) << check.message;
  EXPECT_EQ(check.request->text, u8"\u4F60\r\n");
  EXPECT_EQ(check.request->from, "");
  EXPECT_EQ(check.request->to, "zh-CHS");
  EXPECT_TRUE(service::CheckTranslateTarget(kPath + kAppId + "&text=&from=id&to=zh-CHS").request);
}

TEST(ServiceRequest, RefusesBadRequests) {
  const struct {
    const char* name;
    std::string target;
    const char* parameter;
  } cases[] = {
      {"no to", kPath + kAppId + "&text=%61&from=en", "to"},
      {"no query", kPath, "to"},
      {"unknown target language", kPath + kAppId + "&text=%61&from=en&to=xx", "to"},
      {"empty target language", kPath + kAppId + "&text=%61&from=en&to=", "to"},
      {"unknown source language", kPath + kAppId + "&text=%61&from=EN&to=zh-CHS", "from"},
      {"malformed text encoding", kPath + kAppId + "&text=%6&from=en&to=zh-CHS", "text"},
      {"text not UTF-8", kPath + kAppId + "&text=%C4%E3&from=&to=zh-CHS", "text"},
      {"surrogate in UTF-8", kPath + kAppId + "&text=%ED%A0%80&from=&to=zh-CHS", "text"},
      {"truncated UTF-8", kPath + kAppId + "&text=%E4%BD&from=&to=zh-CHS", "text"},
      {"another path", "/v2/Http.svc/Detect?text=%61&to=en", "path"},
      {"path prefix only", "/v2/Http.svc/Translatex?to=en", "path"},
  };
  for (const auto& c : cases) {
    const service::RequestCheck check = service::CheckTranslateTarget(c.target);
    EXPECT_FALSE(check.request.has_value()) << c.name;
    EXPECT_EQ(check.parameter, c.parameter) << c.name;
    EXPECT_FALSE(check.message.empty()) << c.name;
  }
}

TEST(ServiceAnswer, V2FormWithEscapedContent) {
  EXPECT_EQ(service::V2Answer("a&b<c>\r\n\td"),
            "<string xmlns=\"http://schemas.microsoft.com/2003/10/Serialization/\">"
            "a&amp;b&lt;c&gt;&#xD;\n\td</string>");
  EXPECT_EQ(service::EscapeXmlContent(std::string("\x01\x1F", 2)), "&#x1;&#x1F;");
}

TEST(ServiceAnswer, SampleIsMarkedAsSuch) {
  EXPECT_EQ(service::SampleTranslation("en", "zh-CHS", "abc"),
            u8"[sample answer en\u2192zh-CHS] abc");
  EXPECT_EQ(service::SampleTranslation("", "zh-CHS", ""), u8"[sample answer auto\u2192zh-CHS] ");
}

TEST(ServiceAnswer, ErrorPageNamesTheFault) {
  const std::string page = service::ArgumentExceptionPage("to", "'<x>' is not supported");
  EXPECT_NE(page.find("Argument Exception"), std::string::npos);
  EXPECT_NE(page.find("Parameter: to"), std::string::npos);
  EXPECT_NE(page.find("'&lt;x&gt;' is not supported"), std::string::npos);
  EXPECT_EQ(page.find("<string"), std::string::npos);
}

TEST(ServiceControl, PlannedAnswersAreReadAndCheckedWhole) {
  const std::optional<service::PlannedAnswer> answer = service::ReadPlannedAnswer(
      {{"status", "503"}, {"delay_ms", "250"}, {"content_type", "text/html"}}, "body");
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->status, 503);
  EXPECT_EQ(answer->delayMs, 250);
  EXPECT_EQ(answer->contentType, "text/html");
  EXPECT_EQ(answer->body, "body");
  EXPECT_FALSE(answer->closeConnection);

  const std::optional<service::PlannedAnswer> plain = service::ReadPlannedAnswer({}, "");
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(plain->status, 200);
  EXPECT_EQ(plain->contentType, "application/xml; charset=utf-8");

  const std::multimap<std::string, std::string> refused[] = {
      {{"status", "99"}},        {{"status", "600"}},  {{"status", "2x"}},
      {{"delay_ms", "-1"}},      {{"delay_ms", "60001"}}, {{"close", "2"}},
      {{"delay_ms", ""}},        {{"status", "99999999999999999999"}},
  };
  for (const auto& params : refused) {
    EXPECT_FALSE(service::ReadPlannedAnswer(params, "").has_value()) << params.begin()->first
                                                                     << "=" << params.begin()->second;
  }
}

TEST(ServiceControl, AnswersInOrderThenDefaultAndResetClearsAll) {
  service::ControlState state;
  service::PlannedAnswer first;
  first.body = "1";
  service::PlannedAnswer second;
  second.body = "2";
  state.Plan(first);
  state.Plan(second);
  state.Record("GET /a HTTP/1.1");
  state.Record("GET /b HTTP/1.1");
  EXPECT_EQ(state.RecordedLines(), "GET /a HTTP/1.1\nGET /b HTTP/1.1\n");
  EXPECT_EQ(state.TakeNext()->body, "1");
  EXPECT_EQ(state.TakeNext()->body, "2");
  EXPECT_FALSE(state.TakeNext().has_value());

  state.Plan(first);
  state.Reset();
  EXPECT_FALSE(state.TakeNext().has_value());
  EXPECT_EQ(state.RecordedLines(), "");
}

TEST(ServiceControl, RecordKeepsTheNewestLines) {
  service::ControlState state;
  for (int i = 0; i < 1005; ++i) state.Record(std::to_string(i));
  const std::string lines = state.RecordedLines();
  EXPECT_EQ(lines.rfind("5\n", 0), 0u);
  EXPECT_NE(lines.find("\n1004\n"), std::string::npos);
}

}  // namespace
