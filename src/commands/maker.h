// The maker's addresses and the holder of the copyright, in one place: the about box shows
// them and its buttons hand them to the shell. They lie under a domain reserved for examples.
#pragma once

#include <string_view>

namespace kelvari {

inline constexpr std::wstring_view kSupportMail = L"kelvari@example.org";
inline constexpr std::wstring_view kNewsPage = L"https://www.example.org/kelvari/news.htm";
inline constexpr std::wstring_view kWebSite = L"https://www.example.org/kelvari/";

// The © line: "© " kFirstYear " - " current year, then kHolder.
inline constexpr int kFirstYear = 2019;
inline constexpr std::wstring_view kHolder = L" Das Kelvari-Projekt";

}  // namespace kelvari
