#include "storage/IniText.h"

#include "base/StringOps.h"

namespace sequora::storage {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

bool EnclosedInQuotes(std::string_view s) {
  return s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
}

bool HoldsLineBreakOrNul(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Readers strip one pair of matching quotes and the blanks around a value; a value that is itself
// enclosed in quotes therefore gets one more pair.
std::string StoredValue(std::string_view value) {
  const std::string_view core = TrimBlanks(value);
  if (EnclosedInQuotes(core)) return "\"" + std::string(core) + "\"";
  return std::string(value);
}

// The profile functions treat names and values as C strings.
std::string_view CutAtNul(std::string_view s) {
  std::size_t nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}

}  // namespace

bool IniLineReader::Next(IniLine& line) {
  if (pos_ >= text_.size()) return false;
  line = IniLine{};
  line.begin = pos_;
  std::size_t end = text_.find_first_of("\r\n", pos_);
  if (end == std::string_view::npos) end = text_.size();
  line.end = end;
  std::size_t next = end;
  if (next < text_.size()) {
    if (text_[next] == '\r' && next + 1 < text_.size() && text_[next + 1] == '\n')
      next += 2;
    else
      next += 1;
  }
  line.next = pos_ = next;

  std::string_view content = TrimBlanks(text_.substr(line.begin, line.end - line.begin));
  if (content.empty()) {
    line.kind = IniLine::Kind::Blank;
  } else if (content.front() == '[') {
    line.kind = IniLine::Kind::Section;
    std::string_view name = content.substr(1);
    std::size_t close = name.find(']');
    if (close != std::string_view::npos) name = name.substr(0, close);
    line.name = CutAtNul(TrimSpaces(name));
  } else if (content.front() == ';') {
    line.kind = IniLine::Kind::Comment;
  } else {
    line.kind = IniLine::Kind::Key;
    std::size_t eq = content.find('=');
    line.hasEquals = eq != std::string_view::npos;
    line.name = CutAtNul(TrimBlanks(content.substr(0, eq)));
    const std::size_t contentBegin = static_cast<std::size_t>(content.data() - text_.data());
    if (line.hasEquals) {
      std::size_t at = contentBegin + eq + 1;
      while (at < line.end && IsBlank(text_[at])) ++at;
      line.valueBegin = at;
      line.value = CutAtNul(TrimBlanks(text_.substr(at, line.end - at)));
    } else {
      line.valueBegin = contentBegin + content.size();
    }
  }
  return true;
}

std::string TrimIniBlanks(std::string_view keyOrValue) { return std::string(TrimBlanks(keyOrValue)); }
std::string TrimIniSection(std::string_view section) { return std::string(TrimSpaces(section)); }

bool IniNamesEqual(std::string_view a, std::string_view b) { return EqualsNoCase(a, b); }

std::string IniValueAsRead(std::string_view stored) {
  if (EnclosedInQuotes(stored)) stored = stored.substr(1, stored.size() - 2);
  return std::string(stored);
}

bool IniCanStore(std::string_view section, std::string_view key, std::string_view value) {
  if (HoldsLineBreakOrNul(section) || HoldsLineBreakOrNul(key) || HoldsLineBreakOrNul(value)) return false;
  if (section.find(']') != std::string_view::npos) return false;
  const std::string_view k = TrimBlanks(key);
  return k.find('=') == std::string_view::npos && (k.empty() || (k.front() != '[' && k.front() != ';'));
}

std::optional<std::string> LookupIniValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
  const std::string wantSection = TrimIniSection(section);
  const std::string wantKey = TrimIniBlanks(key);
  IniLineReader reader(text);
  IniLine line;
  bool inSection = false;
  while (reader.Next(line)) {
    if (line.kind == IniLine::Kind::Section) {
      if (inSection) return std::nullopt;  // only the first copy of the section counts
      inSection = IniNamesEqual(line.name, wantSection);
    } else if (inSection && line.kind == IniLine::Kind::Key && IniNamesEqual(line.name, wantKey)) {
      return IniValueAsRead(line.value);
    }
  }
  return std::nullopt;
}

std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
  if (!IniCanStore(section, key, value)) return std::nullopt;
  const std::string wantSection = TrimIniSection(section);
  const std::string wantKey = TrimIniBlanks(key);
  const std::string stored = StoredValue(value);
  const std::string newLine = wantKey + "=" + stored + "\r\n";

  IniLineReader reader(text);
  IniLine line;
  bool inSection = false;
  bool found = false;
  std::size_t insertAt = 0;  // after the header or the section's last key line
  while (reader.Next(line)) {
    if (line.kind == IniLine::Kind::Section) {
      if (inSection) break;
      inSection = IniNamesEqual(line.name, wantSection);
      if (inSection) {
        found = true;
        insertAt = line.next;
      }
    } else if (inSection && line.kind == IniLine::Kind::Key) {
      if (IniNamesEqual(line.name, wantKey)) {
        std::string out;
        out.reserve(text.size() + stored.size() + 3);
        out.append(text.substr(0, line.valueBegin));
        if (!line.hasEquals) out.append("=");
        out.append(stored);
        out.append(text.substr(line.end));
        if (line.next == line.end) out.append("\r\n");  // the last line had no line ending
        return out;
      }
      insertAt = line.next;
    }
  }

  std::string out;
  out.reserve(text.size() + newLine.size() + wantSection.size() + 4);
  const bool endsOpen = !text.empty() && text.back() != '\n' && text.back() != '\r';
  if (found) {
    out.append(text.substr(0, insertAt));
    if (insertAt == text.size() && endsOpen) out.append("\r\n");
    out.append(newLine);
    out.append(text.substr(insertAt));
  } else {
    out.append(text);
    if (endsOpen) out.append("\r\n");
    out.append("[" + wantSection + "]\r\n");
    out.append(newLine);
  }
  return out;
}

}  // namespace sequora::storage
