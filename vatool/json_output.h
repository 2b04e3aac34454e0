#pragma once
// The --json forms of vatool's commands, written through nlohmann-json. Texts must be UTF-8: a
// record's bytes are Latin-1 and go through Latin1ToUtf8 first. A byte that is still not UTF-8
// becomes U+FFFD, so the output is always a valid document.
#include <nlohmann/json.hpp>
#include <string>

namespace vatool {

// The members of a flat object in their order, `"a": 1, "b": "x"`, for output that streams an
// array between members.
std::string JsonMembers(const nlohmann::ordered_json& object);

// A flat object on one line: `{"a": 1, "b": "x"}`.
std::string JsonLine(const nlohmann::ordered_json& object);

}  // namespace vatool
