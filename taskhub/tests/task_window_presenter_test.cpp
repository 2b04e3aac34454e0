// The task window's presenter through a fake view and the scripted Host: its texts in both
// languages, the preselected task, the codes it closes with, and the web page button.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "testing/scripted_host.h"
#include "task_window_presenter.h"

namespace taskhub {
namespace {

class FakeView : public TaskWindowView {
 public:
  void SetTitle(std::string_view t) override { title = t; }
  void SetControlText(int id, std::string_view t) override { texts[id] = t; }
  void SetFlag(std::string_view name) override { flag = name; }
  void CheckOption(int id) override { checked = id; }
  int CheckedOption() const override { return checked; }
  void Close(int c) override { code = c; }
  std::string title, flag;
  std::map<int, std::string> texts;
  int checked = 0;
  std::optional<int> code;
};

TEST(TaskWindowPresenter, TextsFlagAndPreselectionInBothLanguages) {
  constexpr struct { int language, task; const char* flag; int checked; const char* map; const char* cancel; } kCases[] = {
      {0, 2, "TCH", 12, " Map Viewer HCM-TOPO ", "&Cancel"},
      {1, 3, "UK", 13, " Mapový prohlížeč HCM-TOPO ", "&Storno"},
      {0, 0, "TCH", 11, " Map Viewer HCM-TOPO ", "&Cancel"},   // nothing remembered
      {7, 9, "UK", 11, " Mapový prohlížeč HCM-TOPO ", "&Storno"},  // not ours: Czech, map viewer
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.task);
    FakeView view;
    quorla::ScriptedHost host;
    TaskWindowPresenter(view, host, c.language, c.task, " MIRANDEX: ").Open();
    EXPECT_EQ(view.title, " MIRANDEX: ");
    EXPECT_EQ(view.flag, c.flag);
    EXPECT_EQ(view.checked, c.checked);
    EXPECT_EQ(view.texts[kMapOption], c.map);
    EXPECT_EQ(view.texts[kCancel], c.cancel);
    EXPECT_EQ(view.texts.size(), 7u);
    host.VerifyAllConsumed();
  }
}

TEST(TaskWindowPresenter, CodesTakeTheCheckedTask) {
  constexpr struct { int control, checkedBefore, code; } kCases[] = {
      {kOk, 13, 3}, {kOk, 11, 1}, {kCancel, 12, -2}, {kFlagButton, 13, 103}, {kFlagButton, 11, 101},
      {kOk, 0, 2},  // no option checked: the preselected task stays
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.control * 100 + c.checkedBefore);
    FakeView view;
    quorla::ScriptedHost host;
    TaskWindowPresenter p(view, host, 0, 2, " MIRANDEX: ");
    p.Open();
    view.checked = c.checkedBefore;
    p.OnControl(c.control);
    EXPECT_EQ(view.code, c.code);
  }
}

TEST(TaskWindowPresenter, WebPageWithoutBrowserToldAndWindowStays) {
  constexpr struct { int language; bool opened; const char* text; } kCases[] = {
      {0, false, "There is  no  program\r\n''Internet Explorer'' in your PC !! "},
      {1, false, "Ve vašem PC nemáte program\r\n''Internet Explorer'' !! "},
      {0, true, nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.language);
    FakeView view;
    quorla::ScriptedHost host;
    host.ExpectOpenWebPage(kAgreementPage, c.opened);
    if (c.text)
      host.ExpectMessage(c.text, " MIRANDEX:  Info:", quorla::Buttons::Ok, quorla::Icon::Information);
    TaskWindowPresenter p(view, host, c.language, 1, " MIRANDEX: ");
    p.Open();
    p.OnControl(kInternetButton);
    EXPECT_FALSE(view.code.has_value());
    host.VerifyAllConsumed();
  }
}

}  // namespace
}  // namespace taskhub
