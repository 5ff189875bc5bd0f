// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Changes to the names of one folder made all together or not at all, as far as the file system
// allows: every file replaced or removed stays reachable under a hidden name until Finish(), so a
// failure part-way can give each name back what it held. An unfinished transaction undoes itself.
// Names are UTF-8 file names within the folder.
class FolderTransaction {
public:
    explicit FolderTransaction(std::filesystem::path folder);
    ~FolderTransaction();
    FolderTransaction(const FolderTransaction&) = delete;
    FolderTransaction& operator=(const FolderTransaction&) = delete;

    // A hidden name beside `name` for a file of the import's own: ".NAME" + suffix first, then
    // short random ones (attempt 1 on), for when that one is taken or too long.
    static std::string HiddenName(const std::string& name, const std::string& suffix, int attempt);
    // Makes the folder's entries (new files written so far) durable.
    static void Sync(const std::filesystem::path& folder);

    // Gives the file `temporary` the name `name`; whatever had that name is kept aside. A folder
    // of that name is not replaced. Throws GtfsError.
    void Replace(const std::string& temporary, const std::string& name);
    // Takes `name` away, keeping the file aside. Throws GtfsError.
    void Remove(const std::string& name);
    // Makes the changes durable and drops what was kept aside.
    void Finish();
    // Gives every name changed back what it held; false when one could not be, in which case its
    // earlier file stays under its hidden name.
    bool Undo();

private:
    struct Change {
        std::string name;
        std::optional<std::string> original;  // the hidden name of what `name` held
        bool installed = false;               // `name` now holds a new file
    };

    std::optional<std::string> KeepAside(const std::string& name) const;
    std::string PathOf(const std::string& name) const;
    // `error` is errno, taken before anything else can change it.
    [[noreturn]] void Fail(const std::string& name, const char* what, int error) const;

    std::filesystem::path folder_;
    std::vector<Change> changes_;
};
