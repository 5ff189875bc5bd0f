// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gtfs/ImportManifest.h"

// What became of the files of the folder that a batch did not simply write (UTF-8 names).
struct BatchOutcome {
    std::vector<std::string> keptEdited;   // written by the last import, edited since
    std::vector<std::string> keptForeign;  // there already, not written by an import
    std::vector<std::string> removed;      // of the last import, no longer written, unchanged
    std::vector<std::string> keptStale;    // of the last import, no longer written, edited since
};

// Whether a batch writes over a file of the folder that is not as the last import left it.
enum class EditedFiles { Keep, Replace };

// Files written together or not at all: each goes to a hidden temporary file first, and only
// Commit() gives them their names, with a manifest of what was written beside them. A later
// batch in the folder replaces only the files unchanged since and takes away the unchanged ones
// it no longer writes. Temporaries left uncommitted are removed.
class FileBatch {
public:
    explicit FileBatch(std::filesystem::path folder);
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Creates the folder when needed. Throws GtfsError when the bytes cannot be written.
    void Add(const std::wstring& name, std::string_view bytes);
    // Makes every change or, throwing GtfsError, none.
    BatchOutcome Commit(EditedFiles edited = EditedFiles::Keep);

private:
    struct Pending {
        std::string temporary;  // empty once the file has its name
        std::string name;
        std::string digest;
    };
    struct Plan {
        std::vector<std::size_t> replaced;  // into pending_
        std::vector<std::string> removed;
        ImportManifest manifest;
        BatchOutcome outcome;
    };

    Pending WriteTemporary(const std::string& name, std::string_view bytes) const;
    Plan PlanCommit(EditedFiles edited) const;
    void Apply(const Plan& plan);
    void RemoveTemporaries();

    std::filesystem::path folder_;
    std::vector<Pending> pending_;
};
