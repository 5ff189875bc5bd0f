// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversion between Shift-JIS (code page 932) bytes and wide text. Every character a CP932 file
// can hold is in the Basic Multilingual Plane, so one wchar_t stands for one UTF-16 unit.

// Converts bytes up to the first NUL (or the end). Malformed bytes become U+FFFD; never fails.
std::wstring ToWide(std::string_view bytes);

// The caller-buffer form: `out` receives the conversion, or is emptied when it yields nothing.
void ToWide(std::wstring& out, std::string_view bytes);

// Converts wide text to CP932 bytes; characters CP932 cannot hold become "?".
std::string ToSJis(std::wstring_view text);

// Strict forms: nothing when a byte sequence is not CP932, or a character has no CP932 form.
std::optional<std::wstring> ToWideStrict(std::string_view bytes);
std::optional<std::string> ToSJisStrict(std::wstring_view text);
