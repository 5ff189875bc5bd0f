// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/ImportManifest.h"

#include <algorithm>

#include "files/FileKey.h"
#include "files/RegularFile.h"
#include "text/WideText.h"

namespace {

constexpr std::size_t kDigestLength = 16;

bool IsDigest(std::string_view text) {
    return text.size() == kDigestLength && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// Only names the import itself writes: no folders, nothing hidden (the manifest, temporaries).
bool IsPlainName(std::string_view name) {
    return !name.empty() && name.front() != '.' && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

}  // namespace

ImportManifest ImportManifest::Read(const std::filesystem::path& folder) {
    ImportManifest manifest;
    std::string bytes;
    const std::filesystem::path file = folder / kFileName;
    if (ReadRegularFile(wtext::Utf8ToWide(file.string()), bytes) != FileRead::Ok) {
        return manifest;
    }
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.size() > kDigestLength + 1 && line[kDigestLength] == ' ' &&
            IsDigest(line.substr(0, kDigestLength)) &&
            IsPlainName(line.substr(kDigestLength + 1))) {
            manifest.Set(std::string(line.substr(kDigestLength + 1)),
                         std::string(line.substr(0, kDigestLength)));
        }
    }
    return manifest;
}

std::string ImportManifest::DigestOf(std::string_view bytes) {
    return Digest(bytes);
}

std::optional<std::string> ImportManifest::Find(const std::string& name) const {
    const auto found = files_.find(name);
    return found == files_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

void ImportManifest::Set(const std::string& name, const std::string& digest) {
    files_[name] = digest;
}

std::string ImportManifest::Text() const {
    std::string text =
        "# Written by kovaris import-gtfs: the files it wrote here, each after the FNV-1a digest "
        "of its bytes.\n";
    for (const auto& [name, digest] : files_) {
        text += digest + " " + name + "\n";
    }
    return text;
}
