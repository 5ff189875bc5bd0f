// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/BoardTimetable.h"

#include <algorithm>
#include <string>

#include "files/PathLookup.h"
#include "files/RegularFile.h"
#include "settings/AppSettings.h"
#include "text/EncodingCheck.h"
#include "timetable/BoardFile.h"
#include "timetable/TimetableParser.h"

namespace {

using MemberSections = std::vector<const DaySection*>;

MemberSections SectionsOn(const std::vector<BoardMember>& members, DayType type) {
    MemberSections sections;
    sections.reserve(members.size());
    for (const BoardMember& member : members) {
        sections.push_back(member.timetable->SectionFor(type));
    }
    return sections;
}

DaySection Join(const MemberSections& sections, std::uint8_t dayMask) {
    DaySection joined;
    joined.dayMask = dayMask;
    for (std::size_t m = 0; m < sections.size(); ++m) {
        if (sections[m] == nullptr) {
            continue;
        }
        for (Departure departure : sections[m]->departures) {
            departure.member = static_cast<std::uint16_t>(m);
            joined.departures.push_back(std::move(departure));
        }
    }
    // Stable: equal times keep member order, and each member its own order.
    std::stable_sort(joined.departures.begin(), joined.departures.end(),
                     [](const Departure& a, const Departure& b) { return a.time < b.time; });
    for (int i = 0; i < joined.DepartureCount(); ++i) {
        const int slot = joined.DepartureAt(i).time / 60;
        auto& first =
            joined.hourIndex[static_cast<std::size_t>(std::clamp(slot, 0, kHourSlots - 1))];
        if (first < 0) {
            first = i;
        }
    }
    joined.inTimeOrder = true;
    return joined;
}

std::wstring NameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L'/') + 1);
}

}  // namespace

std::vector<DaySection> JoinMemberSections(const std::vector<BoardMember>& members) {
    std::vector<std::pair<MemberSections, std::uint8_t>> groups;
    for (DayType type = 1; type <= kHolidayDayType; ++type) {
        MemberSections sections = SectionsOn(members, type);
        if (std::all_of(sections.begin(), sections.end(),
                        [](const DaySection* s) { return s == nullptr; })) {
            continue;
        }
        const auto bit = static_cast<std::uint8_t>(1u << (type - 1));
        const auto same = std::find_if(groups.begin(), groups.end(),
                                       [&](const auto& group) { return group.first == sections; });
        if (same != groups.end()) {
            same->second = static_cast<std::uint8_t>(same->second | bit);
        } else {
            groups.emplace_back(std::move(sections), bit);
        }
    }
    std::vector<DaySection> joined;
    joined.reserve(groups.size());
    for (const auto& [sections, mask] : groups) {
        joined.push_back(Join(sections, mask));
    }
    return joined;
}

bool LoadBoardTimetable(std::wstring_view path, Timetable& board) {
    std::string bytes;
    if (ReadRegularFile(path, bytes) != FileRead::Ok) {
        return false;
    }
    const BoardFile file = BoardFile::Parse(bytes);
    const std::wstring folder = TimetableParser::FolderOf(path);
    std::vector<BoardMember> members;
    std::vector<std::wstring> unreadable;
    for (const BoardFileMember& line : file.members) {
        const std::wstring memberPath =
            ResolveDataPath(board.settings().dataPath, folder, line.target);
        auto member =
            std::make_shared<Timetable>(board.settings(), board.colors(), board.holidays());
        // A board within a board could name itself; members are timetables only.
        if (members.size() >= static_cast<std::size_t>(kMaxBoardMembers) ||
            BoardFile::Names(memberPath) || !member->LoadTimetable(memberPath)) {
            unreadable.push_back(memberPath);
            continue;
        }
        std::wstring shortName = line.shortName;
        if (shortName.empty()) {
            shortName = member->title.empty() ? NameOf(memberPath) : member->title;
        }
        members.push_back({std::move(shortName), std::move(member)});
    }
    if (members.empty()) {
        return false;
    }
    board.sections = JoinMemberSections(members);
    board.members = std::move(members);
    board.unreadableMembers = std::move(unreadable);
    board.title = file.title;
    board.legend.clear();
    board.arrivals.clear();
    board.path = path;
    board.folder = folder;
    board.writtenInUtf8 = LooksLikeUtf8(bytes);
    return true;
}
