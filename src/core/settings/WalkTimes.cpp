// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WalkTimes.h"

#include <algorithm>
#include <iterator>

#include "files/AtomicSave.h"
#include "files/PathLookup.h"
#include "files/RegularFile.h"
#include "files/SJisLines.h"
#include "settings/KeyValueLine.h"
#include "text/SJisCodec.h"
#include "text/WideText.h"

namespace {

// A path as compared: "/" separates, ASCII letters in one case, no "./" or "/" in front.
std::wstring Folded(std::wstring_view path) {
    std::wstring folded = wtext::ToUpper(ToNativeSeparators(wtext::Trim(path)));
    while (folded.starts_with(L"./")) {
        folded.erase(0, 2);
    }
    const std::size_t start = folded.find_first_not_of(L'/');
    return folded.substr(std::min(start, folded.size()));
}

// The timetable's path relative to the data root (in its own case); a path outside the root
// stays whole.
std::wstring RelativePath(std::wstring_view dataRoot, std::wstring_view timetablePath) {
    const std::wstring root = wtext::ToUpper(ToNativeSeparators(wtext::Trim(dataRoot)));
    std::wstring path = ToNativeSeparators(wtext::Trim(timetablePath));
    if (!root.empty() && wtext::ToUpper(path).starts_with(root)) {
        path.erase(0, root.size());
    }
    return path;
}

// The minutes of a value, or none for anything but a whole number in range.
std::optional<int> MinutesOf(std::wstring_view value) {
    const std::wstring_view text = wtext::Trim(value);
    if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), wtext::IsDigit)) {
        return std::nullopt;
    }
    const int minutes = wtext::LeadingInt(text);
    return minutes <= WalkTimes::kMaxMinutes ? std::optional<int>(minutes) : std::nullopt;
}

}  // namespace

std::wstring WalkTimes::FileBeside(std::wstring_view settingsPath) {
    const std::size_t slash = settingsPath.find_last_of(L'/');
    const std::wstring folder(slash == std::wstring_view::npos ? std::wstring_view(L"./")
                                                               : settingsPath.substr(0, slash + 1));
    return DataRootFile(folder, L"KovarisWalk.ini");
}

bool WalkTimes::Load(std::wstring_view path) {
    lines_.clear();
    std::string bytes;
    leftUnread_ = LeftUnread(ReadRegularFile(path, bytes));
    SJisLines lines(bytes);
    Read(lines);
    return !leftUnread_;
}

void WalkTimes::Read(SJisLines& source) {
    std::wstring text;
    while (source.ReadString(text)) {
        Line line;
        const std::optional<KeyValueLine> pair = SplitKeyValueLine(text);
        const std::optional<int> minutes = pair ? MinutesOf(pair->value) : std::nullopt;
        // A bad value is no walking time, and stays in the file for the traveller to mend.
        if (minutes && !Folded(pair->key).empty()) {
            line.path = wtext::Trim(pair->key);
            line.key = Folded(pair->key);
            line.minutes = *minutes;
        } else {
            line.text = text;
        }
        lines_.push_back(std::move(line));
    }
}

std::optional<std::string> WalkTimes::FileBytes() const {
    std::string bytes;
    for (const Line& line : lines_) {
        const std::optional<std::string> text = ToSJisStrict(
            line.key.empty() ? line.text : line.path + L"=" + std::to_wstring(line.minutes));
        if (!text) {
            return std::nullopt;
        }
        bytes += *text;
        bytes += "\r\n";
    }
    return bytes;
}

bool WalkTimes::Save(std::wstring_view path) const {
    if (leftUnread_) {
        return false;
    }
    const std::optional<std::string> bytes = FileBytes();
    return bytes && SaveAtomically(path, *bytes);
}

const WalkTimes::Line* WalkTimes::Find(const std::wstring& key) const {
    // The last line for a path wins, as a later key=value line does in the settings.
    const auto found = std::find_if(lines_.rbegin(), lines_.rend(),
                                    [&key](const Line& line) { return line.key == key; });
    return found == lines_.rend() ? nullptr : &*found;
}

int WalkTimes::MinutesFor(std::wstring_view dataRoot, std::wstring_view timetablePath) const {
    const Line* line = Find(Folded(RelativePath(dataRoot, timetablePath)));
    return line != nullptr ? line->minutes : 0;
}

bool WalkTimes::Set(std::wstring_view dataRoot, std::wstring_view timetablePath, int minutes) {
    const std::wstring path = RelativePath(dataRoot, timetablePath);
    const std::wstring key = Folded(path);
    if (minutes < 0 || minutes > kMaxMinutes || key.empty()) {
        return false;
    }
    const auto matches = [&key](const Line& line) { return line.key == key; };
    const auto first = std::find_if(lines_.begin(), lines_.end(), matches);
    if (minutes > 0 && first != lines_.end()) {
        // The line stays where it is, spelt as the traveller wrote it; later ones go.
        first->minutes = minutes;
        lines_.erase(std::remove_if(std::next(first), lines_.end(), matches), lines_.end());
        return true;
    }
    std::erase_if(lines_, matches);
    if (minutes > 0) {
        lines_.push_back({{}, path, key, minutes});
    }
    return true;
}
