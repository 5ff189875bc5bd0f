// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Path helpers for data prepared on a case-insensitive file system with "\" separators.

// Turns every "\" into "/".
std::wstring ToNativeSeparators(std::wstring_view path);

// True when something exists at `path` (a trailing "/" asks for a directory).
bool PathExists(std::wstring_view path);

// `path` as it exists on disk when only the case of some components differs; otherwise `path`
// unchanged. Components are matched one by one, so "DATA/Line/x.TBL" finds "data/line/X.tbl".
std::wstring FindPathIgnoringCase(std::wstring_view path);

// The full path of `target` as a data file names another: a leading separator means the data
// root (which ends in a separator), anything else `baseDir`; "\\" separates too, and a path that
// does not exist is looked up again without regard to case.
std::wstring ResolveDataPath(std::wstring_view dataRoot, std::wstring_view baseDir,
                             std::wstring_view target);

// A path written in a data file (the companion program's history, say) as a path here: "\\"
// separates, and a name whose case differs is still found.
std::wstring ResolveWrittenPath(std::wstring_view written);

// A file of the data root (which ends in a separator) such as "Holiday.dat", found whatever the
// case of its name on disk; the name as given when no such file exists.
std::wstring DataRootFile(std::wstring_view dataRoot, std::wstring_view name);
