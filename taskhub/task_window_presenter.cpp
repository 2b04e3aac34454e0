#include "task_window_presenter.h"

#include "bilingual_texts.h"

namespace taskhub {
namespace {

using quorla::BiText;

struct ControlText {
  int id;
  BiText text;
};
constexpr ControlText kTexts[] = {
    {kGroupFrame, {"Task:", "Úloha:"}},
    {kMapOption, {" Map Viewer HCM-TOPO ", " Mapový prohlížeč HCM-TOPO "}},
    {kEditorOption, {" Exchange data file Editor ", " Editor Exchange data souborů "}},
    {kAntennaOption, {" Antenna Editor ", " Editor antén "}},
    {kInternetButton, {"&Internet VA", "&Internet VA"}},
    {kOk, {"&OK", "&OK"}},
    {kCancel, {"&Cancel", "&Storno"}},
};
constexpr BiText kNoBrowser{"There is  no  program\r\n''Internet Explorer'' in your PC !! ",
                            "Ve vašem PC nemáte program\r\n''Internet Explorer'' !! "};

}  // namespace

TaskWindowPresenter::TaskWindowPresenter(TaskWindowView& view, quorla::Host& host, int language, int task,
                                         std::string caption)
    // A remembered task outside 1..3 is shown as the map viewer: with no option checked, "&OK"
    // would close with code 0 and end the launcher as if cancelled.
    : view_(view), host_(host), language_(language), task_(task >= 1 && task <= 3 ? task : 1),
      caption_(std::move(caption)) {}

void TaskWindowPresenter::Open() {
  const quorla::Language l = WindowLanguage();
  view_.SetTitle(caption_);
  for (const ControlText& t : kTexts) view_.SetControlText(t.id, t.text(l));
  view_.SetFlag(language_ == 0 ? "TCH" : "UK");
  view_.CheckOption(10 + task_);
}

quorla::Language TaskWindowPresenter::WindowLanguage() const {
  return language_ == 0 ? quorla::Language::English : quorla::Language::Czech;
}

void TaskWindowPresenter::OnControl(int id) {
  if (id != kInternetButton) {
    const int checked = view_.CheckedOption();
    if (checked >= kMapOption && checked <= kAntennaOption) task_ = checked - 10;
  }
  switch (id) {
    case kFlagButton:  // the launcher switches the language and builds the window anew
      view_.Close(100 + task_);
      return;
    case kInternetButton:
      if (!host_.OpenWebPage(kAgreementPage)) {
        host_.Message(kNoBrowser(WindowLanguage()), caption_ + " Info:", quorla::Buttons::Ok, quorla::Icon::Information);
      }
      return;
    case kOk:
      view_.Close(task_);
      return;
    case kCancel:
      view_.Close(-task_);
      return;
    default:
      return;
  }
}

}  // namespace taskhub
