// The checks of the header dialog of "Save  taged records  As file".
#include "editor/tagged_header_check.h"

#include <gtest/gtest.h>

namespace recbook {
namespace {

TEST(TaggedHeaderCheck, FirstFaultyFieldAndItsMessage) {
  HeaderValues ok;
  ok.description = "Register";
  ok.contentsCode = "M";
  ok.country = "CZE";
  ok.person = "Novak";
  ok.telex = "a@b.cz";
  EXPECT_FALSE(CheckHeaderValues(ok, quorla::Language::English));
  struct Case {
    void (*spoil)(HeaderValues&);
    HeaderField field;
    const char* message;
  } cases[] = {
      {[](HeaderValues& h) { h.description = "   "; }, HeaderField::Description, "Mising File contents  !!"},
      {[](HeaderValues& h) { h.contentsCode = "X"; }, HeaderField::ContentsCode,
       "File contents code has to be:  O, D, N, A, M  !!"},
      {[](HeaderValues& h) { h.contentsCode = ""; }, HeaderField::ContentsCode,
       "File contents code has to be:  O, D, N, A, M  !!"},
      {[](HeaderValues& h) { h.country = ""; }, HeaderField::Country, "Mising Country  !!"},
      {[](HeaderValues& h) { h.person = ""; }, HeaderField::Person, "Mising Name of respon. persone  !!"},
      {[](HeaderValues& h) { h.telex = ""; }, HeaderField::Phone, "Mising Phone, Telefax or Telex number  !!"},
  };
  for (const Case& c : cases) {
    HeaderValues h = ok;
    c.spoil(h);
    const auto fault = CheckHeaderValues(h, quorla::Language::English);
    ASSERT_TRUE(fault) << c.message;
    EXPECT_EQ(fault->field, c.field);
    EXPECT_EQ(fault->message, c.message);
  }
}

}  // namespace
}  // namespace recbook
