// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/BoardTimetable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleBoard.h"
#include "text/SJisCodec.h"
#include "timetable/BoardFile.h"

namespace {

// Monday 7 December 2026; Friday 11, Saturday 12 and Sunday 13 December.
Moment Dec(int day, int hour, int minute) {
    return Moment::FromFields(2026, 12, day, hour, minute, 0);
}

class BoardTimetableTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(example_.board.LoadTimetable(example_.Path())); }

    ExampleBoard example_;
    Timetable& board_ = example_.board;
};

// The members' trains in time order, a tie in member order; each row names its line first,
// then its marks as its own legend reads them.
TEST_F(BoardTimetableTest, RowsJoinTheMembersInTimeOrder) {
    struct Row {
        int time;
        const wchar_t* note;
        ColorRef color;
    };
    const ColorRef rapid = ExampleBoard::kRapidColor;
    const ColorRef express = ExampleBoard::kExpressColor;
    const std::vector<Row> expected = {
        {8 * 60, L"北 行き ", 0},
        {8 * 60 + 10, L"北 行き 快速 ", rapid},
        {8 * 60 + 10, L"南線 急行 ", express},
        {8 * 60 + 12, L"北 行き ", 0},
        {8 * 60 + 14, L"南線 ", 0},
        {8 * 60 + 15, L"南線 ", 0},
        {8 * 60 + 20, L"北 行き ", 0},
        {8 * 60 + 30, L"南線 急行 ", express},
        {26 * 60 + 5, L"北 行き ", 0},
        {26 * 60 + 40, L"南線 ", 0},
    };
    EXPECT_EQ(board_.title, L"駅 全方面");
    ASSERT_EQ(board_.members.size(), 2u);
    board_.FindNextDeparture(Dec(7, 7, 0), true);
    RowInfo row;
    std::size_t count = 0;
    for (; board_.GetRowInfo(static_cast<int>(count), row); ++count) {
        ASSERT_LT(count, expected.size());
        const Row& want = expected[count];
        EXPECT_EQ(row.time, want.time) << count;
        EXPECT_EQ(row.note, want.note) << count;
        EXPECT_EQ(row.color, want.color) << count;
        row = RowInfo{};
    }
    EXPECT_EQ(count, expected.size());
    EXPECT_EQ(board_.SourceOf(2).title, L"南線");
    EXPECT_EQ(board_.SourceSectionOf(1)->caption1, L"北線");
}

// Each day shows the members that serve it; the night belongs to the ending day while any
// member still has a train to come in the day-change hour.
TEST_F(BoardTimetableTest, EachDayShowsTheMembersThatServeIt) {
    struct Case {
        const char* name;
        Moment now;
        int rows;  // of the section on show; 0 for none
        int next;  // minutes of the next departure; -1 for none
        const wchar_t* line;
    };
    const std::vector<Case> cases = {
        {"a weekday joins both", Dec(11, 8, 11), 10, 8 * 60 + 12, L"北線"},
        {"Friday night, the northern line's last", Dec(12, 1, 30), 10, 26 * 60 + 5, L"北線"},
        {"the day-change hour waits for the southern line", Dec(12, 2, 10), 10, 26 * 60 + 40,
         L"南線"},
        {"then Saturday, the northern line alone", Dec(12, 2, 41), 1, 8 * 60 + 5, L"北線"},
        {"a Sunday no member serves", Dec(13, 10, 0), 0, -1, L""},
    };
    for (const Case& c : cases) {
        const int next = board_.FindNextDeparture(c.now, true);
        const DaySection* section = board_.FindSection();
        EXPECT_EQ(section ? section->DepartureCount() : 0, c.rows) << c.name;
        EXPECT_EQ(next >= 0 ? section->DepartureAt(next).time : -1, c.next) << c.name;
        EXPECT_EQ(next >= 0 ? board_.SourceSectionOf(next)->caption1 : L"", c.line) << c.name;
    }
}

// Members that cannot be read are named and left out; a board of none of them is no board, and
// the timetable on show stays.
TEST_F(BoardTimetableTest, UnreadableMembersAreNamedAndLeftOut) {
    const std::wstring folder = example_.dir.File(L"b/");
    EXPECT_EQ(board_.unreadableMembers,
              (std::vector<std::wstring>{folder + L"missing.TBL", folder + L"inner.BRD"}));
    EXPECT_EQ(board_.members[1].timetable->path, example_.dir.File(L"s/south.TBL"));

    EXPECT_FALSE(board_.LoadTimetable(folder + L"none.BRD"));
    EXPECT_FALSE(board_.LoadTimetable(folder + L"gone.BRD"));
    EXPECT_EQ(board_.title, L"駅 全方面");
    EXPECT_EQ(board_.members.size(), 2u);
    EXPECT_EQ(board_.unreadableMembers.size(), 2u);

    // A timetable read after the board is no board.
    ASSERT_TRUE(board_.LoadTimetable(folder + L"n.TBL"));
    EXPECT_FALSE(board_.IsBoard());
    EXPECT_TRUE(board_.unreadableMembers.empty());
}

TEST(BoardFileTest, ParseReadsTheTitleAndOneMemberPerLine) {
    struct Case {
        const char* name;
        std::wstring text;
        std::wstring expected;  // the title, then "|target=short name" per member
    };
    const std::vector<Case> cases = {
        {"title, comments and blank lines", L"; 全方面 \r\n; 上り\r\n\r\n  up.TBL\r\n;down.TBL\r\n",
         L"全方面|up.TBL="},
        {"a short name with blanks", L";t\nup.TBL  北 行き  \n", L"t|up.TBL=北 行き"},
        {"a full-width space separates", L";t\nup.TBL　上り\n", L"t|up.TBL=上り"},
        {"root and backslashes kept as written", L";t\n\\a\\b.TBL x\n/c.TBL\n",
         L"t|\\a\\b.TBL=x|/c.TBL="},
        {"no title line", L"up.TBL\r\n;later\n", L"|up.TBL="},
    };
    for (const Case& c : cases) {
        const BoardFile file = BoardFile::Parse(ToSJis(c.text));
        std::wstring got = file.title;
        for (const BoardFileMember& member : file.members) {
            got += L"|" + member.target + L"=" + member.shortName;
        }
        EXPECT_EQ(got, c.expected) << c.name;
    }
    EXPECT_TRUE(BoardFile::Names(L"/d/all.brd"));
    EXPECT_FALSE(BoardFile::Names(L".BRD"));
    EXPECT_FALSE(BoardFile::Names(L"/d/all.BRD.bak"));
}

}  // namespace
