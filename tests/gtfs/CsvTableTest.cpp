// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
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

// Enough rows, with long quoted names, that records straddle the reader's 64 KiB chunks; some
// names hold a line end, which counts as a line of the file.
std::vector<Row> ManyRows(const std::string& eol) {
    std::vector<Row> rows;
    for (int i = 0; i < 4000; ++i) {
        rows.push_back({"S" + std::to_string(i),
                        "駅 " + std::string(static_cast<std::size_t>(i % 37), 'x') + ", \"" +
                            std::to_string(i) + "\"" + (i % 500 == 7 ? eol + "東口" : ""),
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
        // no line end after the last record. Quotes inside an unquoted field are its text.
        const std::string bareQuotes = "本町 \"東口\"";
        std::string file = std::string("\xEF\xBB\xBF") + "extra,stop_name,stop_id" + eol;
        std::vector<Row> rows = ManyRows(eol);
        long line = 1;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i == 100) {
                file += eol;
                ++line;
            }
            rows[i].line = ++line;
            line += rows[i].name.find(eol) != std::string::npos ? 1 : 0;
            file += bareQuotes + "," + Quoted(rows[i].name) + "," + rows[i].id;
            file += i + 1 < rows.size() ? eol : "";
        }
        TempDir dir;
        WriteBytes(dir.File(L"stops.txt"), file);
        const FolderFeed feed(dir.path());
        CsvTable table(feed, "stops.txt");
        const std::size_t id = table.Column("stop_id");
        const std::size_t name = table.Column("stop_name");
        const std::size_t extra = table.Column("extra");
        EXPECT_FALSE(table.FindColumn("parent_station"));
        std::size_t read = 0;
        while (table.Next() && read < rows.size()) {
            const Row& row = rows[read++];
            ASSERT_EQ(table.Field(id), row.id) << row.line;
            ASSERT_EQ(table.Field(name), row.name) << row.line;
            ASSERT_EQ(table.Line(), row.line) << row.id;
            ASSERT_EQ(table.Field(extra), bareQuotes) << row.line;
        }
        EXPECT_EQ(read, rows.size());
        EXPECT_FALSE(table.Next());
        EXPECT_THROW(table.Column("location_type"), GtfsError);
    }
}

// A file that never ends, as a zip entry of gigabytes does for all that is read of it.
class EndlessFeed : public FeedSource {
public:
    EndlessFeed(std::string head, std::string repeated)
        : head_(std::move(head)), repeated_(std::move(repeated)) {}

    bool Has(std::string_view) const override { return true; }
    std::unique_ptr<ByteStream> Open(std::string_view) const override {
        return std::make_unique<Stream>(*this);
    }
    std::size_t served() const { return served_; }

private:
    class Stream : public ByteStream {
    public:
        explicit Stream(const EndlessFeed& feed) : feed_(feed) {}
        std::size_t Read(char* buffer, std::size_t size) override {
            for (std::size_t i = 0; i < size; ++i, ++at_) {
                buffer[i] =
                    at_ < feed_.head_.size()
                        ? feed_.head_[at_]
                        : feed_.repeated_[(at_ - feed_.head_.size()) % feed_.repeated_.size()];
            }
            feed_.served_ += size;
            return size;
        }

    private:
        const EndlessFeed& feed_;
        std::size_t at_ = 0;
    };

    std::string head_;
    std::string repeated_;
    mutable std::size_t served_ = 0;
};

TEST(CsvTableTest, AnEndlessLineIsRefusedOnceItPassesTheBound) {
    struct Case {
        std::string head;
        std::string repeated;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"stop_id,stop_name\nS1,", "x", "stops.txt, line 2, column stop_name: a field over 1 MiB"},
        {"stop_id,stop_name\nS1,north\nS2,\"", "x\n",
         "stops.txt, line 3, column stop_name: a field over 1 MiB begins here: is its closing "
         "quote missing?"},
        {"stop_id,stop_name\n", "S1,", "stops.txt, line 2: a line over 1 MiB"},
        {"stop_id,stop_name\n", ",", "stops.txt, line 2: a line over 1 MiB"},
        {"", "stop_id", "stops.txt, line 1: a field over 1 MiB"},
    };
    for (const Case& c : cases) {
        const EndlessFeed feed(c.head, c.repeated);
        try {
            CsvTable table(feed, "stops.txt");
            while (table.Next()) {
            }
            ADD_FAILURE() << c.error << ": the end of an endless file";
        } catch (const GtfsError& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
        EXPECT_LT(feed.served(), CsvTable::kMaxLineBytes + (std::size_t{1} << 17)) << c.error;
    }
}

}  // namespace
