// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// What an import wrote into its folder: each file's name and a digest of its bytes, kept beside
// the files as a hidden text file, so that a later import tells its own files from those edited
// since and from the user's own files of the same name.
class ImportManifest {
public:
    static constexpr std::string_view kFileName = ".import-manifest";

    // The manifest in `folder`; empty when there is none or it cannot be read, so every file
    // found counts as one the import did not write. A line naming no plain file of the folder
    // (a path, a hidden name) is skipped: the manifest never leads outside the folder.
    static ImportManifest Read(const std::filesystem::path& folder);
    // Sixteen hex digits of FNV-1a: enough to tell an edit, not a defence against a forger.
    static std::string DigestOf(std::string_view bytes);

    // The digest recorded for the file `name` (UTF-8).
    std::optional<std::string> Find(const std::string& name) const;
    void Set(const std::string& name, const std::string& digest);
    const std::map<std::string, std::string>& Files() const { return files_; }
    // "DIGEST NAME" per line, after a comment line saying what the file is.
    std::string Text() const;

private:
    std::map<std::string, std::string> files_;  // name, digest
};
