// Small text helpers for skin files. Names in skins are ASCII in practice;
// case is folded for ASCII letters only, other bytes compare as they are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skin {

std::string UpperCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
// Leading and trailing bytes up to and including the blank are removed.
std::string_view Trim(std::string_view s);
bool Contains(std::string_view s, std::string_view part);
// Whether the upper-cased `s` contains `upperPart`, without making a copy.
bool ContainsUpperCased(std::string_view s, std::string_view upperPart);
// Words of `s` separated by any of `delimiters`; empty words are skipped.
std::vector<std::string_view> SplitWords(std::string_view s, std::string_view delimiters);

}  // namespace skin
