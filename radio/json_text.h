// JSON in and out: a string literal for a text, and a small reader for the
// documents the command line prints and the browser edition hands back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm314 {

std::string JsonString(std::string_view text);

struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;  // a string's UTF-8 bytes
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;  // in the order given

  bool is(Kind k) const { return kind == k; }
};

// The value of a JSON text, or nothing with where and why in `error`.
std::optional<JsonValue> ParseJson(std::string_view text, std::string& error);

}  // namespace qm314
