// The memo's text as a control's text, its change notices and its letter case.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Clipboard.h"
#include "platform/ui/controls/Memo.h"
#include "tests/platform/ui/controls/MemoFixture.h"

namespace ui::test {
namespace {

class MemoNoticeTest : public MemoFixture {
 protected:
  void SetUp() override {
    MemoFixture::SetUp();
    memo = AddMemo();
    memo->OnChange = [this](Component*) { log.push_back("change"); };
    hook = ProcHook(*memo, [this](Message& m, const WndMethod& next) {
      if (m.msg == CM_TEXTCHANGED) log.push_back("text");
      if (m.msg == CM_CHANGED) log.push_back("changed");
      next(m);
    });
    ShowForm();
    memo->SetFocus();
  }
  // Types one character (any script) through the keyboard.
  void TypeChar(const std::string& utf8) {
    backend.InjectKeyDown('A', utf8);
    backend.InjectKeyUp('A');
    app->ProcessMessages();
  }
  void Chord(int mod, int key) {
    backend.InjectKeyDown(mod);
    backend.InjectKey(key);
    backend.InjectKeyUp(mod);
    app->ProcessMessages();
  }

  Memo* memo = nullptr;
  ProcHook hook;
  std::vector<std::string> log;
};

TEST_F(MemoNoticeTest, EveryTextChangeSendsBothNoticesBeforeOnChange) {
  struct Case {
    const char* name;
    std::function<void()> act;
  };
  const Case cases[] = {
      {"set through a Control*", [this] { static_cast<Control*>(memo)->SetText("x"); }},
      {"set lines",
       [this] {
         memo->SetLines({"a", "b"});
       }},
      {"add a line", [this] { memo->AddLine("c"); }},
      {"typing", [this] { TypeChar("q"); }},
      {"paste",
       [this] {
         SetClipboardText("pasted");
         Chord(VK_CONTROL, 'V');
       }},
      {"undo", [this] { Chord(VK_CONTROL, 'Z'); }},
  };
  for (const Case& c : cases) {
    log.clear();
    c.act();
    EXPECT_EQ(log, (std::vector<std::string>{"text", "changed", "change"})) << c.name;
  }
}

TEST_F(MemoNoticeTest, NothingIsSentWithoutAChange) {
  memo->SetText("abc");
  log.clear();
  memo->SetCaretPos({0, 1});
  memo->SelectAll();
  memo->SetCharCase(EditCharCase::ecLowerCase);  // already lower case
  Chord(VK_CONTROL, 'C');
  EXPECT_TRUE(log.empty());
}

TEST_F(MemoNoticeTest, TextThroughAControlIsTheLines) {
  Control* c = memo;
  c->SetText("one\r\ntwo");
  EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(c->Text(), "one\ntwo");
  EXPECT_EQ(memo->Caption(), "") << "the caption is not the memo's text";
  memo->SetLines({"three"});
  EXPECT_EQ(c->Text(), "three");
  std::string got;
  EXPECT_EQ(memo->Perform(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&got)), 5);
  EXPECT_EQ(got, "three");
}

struct CaseConversion {
  EditCharCase charCase;
  const char* in;
  const char* out;
};

TEST_F(MemoNoticeTest, CharCaseConvertsTheTextThatIsThere) {
  const CaseConversion cases[] = {
      {EditCharCase::ecUpperCase, "Hello, wörld ÿ", "HELLO, WÖRLD Ÿ"},
      {EditCharCase::ecUpperCase, "Привет, мир ёЁ ї", "ПРИВЕТ, МИР ЁЁ Ї"},
      {EditCharCase::ecUpperCase, "σς ά ß 1", "ΣΣ Ά ß 1"},
      {EditCharCase::ecLowerCase, "ПРИВЕТ МИР ЁЇ", "привет мир ёї"},
      {EditCharCase::ecLowerCase, "ÀÉ ŁŃ ΆΣ", "àé łń άσ"},
  };
  for (const CaseConversion& c : cases) {
    memo->SetCharCase(EditCharCase::ecNormal);
    memo->SetText(c.in);
    EXPECT_EQ(memo->Text(), c.in) << "normal keeps the case";
    memo->SetCaretPos({0, 2});
    log.clear();
    memo->SetCharCase(c.charCase);
    EXPECT_EQ(memo->Text(), c.out) << c.in;
    EXPECT_EQ(log, (std::vector<std::string>{"text", "changed", "change"})) << c.in;
    EXPECT_EQ(memo->CaretPos(), (TextPos{0, 2})) << "the caret stays";
  }
}

TEST_F(MemoNoticeTest, CharCaseConvertsWhatComesIn) {
  memo->SetCharCase(EditCharCase::ecUpperCase);
  memo->SetText("abc");
  EXPECT_EQ(memo->Text(), "ABC");
  memo->SetCaretPos({0, 3});
  TypeChar("ж");
  TypeChar("x");
  EXPECT_EQ(memo->Text(), "ABCЖX");
  SetClipboardText("пÿ");
  Chord(VK_CONTROL, 'V');
  EXPECT_EQ(memo->Text(), "ABCЖXПŸ");
  memo->AddLine("line");
  EXPECT_EQ(memo->Lines().back(), "LINE");
  memo->SetCharCase(EditCharCase::ecLowerCase);
  memo->SetLines({"MiXeD", "ДА"});
  EXPECT_EQ(memo->Text(), "mixed\nда");
}

}  // namespace
}  // namespace ui::test
