// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PathLookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/NativePath.h"
#include "text/WideText.h"

namespace fs = std::filesystem;

namespace {

fs::path ToFsPath(std::wstring_view path) {
    return fs::path(NativePath(path));
}

// The entry of `dir` whose name equals `name` without regard to case, or empty.
std::wstring FindNameIgnoringCase(const std::wstring& dir, std::wstring_view name) {
    const std::wstring wanted = wtext::ToUpper(name);
    std::error_code ec;
    fs::directory_iterator it(ToFsPath(dir.empty() ? L"." : dir), ec);
    std::wstring found;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::wstring candidate = DecodeFileName(it->path().filename().native());
        // Several names may differ only in case; take the first in name order so the choice
        // does not depend on the directory's internal order.
        if (wtext::ToUpper(candidate) == wanted && (found.empty() || candidate < found)) {
            found = candidate;
        }
    }
    return found;
}

}  // namespace

std::wstring ToNativeSeparators(std::wstring_view path) {
    std::wstring result(path);
    std::replace(result.begin(), result.end(), L'\\', L'/');
    return result;
}

bool PathExists(std::wstring_view path) {
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    const fs::file_status status = fs::status(ToFsPath(path), ec);
    if (ec || !fs::exists(status)) {
        return false;
    }
    return !path.ends_with(L'/') || fs::is_directory(status);
}

std::wstring FindPathIgnoringCase(std::wstring_view path) {
    if (path.empty() || PathExists(path)) {
        return std::wstring(path);
    }
    std::wstring resolved;
    std::size_t pos = 0;
    if (path.front() == L'/') {
        resolved = L"/";
        pos = 1;
    }
    while (pos < path.size()) {
        std::size_t end = path.find(L'/', pos);
        if (end == std::wstring_view::npos) {
            end = path.size();
        }
        const std::wstring_view component = path.substr(pos, end - pos);
        if (!component.empty()) {
            std::wstring candidate = resolved + std::wstring(component);
            if (component != L"." && component != L".." && !PathExists(candidate)) {
                const std::wstring name = FindNameIgnoringCase(resolved, component);
                if (name.empty()) {
                    return std::wstring(path);
                }
                candidate = resolved + name;
            }
            resolved = std::move(candidate);
        }
        if (end < path.size()) {
            resolved += L'/';
        }
        pos = end + 1;
    }
    return resolved;
}

std::wstring ResolveWrittenPath(std::wstring_view written) {
    return FindPathIgnoringCase(ToNativeSeparators(written));
}

std::wstring DataRootFile(std::wstring_view dataRoot, std::wstring_view name) {
    std::wstring path(dataRoot);
    path += name;
    return FindPathIgnoringCase(path);
}

std::wstring ResolveDataPath(std::wstring_view dataRoot, std::wstring_view baseDir,
                             std::wstring_view target) {
    const std::wstring native = ToNativeSeparators(target);
    std::wstring path;
    if (native.starts_with(L'/')) {
        path = std::wstring(dataRoot) + native.substr(1);
    } else {
        path = ToNativeSeparators(baseDir) + native;
    }
    return FindPathIgnoringCase(path);
}
