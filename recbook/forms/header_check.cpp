#include "forms/header_check.h"

#include <algorithm>

namespace recbook {
namespace {

bool Blank(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

}  // namespace

std::optional<HeaderFault> CheckHeaderValues(const HeaderValues& v, quorla::Language l) {
  const bool en = l == quorla::Language::English;
  if (Blank(v.description))
    return HeaderFault{HeaderField::Description, en ? "Mising File contents  !!" : "Chybí Obsah souboru  !!"};
  const std::string code = v.contentsCode.empty() ? " " : v.contentsCode.substr(0, 1);
  if (v.contentsCode.size() > 1 || std::string("ODNAM").find(code) == std::string::npos)
    return HeaderFault{HeaderField::ContentsCode, en ? "File contents code has to be:  O, D, N, A, M  !!"
                                                     : "Kód obsahu souboru musí být:  O, D, N, A, M  !!"};
  if (Blank(v.country)) return HeaderFault{HeaderField::Country, en ? "Mising Country  !!" : "Chybí Stát  !!"};
  if (Blank(v.person))
    return HeaderFault{HeaderField::Person,
                       en ? "Mising Name of respon. persone  !!" : "Chybí Jméno odpověd. osoby  !!"};
  if (Blank(v.phone) && Blank(v.telefax) && Blank(v.telex))
    return HeaderFault{HeaderField::Phone, en ? "Mising Phone, Telefax or Telex number  !!"
                                              : "Chybí číslo Telefonu, Telefaxu nebo Telexu  !!"};
  return std::nullopt;
}

}  // namespace recbook
