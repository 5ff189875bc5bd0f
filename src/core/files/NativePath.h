// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// File names on disk are bytes. Most are UTF-8, but a Windows archive unpacked here leaves its
// Japanese names in Shift-JIS. Both kinds become wide text, and a wide path leads back to the
// bytes of the names on disk.

// A file name's bytes as wide text: UTF-8 when they are valid UTF-8, else Shift-JIS.
std::wstring DecodeFileName(std::string_view bytes);

// The path on disk whose names decode to the components of `path`: each component is tried as
// UTF-8, then as Shift-JIS. From the first component found in neither form (a file still to be
// made) on, the rest is UTF-8.
std::string NativePath(std::wstring_view path);
