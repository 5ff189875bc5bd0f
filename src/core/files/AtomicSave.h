#pragma once

#include <functional>
#include <string_view>

class CSJisFile;

// Writes a file through `writer` into a temporary file beside `path` and renames it over `path`
// only when every step succeeded, so a failed save never leaves a truncated file behind.
bool SaveAtomically(std::wstring_view path, const std::function<bool(CSJisFile&)>& writer);
