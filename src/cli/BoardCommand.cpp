// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardCommand.h"

#include <unistd.h>
#include <CLI/CLI.hpp>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <ostream>
#include <string_view>
#include <thread>

#include "AtOption.h"
#include "board/BoardSession.h"
#include "board/RowText.h"
#include "catalogue/ArrivalRows.h"
#include "catalogue/CatalogueMessages.h"
#include "catalogue/DataStore.h"
#include "files/NativePath.h"
#include "settings/AppSettings.h"
#include "settings/WalkTimes.h"
#include "text/IntFormat.h"
#include "text/WideText.h"
#include "timetable/Clock.h"
#include "timetable/Timetable.h"

namespace {

constexpr std::wstring_view kNoDepartures = L"本日の発車はありません";
constexpr std::array<std::wstring_view, 8> kDayNames = {
    L"日曜", L"月曜", L"火曜", L"水曜", L"木曜", L"金曜", L"土曜", L"祝日",
};
constexpr std::array<std::wstring_view, 7> kWeekdayShort = {L"日", L"月", L"火", L"水",
                                                            L"木", L"金", L"土"};

// Never a colour of the list: its high byte is set.
constexpr ColorRef kNoColor = 0xFF000000;

// "(月曜)", or "(祝日 元日)" for a named holiday.
std::wstring DayTypeText(const Timetable& table) {
    const DayType day = table.dayType;
    if (day < 1 || day > static_cast<int>(kDayNames.size())) {
        return L"(?)";
    }
    std::wstring text = L"(" + std::wstring(kDayNames[static_cast<std::size_t>(day - 1)]);
    if (day == kHolidayDayType) {
        // The holiday is the one of the timetable day on show.
        const MomentFields date = table.MomentOfMinute(0).Fields();
        const std::wstring* name = table.holidays().FindHoliday(date.month, date.day);
        if (name != nullptr && !name->empty()) {
            text += L' ';
            text += *name;
        }
    }
    return text + L")";
}

void WriteLine(std::ostream& out, const BoardLine& line, bool colors, bool clearRest) {
    const bool styled = colors && (line.next || line.dimmed || line.color.has_value());
    if (styled) {
        out << "\x1b[";
        if (line.next || line.dimmed) {
            out << (line.next ? "1" : "2");
        }
        if (line.color) {
            const ColorRef c = *line.color;
            out << (line.next || line.dimmed ? ";" : "") << "38;2;" << (c & 0xFF) << ';'
                << (c >> 8 & 0xFF) << ';' << (c >> 16 & 0xFF);
        }
        out << 'm';
    }
    out << wtext::WideToUtf8(line.text);
    if (styled) {
        out << "\x1b[0m";
    }
    if (clearRest) {
        out << "\x1b[K";
    }
    out << '\n';
}

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int) {
    gInterrupted = 1;
}

// Catches Ctrl-C and termination for the lifetime of a watch, so the terminal is left tidy.
class InterruptGuard {
public:
    InterruptGuard() {
        gInterrupted = 0;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~InterruptGuard() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

// Sleeps until the wall clock's second changes; false once interrupted.
bool WaitForSystemSecond() {
    using namespace std::chrono;
    const auto second = floor<seconds>(system_clock::now());
    while (gInterrupted == 0 && floor<seconds>(system_clock::now()) == second) {
        std::this_thread::sleep_for(milliseconds(50));
    }
    return gInterrupted == 0;
}

// A clock started at --at keeps running from there, one second per frame.
bool WaitOneSecond(ManualClock& clock) {
    using namespace std::chrono;
    const auto end = steady_clock::now() + seconds(1);
    while (gInterrupted == 0 && steady_clock::now() < end) {
        std::this_thread::sleep_for(milliseconds(50));
    }
    clock.AdvanceMs(1000);
    return gInterrupted == 0;
}

bool IsTerminal(const std::ostream& out) {
    return &out == &std::cout && isatty(STDOUT_FILENO) != 0;
}

bool WantsColors(const std::ostream& out, const std::string& mode) {
    if (mode != "auto") {
        return mode == "always";
    }
    const char* noColor = std::getenv("NO_COLOR");
    const char* term = std::getenv("TERM");
    return IsTerminal(out) && (noColor == nullptr || *noColor == '\0') &&
           (term == nullptr || std::string_view(term) != "dumb");
}

std::wstring WithSeparator(std::wstring path) {
    if (!path.empty() && path.back() != L'/') {
        path += L'/';
    }
    return path;
}

struct BoardOptions {
    std::string table;
    std::string at;
    int rows = 5;
    std::string settingsFile;
    std::string dataRoot;
    bool watch = false;
    std::string color = "auto";
    bool arrivals = false;
    int walk = -1;  // minutes; -1 takes KovarisWalk.ini's
};

// The walking time to each timetable's station (every member's, on a board): --walk, else
// KovarisWalk.ini's beside the settings file (read only, like the settings).
WalkLookup WalkMinutes(const BoardOptions& options, const AppSettings& settings) {
    if (options.walk >= 0) {
        return [minutes = options.walk](std::wstring_view) { return minutes; };
    }
    auto walks = std::make_shared<WalkTimes>();
    static_cast<void>(walks->Load(WalkTimes::FileBeside(settings.filePath)));
    return [walks, root = settings.dataPath](std::wstring_view path) {
        return walks->MinutesFor(root, path);
    };
}

// The timetable to show: --table relative to the data root (where it is found there), else as
// given; without --table the default entry of the root level, as the window opens at start.
std::optional<std::wstring> FindTable(const DataStore& store, const LevelLoad& level,
                                      const BoardOptions& options, std::ostream& err) {
    if (!options.table.empty()) {
        const std::wstring given = wtext::Utf8ToWide(options.table);
        if (!store.settings().dataPath.empty() && !given.starts_with(L'/')) {
            const std::wstring inRoot = store.ResolvePath(L"", given);
            if (std::filesystem::is_regular_file(NativePath(inRoot))) {
                return inRoot;
            }
        }
        return given;
    }
    if (store.settings().dataPath.empty()) {
        err << "kovaris board: give --table, or a data root whose start level has a default\n";
        return std::nullopt;
    }
    if (!level.ok()) {
        err << wtext::WideToUtf8(LevelLoadFailedMessage(store.ConfigurationMode(), level.path))
            << '\n';
        return std::nullopt;
    }
    if (level.defaultIndex < 0) {
        err << "kovaris board: the start level has no default timetable; give --table\n";
        return std::nullopt;
    }
    const CatalogueEntry& entry = store.entries()[static_cast<std::size_t>(level.defaultIndex)];
    return store.ResolvePath(entry.baseDir, entry.target);
}

int RunBoard(const BoardOptions& options, std::ostream& out, std::ostream& err) {
    // Read only: the board never writes the settings file back.
    AppSettings settings;
    if (!options.settingsFile.empty()) {
        if (!std::filesystem::is_regular_file(options.settingsFile)) {
            err << "kovaris board: cannot read the settings file " << options.settingsFile << '\n';
            return 1;
        }
        settings.filePath = wtext::Utf8ToWide(options.settingsFile);
    }
    // Without a data path the board still runs on the timetable it was given.
    static_cast<void>(settings.Load(nullptr));
    const std::wstring root = WithSeparator(
        options.dataRoot.empty() ? settings.dataPath : wtext::Utf8ToWide(options.dataRoot));
    settings.dataPath = root;

    std::unique_ptr<ManualClock> fixedClock;
    if (!options.at.empty()) {
        fixedClock = std::make_unique<ManualClock>(*ParseMoment(options.at));
    }
    SystemClock systemClock;
    const Clock& clock = fixedClock ? static_cast<const Clock&>(*fixedClock) : systemClock;

    // The data the window starts with, so the board shows what the window would: the colour
    // list, Holiday.dat and the route configuration's holidays in configuration mode.
    DataStore store(settings);
    const LevelLoad level = root.empty() ? LevelLoad{} : store.Start(clock.Now());
    const std::optional<std::wstring> tablePath = FindTable(store, level, options, err);
    if (!tablePath) {
        return 1;
    }
    Timetable table(settings, store.colors, store.holidays);
    BoardSession session(table);
    if (!session.Open(*tablePath, clock.Now(), WalkMinutes(options, settings))) {
        err << "kovaris board: cannot read the timetable " << wtext::WideToUtf8(*tablePath) << '\n';
        return 1;
    }
    for (const std::wstring& member : table.unreadableMembers) {
        err << "kovaris board: cannot show the board's timetable " << wtext::WideToUtf8(member)
            << '\n';
    }
    const bool colorful = WantsColors(out, options.color);
    if (!options.watch) {
        std::vector<BoardLine> lines = BuildBoardLines(session, clock.Now(), options.rows);
        if (options.arrivals) {
            AppendArrivalLines(table, lines);
        }
        WriteBoard(out, lines, colorful);
        return 0;
    }

    InterruptGuard guard;
    BoardWatch watch{session, clock, options.rows, IsTerminal(out), colorful, {}, options.arrivals};
    if (fixedClock) {
        watch.waitForNextSecond = [&fixedClock] { return WaitOneSecond(*fixedClock); };
    } else {
        watch.waitForNextSecond = WaitForSystemSecond;
    }
    RunBoardWatch(watch, out);
    return 0;
}

}  // namespace

std::wstring BoardHeading(const Timetable& table, const BoardFrame& frame) {
    std::wstring heading = table.title;
    const auto addPart = [&heading](std::wstring_view part) {
        if (!part.empty()) {
            heading += heading.empty() ? L"" : L"  ";
            heading += part;
        }
    };
    addPart(wtext::Trim(frame.caption1 + L" " + frame.caption2));
    addPart(DayTypeText(table));
    return heading;
}

std::vector<BoardLine> BuildBoardLines(BoardSession& session, Moment moment, int rows) {
    return BoardLinesOf(session.timetable(), session.Tick(moment, 0), rows);
}

std::vector<BoardLine> BoardLinesOf(const Timetable& table, const BoardFrame& frame, int rows) {
    std::vector<BoardLine> lines;
    lines.push_back({BoardHeading(table, frame), std::nullopt, false});
    if (frame.nextRow < 0) {
        lines.push_back({std::wstring(kNoDepartures), std::nullopt, false});
        return lines;
    }
    const int top = frame.topRow >= 0 ? frame.topRow : frame.nextRow;
    RowInfo row;
    for (int index = top; index < top + rows; ++index) {
        row.color = kNoColor;
        if (!table.GetRowInfo(index, row)) {
            lines.push_back({BlankRowText(), std::nullopt, false});
            continue;
        }
        BoardLine line{RowText(row, table.settings()) + row.note, std::nullopt,
                       index == frame.nextRow, row.unreachable};
        line.text.resize(wtext::TrimRight(line.text).size());
        if (row.color != kNoColor) {
            line.color = row.color;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::wstring ClockLine(Moment moment) {
    const MomentFields f = moment.Fields();
    std::wstring text;
    AppendIntFormat(text, L"%04d-%02d-%02d(", {f.year, f.month, f.day});
    if (f.dayOfWeek >= 1 && f.dayOfWeek <= 7) {
        text += kWeekdayShort[static_cast<std::size_t>(f.dayOfWeek - 1)];
    }
    AppendIntFormat(text, L") %02d:%02d:%02d", {f.hour, f.minute, f.second});
    return text;
}

void AppendArrivalLines(const Timetable& table, std::vector<BoardLine>& lines) {
    lines.push_back({L"--", std::nullopt, false});
    const ArrivalList list =
        BuildArrivalListForIndex(table, table.nextIndex, table.settings().cfgRead != 0);
    for (const ArrivalRow& row : list.rows) {
        lines.push_back({row.text, std::nullopt, false});
    }
}

void WriteBoard(std::ostream& out, const std::vector<BoardLine>& lines, bool colors) {
    for (const BoardLine& line : lines) {
        WriteLine(out, line, colors, false);
    }
}

void RunBoardWatch(const BoardWatch& watch, std::ostream& out) {
    if (watch.inPlace) {
        out << "\x1b[?25l\x1b[2J";  // hide the cursor, start on a clean screen
    }
    bool first = true;
    do {
        const Moment now = watch.clock.Now();
        std::vector<BoardLine> lines = BuildBoardLines(watch.session, now, watch.rows);
        if (watch.arrivals) {
            AppendArrivalLines(watch.session.timetable(), lines);
        }
        if (watch.inPlace) {
            // Overwrite line by line instead of clearing first, so nothing flickers.
            lines.insert(lines.begin(), BoardLine{ClockLine(now), std::nullopt, false});
            out << "\x1b[H";
            for (const BoardLine& line : lines) {
                WriteLine(out, line, watch.colors, true);
            }
            out << "\x1b[J";
        } else {
            if (!first) {
                out << '\n';
            }
            WriteBoard(out, lines, watch.colors);
        }
        out.flush();
        first = false;
    } while (watch.waitForNextSecond());
    if (watch.inPlace) {
        out << "\x1b[?25h" << std::flush;
    }
}

void AddBoardCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status) {
    auto options = std::make_shared<BoardOptions>();
    CLI::App* board = app.add_subcommand(
        "board", "the coming departures of a timetable or board, as the departure list shows them");
    board->add_option(
        "--table", options->table,
        "timetable (.TBL) or board (.BRD) file, relative to the data root where it is found "
        "there (default: the start level's default timetable)");
    AddAtOption(*board, options->at, "the moment to show, \"YYYY-MM-DD HH:MM:SS\" (default: now)");
    board->add_option("--rows", options->rows, "number of rows (default 5)")
        ->check(CLI::Range(1, 999));
    board->add_option("--settings", options->settingsFile,
                      "settings file (default ./Kovaris.ini; never written)");
    board->add_option(
        "--data-root", options->dataRoot,
        "data folder with Holiday.dat and color.ini (default: the settings' DataPath)");
    board->add_flag("--watch", options->watch, "redraw once a second until interrupted");
    board->add_flag("--arrivals", options->arrivals,
                    "after the rows, \"--\" and the arrival stations of the next departure");
    board
        ->add_option(
            "--walk", options->walk,
            "minutes' walk to the station, for every timetable shown (default: its line in "
            "KovarisWalk.ini)")
        ->check(CLI::Range(0, WalkTimes::kMaxMinutes));
    board->add_option("--color", options->color, "colour the rows: auto, always or never")
        ->check(CLI::IsMember({"auto", "always", "never"}));
    board->footer(
        "The first line reads \"title  caption1 caption2  (day)\", the day being 日曜 to 土曜, or "
        "祝日\n"
        "with the holiday's name. Then one line per row: label, departure time, time left and the\n"
        "train's marks, from the next departure on (from the one before when PREV_DISP is set).\n"
        "Kovaris.ini (or --settings) is read, never written; Holiday.dat and color.ini come from\n"
        "the data root, and with CfgRead=1 the holidays of vekt.cfg replace Holiday.dat's, as in\n"
        "the window. With --watch a terminal shows a clock line on top and redraws in place.\n"
        "A walking time (--walk, or the timetable's PATH=MINUTES line in KovarisWalk.ini beside\n"
        "Kovaris.ini, PATH relative to the data root) makes the next departure the first one the\n"
        "walk still reaches; the trains before it lose their label (faint on a terminal), and\n"
        "with WalkCount=1 the countdowns count to the moment to set off. A board file (.BRD)\n"
        "joins its timetables' rows, each led by its line's name; each line has its own walk.");
    board->callback([options, &out, &err, &status] { status = RunBoard(*options, out, err); });
}
