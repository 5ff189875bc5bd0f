// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// The system calls a save is made of, one per step, so that a test can make any one of them fail
// the way a full disk or a lost device would. Each returns false (or nullptr) with errno set.
class SaveSteps {
public:
    virtual ~SaveSteps() = default;

    // A new file that did not exist before (never through a link planted at `path`).
    virtual std::FILE* Create(const std::string& path);
    // An existing file, as it is, to be written over from its start: the fallback when its
    // folder cannot take a new file.
    virtual std::FILE* OpenExisting(const std::string& path);
    virtual bool Write(std::FILE* file, std::string_view bytes);
    virtual bool Flush(std::FILE* file);
    // Cuts the file to `length` bytes (after a flush, so the stream holds nothing more).
    virtual bool Truncate(std::FILE* file, std::size_t length);
    // Until the bytes are on the device, not just in the kernel's cache.
    virtual bool Sync(std::FILE* file);
    virtual bool Rename(const std::string& from, const std::string& to);
};
