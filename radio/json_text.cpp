// JSON string escaping, and a recursive-descent reader; texts are passed
// through byte for byte otherwise.
#include "radio/json_text.h"

#include <cstdio>

#include "radio/text_numbers.h"

namespace qm314 {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

namespace {

// Deeper than any document of ours; keeps a hostile text from exhausting the stack.
constexpr int kMaxDepth = 32;

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  std::optional<JsonValue> document(std::string& error) {
    JsonValue value;
    if (!this->value(value, 0)) {
      error = where() + problem_;
      return std::nullopt;
    }
    skipSpace();
    if (pos_ != text_.size()) {
      error = where() + "text follows the value";
      return std::nullopt;
    }
    return value;
  }

 private:
  std::string where() const { return "at byte " + std::to_string(pos_ + 1) + ": "; }

  bool fail(const char* problem) {
    problem_ = problem;
    return false;
  }

  void skipSpace() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
      ++pos_;
  }

  bool take(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  bool value(JsonValue& out, int depth) {
    if (depth > kMaxDepth) return fail("the values nest too deep");
    skipSpace();
    if (pos_ >= text_.size()) return fail("a value is missing");
    const char c = text_[pos_];
    if (c == '{') return object(out, depth);
    if (c == '[') return array(out, depth);
    if (c == '"') {
      out.kind = JsonValue::Kind::String;
      return string(out.text);
    }
    if (take("true") || take("false")) {
      out.kind = JsonValue::Kind::Boolean;
      out.boolean = c == 't';
      return true;
    }
    if (take("null")) return true;
    if (c == '-' || (c >= '0' && c <= '9')) return number(out);
    return fail("a value is missing");
  }

  bool object(JsonValue& out, int depth) {
    out.kind = JsonValue::Kind::Object;
    ++pos_;
    skipSpace();
    if (take("}")) return true;
    for (;;) {
      skipSpace();
      std::string key;
      if (pos_ >= text_.size() || text_[pos_] != '"') return fail("a member's name is missing");
      if (!string(key)) return false;
      skipSpace();
      if (!take(":")) return fail("':' is missing after a member's name");
      JsonValue member;
      if (!value(member, depth + 1)) return false;
      out.members.emplace_back(std::move(key), std::move(member));
      skipSpace();
      if (take("}")) return true;
      if (!take(",")) return fail("',' or '}' is missing");
    }
  }

  bool array(JsonValue& out, int depth) {
    out.kind = JsonValue::Kind::Array;
    ++pos_;
    skipSpace();
    if (take("]")) return true;
    for (;;) {
      JsonValue item;
      if (!value(item, depth + 1)) return false;
      out.items.push_back(std::move(item));
      skipSpace();
      if (take("]")) return true;
      if (!take(",")) return fail("',' or ']' is missing");
    }
  }

  bool number(JsonValue& out) {
    const std::size_t start = pos_;
    auto digits = [this] {
      const std::size_t from = pos_;
      while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
      return pos_ > from;
    };
    take("-");
    if (!digits()) return fail("a number has no digits");
    if (take(".") && !digits()) return fail("a number has no digits after its point");
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (!take("+")) take("-");
      if (!digits()) return fail("a number has no digits in its exponent");
    }
    out.kind = JsonValue::Kind::Number;
    out.number = LeadingReal(text_.substr(start, pos_ - start));
    return true;
  }

  bool hex4(unsigned& code) {
    if (pos_ + 4 > text_.size()) return fail("a \\u escape needs four hex digits");
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = text_[pos_++];
      code <<= 4;
      if (h >= '0' && h <= '9') code |= static_cast<unsigned>(h - '0');
      else if (h >= 'a' && h <= 'f') code |= static_cast<unsigned>(h - 'a' + 10);
      else if (h >= 'A' && h <= 'F') code |= static_cast<unsigned>(h - 'A' + 10);
      else return fail("a \\u escape needs four hex digits");
    }
    return true;
  }

  static void appendUtf8(std::string& out, unsigned code) {
    auto byte = [&out](unsigned b) { out += static_cast<char>(static_cast<unsigned char>(b)); };
    if (code < 0x80) {
      byte(code);
    } else if (code < 0x800) {
      byte(0xC0 | (code >> 6));
      byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      byte(0xE0 | (code >> 12));
      byte(0x80 | ((code >> 6) & 0x3F));
      byte(0x80 | (code & 0x3F));
    } else {
      byte(0xF0 | (code >> 18));
      byte(0x80 | ((code >> 12) & 0x3F));
      byte(0x80 | ((code >> 6) & 0x3F));
      byte(0x80 | (code & 0x3F));
    }
  }

  bool string(std::string& out) {
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size()) return fail("a string has no closing quote");
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return fail("a string holds a control character");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) return fail("a string has no closing quote");
      const char e = text_[pos_++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned code = 0;
          if (!hex4(code)) return false;
          if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (!take("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
              return fail("a \\u escape leaves a surrogate without its pair");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          } else if (code >= 0xDC00 && code <= 0xDFFF) {
            return fail("a \\u escape leaves a surrogate without its pair");
          }
          appendUtf8(out, code);
          break;
        }
        default:
          return fail("a string holds an unknown escape");
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  const char* problem_ = "";
};

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text, std::string& error) { return Reader(text).document(error); }

}  // namespace qm314
