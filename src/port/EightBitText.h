#pragma once
// Text files written in an 8-bit code page (Windows-1251 for Russian, Latin-1 for Western
// names) shown readably. Only for display: matching and routing keep the raw bytes.
#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view bytes);
// UTF-8 as it is; otherwise Windows-1251 when the text has a run of three or more bytes above
// 127 (a Cyrillic word), else Latin-1.
std::string EightBitToUtf8(std::string_view bytes);
