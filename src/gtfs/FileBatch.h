#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Files written together or not at all: each goes to a hidden temporary name first, and only
// Commit() gives them their names. Temporaries left uncommitted are removed.
class FileBatch {
public:
    explicit FileBatch(std::filesystem::path folder);
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Creates the folder when needed. Throws GtfsError when the bytes cannot be written.
    void Add(const std::wstring& name, std::string_view bytes);
    // Throws GtfsError when a file cannot be renamed.
    void Commit();

private:
    struct Pending {
        std::filesystem::path temporary;
        std::filesystem::path final;
    };

    std::filesystem::path folder_;
    std::vector<Pending> pending_;
};
