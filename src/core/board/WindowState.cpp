// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/WindowState.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "files/AtomicSave.h"
#include "files/FileKey.h"
#include "files/RegularFile.h"
#include "text/WideText.h"

namespace fs = std::filesystem;

namespace {

// Far beyond any desktop, near enough to zero that sums of two stay inside an int.
constexpr int kMaxCoordinate = 1'000'000;

std::optional<int> ReadNumber(std::string_view text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ReadSwitch(std::string_view text) {
    if (text == "0" || text == "1") {
        return text == "1";
    }
    return std::nullopt;
}

std::optional<WindowPlace> ReadPlace(std::string_view text) {
    std::array<int, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::size_t comma = i + 1 < numbers.size() ? text.find(',') : text.size();
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        const bool isSize = i >= 2;
        const auto number =
            ReadNumber(text.substr(0, comma), isSize ? 1 : -kMaxCoordinate, kMaxCoordinate);
        if (!number) {
            return std::nullopt;
        }
        numbers[i] = *number;
        text.remove_prefix(std::min(text.size(), comma + 1));
    }
    return WindowPlace{numbers[0], numbers[1], numbers[2], numbers[3]};
}

}  // namespace

std::string FormatWindowState(const WindowState& state, std::wstring_view settingsFile) {
    std::string text = "Settings=" + wtext::WideToUtf8(settingsFile) + "\n";
    if (state.place) {
        const WindowPlace& p = *state.place;
        text += "Window=" + std::to_string(p.x) + "," + std::to_string(p.y) + "," +
                std::to_string(p.width) + "," + std::to_string(p.height) + "\n";
    }
    text += std::string("Maximized=") + (state.maximized ? "1" : "0") + "\n";
    text += std::string("Remind=") + (state.reminderOn ? "1" : "0") + "\n";
    return text;
}

WindowState ParseWindowState(std::string_view text, std::wstring_view settingsFile) {
    WindowState state;
    bool ours = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(text.size(), end + 1));
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == "Settings") {
            ours = wtext::IsValidUtf8(value) && wtext::Utf8ToWide(value) == settingsFile;
        } else if (key == "Window") {
            state.place = ReadPlace(value);
        } else if (key == "Maximized") {
            state.maximized = ReadSwitch(value).value_or(false);
        } else if (key == "Remind") {
            state.reminderOn = ReadSwitch(value).value_or(false);
        }
    }
    return ours ? state : WindowState{};
}

std::wstring WindowStateFile(std::wstring_view stateFolder, std::wstring_view settingsFile) {
    std::wstring file(stateFolder);
    if (!file.empty() && file.back() != L'/') {
        file += L'/';
    }
    return file + L"window-" + wtext::Utf8ToWide(Digest(wtext::WideToUtf8(settingsFile))) +
           L".state";
}

WindowState LoadWindowState(std::wstring_view file, std::wstring_view settingsFile) {
    std::string bytes;
    if (ReadRegularFile(file, bytes) != FileRead::Ok) {
        return {};
    }
    return ParseWindowState(bytes, settingsFile);
}

bool SaveWindowState(std::wstring_view file, const WindowState& state,
                     std::wstring_view settingsFile) {
    const fs::path folder = fs::path(wtext::WideToUtf8(file)).parent_path();
    std::error_code ec;
    if (!folder.empty() && fs::create_directories(folder, ec)) {
        fs::permissions(folder, fs::perms::owner_all, ec);
    }
    return SaveAtomically(file, FormatWindowState(state, settingsFile));
}
