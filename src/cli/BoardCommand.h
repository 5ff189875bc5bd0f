// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "settings/ColorTable.h"
#include "timetable/Moment.h"

namespace CLI {
class App;
}
class BoardSession;
class Clock;
class Timetable;
struct BoardFrame;

// One line of the terminal board.
struct BoardLine {
    std::wstring text;
    std::optional<ColorRef> color;  // from the colour list; none draws in the terminal's colour
    bool next = false;              // the next departure
    bool dimmed = false;            // a train the walk to the station no longer reaches
};

// The board at `moment`, as the departure list shows it after a real-time refresh: a heading
// (title, the section's captions, the day type), then `rows` rows from the list's top row, each
// with its note and without trailing blanks; spare rows after the last departure read
// "　　　 --:--". Without a section for the day, the heading and "本日の発車はありません".
std::vector<BoardLine> BuildBoardLines(BoardSession& session, Moment moment, int rows);
// The same lines for the board as a command of `table`'s session left it, from the frame's top
// row (the next departure's when the frame keeps the scroll).
std::vector<BoardLine> BoardLinesOf(const Timetable& table, const BoardFrame& frame, int rows);

// "title  caption1 caption2  (月曜)"; empty parts are left out, a holiday shows its name.
std::wstring BoardHeading(const Timetable& table, const BoardFrame& frame);

// "2026-12-08(火) 10:05:00", the clock line on top of a board that keeps running.
std::wstring ClockLine(Moment moment);

// Appends "--" and the arrival-station rows of the next departure, as the window's arrival list
// shows them; call after BuildBoardLines, which finds that departure.
void AppendArrivalLines(const Timetable& table, std::vector<BoardLine>& lines);

// Writes the lines as UTF-8, one per line; `colours` adds 24-bit colour, bold for the next
// departure and faint for a train out of reach, for a terminal.
void WriteBoard(std::ostream& out, const std::vector<BoardLine>& lines, bool colors);

// Redraws the board once a second until `keepGoing` says no. On a terminal (`inPlace`) each
// frame overwrites the last one; otherwise frames follow each other, separated by an empty line.
// `waitForNextSecond` sleeps (and returns false when interrupted).
struct BoardWatch {
    BoardSession& session;
    const Clock& clock;
    int rows = 5;
    bool inPlace = false;
    bool colors = false;
    std::function<bool()> waitForNextSecond;
    bool arrivals = false;  // add the arrival-station list of the next departure
};
void RunBoardWatch(const BoardWatch& watch, std::ostream& out);

// Registers "kovaris board"; the command's exit status is written to `status`.
void AddBoardCommand(CLI::App& app, std::ostream& out, std::ostream& err, int& status);
