#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "gtfs/CsvTable.h"
#include "gtfs/FolderFeed.h"
#include "gtfs/GtfsError.h"

namespace {

struct Row {
    std::string id;
    std::string name;
    long line;
};

// Enough rows, with long quoted names, that records straddle the reader's 64 KiB chunks.
std::vector<Row> ManyRows() {
    std::vector<Row> rows;
    for (int i = 0; i < 4000; ++i) {
        rows.push_back({"S" + std::to_string(i),
                        "駅 " + std::string(static_cast<std::size_t>(i % 37), 'x') + ", \"" +
                            std::to_string(i) + "\"",
                        0});
    }
    return rows;
}

std::string Quoted(const std::string& field) {
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

TEST(CsvTableTest, EveryRecordAcrossChunksWithItsLine) {
    for (const std::string eol : {"\n", "\r\n"}) {
        // A byte-order mark, columns in an unusual order, an unknown column, a blank line and
        // no line end after the last record.
        std::string file = std::string("\xEF\xBB\xBF") + "extra,stop_name,stop_id" + eol;
        std::vector<Row> rows = ManyRows();
        long line = 1;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i == 100) {
                file += eol;
                ++line;
            }
            rows[i].line = ++line;
            file += "?," + Quoted(rows[i].name) + "," + rows[i].id;
            file += i + 1 < rows.size() ? eol : "";
        }
        TempDir dir;
        WriteBytes(dir.File(L"stops.txt"), file);
        const FolderFeed feed(dir.path());
        CsvTable table(feed, "stops.txt");
        const std::size_t id = table.Column("stop_id");
        const std::size_t name = table.Column("stop_name");
        EXPECT_FALSE(table.FindColumn("parent_station"));
        std::size_t read = 0;
        while (table.Next() && read < rows.size()) {
            const Row& row = rows[read++];
            ASSERT_EQ(table.Field(id), row.id) << row.line;
            ASSERT_EQ(table.Field(name), row.name) << row.line;
            ASSERT_EQ(table.Line(), row.line) << row.id;
        }
        EXPECT_EQ(read, rows.size());
        EXPECT_FALSE(table.Next());
        EXPECT_THROW(table.Column("location_type"), GtfsError);
    }
}

}  // namespace
