#include "json_reader.h"

#include <cctype>

namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Document(JsonFields& fields) {
    return Value("", fields) && (SkipSpace(), at_ == text_.size());
  }

 private:
  void SkipSpace() {
    while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos) ++at_;
  }
  bool Take(char c) {
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  bool Literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool String(std::string& out) {
    if (!Take('"')) return false;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ == text_.size()) return false;
      const char escaped = text_[at_++];
      const std::string_view simple = "\"\\/bfnrt";
      if (simple.find(escaped) != std::string_view::npos) {
        out += std::string_view("\"\\/\b\f\n\r\t")[simple.find(escaped)];
      } else if (escaped == 'u' && at_ + 4 <= text_.size()) {
        out += static_cast<char>(std::stoi(std::string(text_.substr(at_, 4)), nullptr, 16));
        at_ += 4;
      } else {
        return false;
      }
    }
    return false;
  }
  bool Number(std::string& out) {
    const std::size_t start = at_;
    const auto digits = [&] {
      const std::size_t first = at_;
      while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) ++at_;
      return at_ > first;
    };
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0') {
      ++at_;
    } else if (!digits()) {
      return false;
    }
    if (at_ < text_.size() && text_[at_] == '.' && (++at_, !digits())) return false;
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!digits()) return false;
    }
    out = text_.substr(start, at_ - start);
    return true;
  }
  bool Value(const std::string& path, JsonFields& fields) {
    SkipSpace();
    if (at_ == text_.size()) return false;
    const char c = text_[at_];
    if (c == '{') {
      ++at_;
      if (Take('}')) return true;
      do {
        std::string key;
        if (!String(key) || !Take(':') || !Value(path.empty() ? key : path + "." + key, fields)) return false;
      } while (Take(','));
      return Take('}');
    }
    if (c == '[') {
      ++at_;
      if (Take(']')) return true;
      int index = 0;
      do {
        if (!Value(path + "[" + std::to_string(index++) + "]", fields)) return false;
      } while (Take(','));
      return Take(']');
    }
    std::string scalar;
    if (c == '"') {
      if (!String(scalar)) return false;
    } else if (!(Literal("true") ? (scalar = "true", true)
                 : Literal("false") ? (scalar = "false", true)
                 : Literal("null")  ? (scalar = "null", true)
                                    : Number(scalar))) {
      return false;
    }
    fields[path] = scalar;
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<JsonFields> ReadJson(std::string_view text) {
  JsonFields fields;
  if (!Reader(text).Document(fields)) return std::nullopt;
  return fields;
}
