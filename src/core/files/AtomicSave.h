// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

class SaveSteps;

// Replaces the file at `path` by `bytes` so that, whatever happens, the file holds either its
// old content or the new one in full, also after a power loss: the bytes go to a new file of a
// unique name in the same folder, are synced to the device, take the old file's permission bits
// and are renamed over it; then the folder is synced. A symbolic link is saved through: its
// target gets the content and the link stays. A file without write permission is not replaced
// (false). A writable file in a folder that takes no new file is written over in place instead,
// and cut to the new length once the new bytes are all in it.
bool SaveAtomically(std::wstring_view path, std::string_view bytes);

// The same through `steps`, which tests use to make one step fail.
bool SaveAtomically(std::wstring_view path, std::string_view bytes, SaveSteps& steps);
