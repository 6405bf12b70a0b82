// The window end to end, as a user drives it, against the stand-in translation service:
// choosing directions, translating, copying, clearing, and what the status line says.
#include <gtest/gtest.h>

#include "driver.h"
#include "support/gbk.h"
#include "support/service_control.h"

namespace {

using driver::LexorinProcess;
using service_control::PlannedAnswer;
using service_control::ServiceControl;

const std::string kChosenPrefix = Gbk(u8"操作结果：你所选择的翻译类型是  ");

std::string Status(const driver::Controls& c) { return driver::WindowText(c.status); }
std::string Result(const driver::Controls& c) { return driver::WindowText(c.result); }

std::optional<std::string> ClipboardText() {
  std::optional<std::string> text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void PutOnClipboard(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

class Handlers : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(service.Reset()) << "the stand-in service is not running";
    ASSERT_TRUE(program.Window());
  }
  std::vector<std::string> Requests() const { return service.RequestLines().value_or(std::vector<std::string>{}); }

  ServiceControl service;
  LexorinProcess program;
  driver::Controls w{program};
};

TEST_F(Handlers, ChoosingAnEntryNamesItInTheStatusLine) {
  const struct {
    int position;
    const char* entry;
  } cases[] = {{5, u8"中--->阿拉伯"}, {11, u8"中--->印度尼西亚"}, {23, u8"印度尼西亚--->中"}, {25, u8""}, {0, u8"中--->英"}};
  for (const auto& c : cases) {
    program.SelectListEntry(w.list, c.position);
    EXPECT_TRUE(driver::WaitUntil([&] { return Status(w) == kChosenPrefix + Gbk(c.entry); }, 3000))
        << c.position << ": " << Status(w);
  }
}

TEST_F(Handlers, TranslatesInTheChosenDirection) {
  const struct {
    int position;
    const char* query;
  } cases[] = {
      {0, "&from=zh-CHS&to=en"}, {12, "&from=en&to=zh-CHS"}, {17, "&from=ar&to=zh-CHS"},
      {11, "&from=zh-CHS&to=id"}, {23, "&from=id&to=zh-CHS"},
  };
  program.SetText(w.source, "abc");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.query);
    ASSERT_TRUE(service.Reset());
    ASSERT_TRUE(service.Plan({200, "application/xml; charset=utf-8",
                              service_control::V2AnswerBody(u8"你好，世界")}));
    program.SelectListEntry(w.list, c.position);
    ASSERT_TRUE(program.Click(w.translate));
    const auto lines = Requests();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::string("GET /v2/Http.svc/Translate?appId=7A1C3E9B06D8F2A4C5B7E1D09F3A6C8E2B4D7F10"
                                    "&text=%61%62%63") + c.query + " HTTP/1.1");
    EXPECT_EQ(Result(w), Gbk(u8"你好，世界"));
    EXPECT_EQ(Status(w), Gbk(u8"操作结果：已经翻译出，请核对！"));
  }
}

TEST_F(Handlers, CarriageReturnReferencesAreRemovedAndTheLowerCaseFormKept) {
  ASSERT_TRUE(service.Plan({200, "application/xml; charset=utf-8",
                            service_control::V2AnswerBody("one&#xD;\ntwo&#xd;\nthree&#xD;\n")}));
  ASSERT_TRUE(program.Click(w.translate));
  // The edit box shows a bare line feed as it is; the text keeps it.
  EXPECT_EQ(Result(w), "one\ntwo&#xd;\nthree\n");
}

TEST_F(Handlers, EmptySourceIsSentAndAskedFor) {
  ASSERT_TRUE(program.Click(w.clear));
  EXPECT_EQ(Status(w), Gbk(u8"操作结果：已经清空原文，请重新操作！"));
  ASSERT_TRUE(service.Plan({200, "application/xml; charset=utf-8", service_control::V2AnswerBody("")}));
  ASSERT_TRUE(program.Click(w.translate));
  const auto lines = Requests();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("&text=&from=zh-CHS&to=en "), std::string::npos) << lines[0];
  EXPECT_EQ(Status(w), Gbk(u8"操作结果：请先填写要翻译的内容！"));
}

TEST_F(Handlers, AFailedTranslationIsReportedNotCalledASuccess) {
  ASSERT_TRUE(program.Click(w.translate));
  ASSERT_EQ(Status(w), Gbk(u8"操作结果：已经翻译出，请核对！"));
  const PlannedAnswer failures[] = {
      {400, "text/html", "<html><body>Argument Exception</body></html>"},
      {200, "application/xml; charset=utf-8", "", 0, /*closeConnection=*/true},
  };
  for (const PlannedAnswer& failure : failures) {
    ASSERT_TRUE(service.Plan(failure));
    ASSERT_TRUE(program.Click(w.translate));
    EXPECT_EQ(Result(w), "");
    EXPECT_EQ(Status(w), Gbk(u8"操作结果：对不起，翻译失败，请稍后重试！"));
  }
}

TEST_F(Handlers, WithoutADirectionNothingIsSentButTheResultIsStillCleaned) {
  ASSERT_TRUE(program.Click(w.translate));
  program.SetText(w.result, "kept&#xD;");
  for (int position : {-1, 26}) {
    SCOPED_TRACE(position);
    SendMessageTimeoutA(w.list, CB_SETCURSEL, static_cast<WPARAM>(position), 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    ASSERT_TRUE(service.Reset());
    ASSERT_TRUE(program.Click(w.translate));
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(Result(w), "kept");
    EXPECT_EQ(Status(w), Gbk(u8"操作结果：已经翻译出，请核对！"));
  }
}

TEST_F(Handlers, CopyPutsTheResultOnTheClipboardOrSaysWhyNot) {
  PutOnClipboard("before");
  ASSERT_TRUE(program.Click(w.copy));
  EXPECT_EQ(Status(w), Gbk(u8"操作结果：对不起，内容为空，无法复制！"));
  EXPECT_EQ(ClipboardText(), std::optional<std::string>("before"));

  program.SetText(w.result, Gbk(u8"译文\r\n第二行"));
  ASSERT_TRUE(program.Click(w.copy));
  EXPECT_EQ(Status(w), Gbk(u8"操作结果：已经复制到剪切板，使用Ctrl+V可粘贴内容！"));
  EXPECT_EQ(ClipboardText(), std::optional<std::string>(Gbk(u8"译文\r\n第二行")));

  // Another program holds the clipboard open (for a window of its own: opens without a
  // window do not exclude each other under Wine): the copy fails and says so.
  PutOnClipboard("held");
  HWND holder = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(holder));
  ASSERT_TRUE(program.Click(w.copy));
  CloseClipboard();
  DestroyWindow(holder);
  EXPECT_EQ(Status(w), Gbk(u8"操作结果：对不起，剪切板暂时无法使用，复制失败！"));
  EXPECT_EQ(ClipboardText(), std::optional<std::string>("held"));
}

TEST_F(Handlers, ClearEmptiesOnlyTheSourceBox) {
  program.SetText(w.result, "result");
  program.SelectListEntry(w.list, 7);
  ASSERT_TRUE(program.Click(w.clear));
  EXPECT_EQ(driver::WindowText(w.source), "");
  EXPECT_EQ(Result(w), "result");
  EXPECT_EQ(program.ListSelection(w.list), 7);
}

TEST_F(Handlers, TheClockLabelNeverChanges) {
  Sleep(3500);
  EXPECT_EQ(driver::WindowText(w.clock), Gbk(u8"现在时间："));
}

// A shorter status replacing a longer one leaves no trace of the old letters: the label
// looks exactly as it does when the whole window is painted afresh.
TEST_F(Handlers, StatusChangeLeavesNoTraceOfTheOldText) {
  auto capture = [&] {
    RECT r = driver::WindowRectOf(w.status);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
  };
  program.BringToFront();
  program.SelectListEntry(w.list, 11);
  program.SelectListEntry(w.list, 0);
  ASSERT_TRUE(driver::WaitUntil([&] { return Status(w) == kChosenPrefix + Gbk(u8"中--->英"); }, 3000));
  Sleep(300);
  const auto afterChange = capture();
  RedrawWindow(program.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(300);
  const auto fresh = capture();
  ASSERT_EQ(afterChange.size(), fresh.size());
  const LONG width = driver::WindowRectOf(w.status).right - driver::WindowRectOf(w.status).left;
  int differing = 0;
  for (size_t i = 0; i < fresh.size(); ++i) {
    if (afterChange[i] != fresh[i] && differing++ < 5) {
      ADD_FAILURE() << "pixel " << i % width << "," << i / width << ": " << std::hex << afterChange[i]
                    << " then " << fresh[i];
    }
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace
