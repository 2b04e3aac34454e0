#include "testing/scripted_host.h"

#include <gtest/gtest.h>

namespace quorla {
namespace {

const char* KindName(int k) {
  static const char* names[] = {"message box", "open dialog", "save dialog", "folder dialog", "web page"};
  return names[k];
}

}  // namespace

ScriptedHost::~ScriptedHost() {
  if (!verified_) VerifyAllConsumed();
}

ScriptedHost& ScriptedHost::ExpectMessage(std::string text, std::string title, Buttons buttons, Icon icon,
                                          Answer answer) {
  steps_.push_back({Kind::Message, std::move(text), std::move(title), buttons, icon, answer, false});
  return *this;
}

ScriptedHost& ScriptedHost::ExpectOpenFileName(std::string returns, std::string title) {
  steps_.push_back({Kind::Open, std::move(returns), std::move(title)});
  return *this;
}

ScriptedHost& ScriptedHost::ExpectSaveFileName(std::string returns, std::string title) {
  steps_.push_back({Kind::Save, std::move(returns), std::move(title)});
  return *this;
}

ScriptedHost& ScriptedHost::ExpectChooseDirectory(std::string returns, std::string title) {
  steps_.push_back({Kind::Directory, std::move(returns), std::move(title)});
  return *this;
}

ScriptedHost& ScriptedHost::ExpectOpenWebPage(std::string url, bool opened) {
  Step s{Kind::WebPage, std::move(url), {}};
  s.flag = opened;
  steps_.push_back(std::move(s));
  return *this;
}

void ScriptedHost::VerifyAllConsumed() {
  verified_ = true;
  for (const Step& s : steps_) {
    ADD_FAILURE() << "expected " << KindName(static_cast<int>(s.kind)) << " never came: \"" << s.text
                  << "\" / \"" << s.title << "\"";
  }
  steps_.clear();
}

std::optional<ScriptedHost::Step> ScriptedHost::Next(Kind kind, std::string_view what) {
  if (steps_.empty()) {
    ADD_FAILURE() << "unexpected " << KindName(static_cast<int>(kind)) << ": \"" << what << "\"";
    return std::nullopt;
  }
  Step s = steps_.front();
  steps_.pop_front();
  if (s.kind != kind) {
    ADD_FAILURE() << "expected " << KindName(static_cast<int>(s.kind)) << " \"" << s.text << "\", got "
                  << KindName(static_cast<int>(kind)) << " \"" << what << "\"";
    return std::nullopt;
  }
  return s;
}

Answer ScriptedHost::Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  const auto s = Next(Kind::Message, text);
  if (!s) return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  EXPECT_EQ(s->text, text) << "message text";
  EXPECT_EQ(s->title, title) << "message title of \"" << text << "\"";
  EXPECT_EQ(static_cast<int>(s->buttons), static_cast<int>(buttons)) << "buttons of \"" << text << "\"";
  EXPECT_EQ(static_cast<int>(s->icon), static_cast<int>(icon)) << "icon of \"" << text << "\"";
  return s->answer;
}

std::string ScriptedHost::Dialog(Kind kind, const FileDialogRequest& request) {
  requests_.push_back(request);
  const auto s = Next(kind, request.title);
  if (!s) return {};
  if (!s->title.empty()) {
    EXPECT_EQ(s->title, request.title) << "dialog title";
  }
  return s->text;
}

std::string ScriptedHost::OpenFileName(const FileDialogRequest& request) { return Dialog(Kind::Open, request); }
std::string ScriptedHost::SaveFileName(const FileDialogRequest& request) { return Dialog(Kind::Save, request); }

std::string ScriptedHost::ChooseDirectory(std::string_view title, std::string_view start) {
  FileDialogRequest r;
  r.title = title;
  r.directory = start;
  return Dialog(Kind::Directory, r);
}

bool ScriptedHost::OpenWebPage(std::string_view url) {
  const auto s = Next(Kind::WebPage, url);
  if (!s) return false;
  EXPECT_EQ(s->text, url);
  return s->flag;
}

bool ScriptedHost::SetClock(const LocalTime& time) {
  if (!clockAllowed_) return false;
  clockSet_ = time;
  return true;
}

}  // namespace quorla
