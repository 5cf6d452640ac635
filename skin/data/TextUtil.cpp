#include "skin/data/TextUtil.h"

namespace skin {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Upper(c);
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

bool ContainsUpperCased(std::string_view s, std::string_view upperPart) {
  for (std::size_t at = 0; at + upperPart.size() <= s.size(); ++at) {
    std::size_t i = 0;
    while (i < upperPart.size() && Upper(s[at + i]) == upperPart[i]) ++i;
    if (i == upperPart.size()) return true;
  }
  return false;
}

std::vector<std::string_view> SplitWords(std::string_view s, std::string_view delimiters) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < s.size()) {
    i = s.find_first_not_of(delimiters, i);
    if (i == std::string_view::npos) break;
    std::size_t end = s.find_first_of(delimiters, i);
    if (end == std::string_view::npos) end = s.size();
    words.push_back(s.substr(i, end - i));
    i = end;
  }
  return words;
}

}  // namespace skin
