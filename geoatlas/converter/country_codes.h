#pragma once
// The 3-letter code of a country feature: the agreement's codes where its country list has one
// ("D  ", "F  ", "G  ", "HOL", ...), ISO 3166 alpha-3 elsewhere; features without an ISO number
// take the code of the state they belong to, by name.
#include <string>
#include <string_view>

namespace quorla::geoatlas {

// Three characters, blank-padded; empty text for an unknown feature.
std::string CountryCodeOf(std::string_view isoNumeric, std::string_view name);

// Whether the code belongs to the agreement's country list.
bool IsAgreementCountry(std::string_view code);

}  // namespace quorla::geoatlas
