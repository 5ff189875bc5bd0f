// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gtfs/FeedSource.h"
#include "gtfs/Utf8Scan.h"

struct csv_parser;

// One CSV file of a feed, streamed record by record: the header names the columns, in any
// order; a leading byte-order mark, CR LF or LF line ends and quoted fields are all accepted.
// Only a small window of the file is in memory at a time, so files of millions of rows cost
// no more than small ones. Text that is not UTF-8, a broken quote and a line over
// kMaxLineBytes are refused, naming the line.
class CsvTable {
public:
    static constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

    // Opens `name` of `feed` and reads its header. Throws GtfsError when the file is missing.
    CsvTable(const FeedSource& feed, std::string name);
    ~CsvTable();
    CsvTable(const CsvTable&) = delete;
    CsvTable& operator=(const CsvTable&) = delete;

    const std::string& Name() const { return name_; }
    std::optional<std::size_t> FindColumn(std::string_view column) const;
    // Throws GtfsError naming the file and the missing column.
    std::size_t Column(std::string_view column) const;

    // Moves to the next record; false at the end of the file.
    bool Next();
    // The current record's field, empty when the record is shorter. Valid until Next().
    std::string_view Field(std::size_t column) const;
    std::size_t FieldCount() const { return current_ == nullptr ? 0 : current_->fieldCount; }
    // The field of a column that may be absent from the file.
    std::string_view Field(const std::optional<std::size_t>& column) const;
    // The physical line the current record begins on.
    long Line() const { return line_; }
    // Throws GtfsError naming this file, the current line and `column`.
    [[noreturn]] void Fail(std::size_t column, std::string_view message) const;

    // Called by the parser.
    void AddField(const char* bytes, std::size_t size);
    void EndRecord(int terminator);

private:
    struct FieldSpan {
        std::uint32_t offset;
        std::uint32_t size;
    };
    struct Record {
        std::size_t firstField;
        std::size_t fieldCount;
        long line;
    };
    struct ParserFree {
        void operator()(csv_parser* parser) const;
    };

    bool Refill();
    void TakeHeader(std::size_t count);
    void DropConsumed();
    void Feed(std::string_view input);
    void Parse(std::string_view input);
    std::size_t ResumeAfterFault(std::string_view rest);
    void CheckPendingSize() const;
    void Finish();

    long ParserLine() const;
    std::string_view OpenColumn() const;
    [[noreturn]] void FailInOpenField(std::string_view message) const;
    [[noreturn]] void FailEncoding(std::string_view rest) const;

    std::string name_;
    std::unique_ptr<ByteStream> stream_;
    std::unique_ptr<csv_parser, ParserFree> parser_;
    std::unordered_map<std::string, std::size_t> columns_;
    std::vector<std::string> columnNames_;

    std::vector<char> chunk_;
    bool firstChunk_ = true;
    bool headerRead_ = false;
    bool finished_ = false;
    Utf8Scan utf8_;

    // Parsed records not yet handed out, and the fields of the record still being parsed.
    std::string bytes_;
    std::vector<FieldSpan> fields_;
    std::vector<Record> records_;
    std::size_t nextRecord_ = 0;
    std::size_t pendingFirstField_ = 0;

    const Record* current_ = nullptr;
    long line_ = 0;
    // The line the next field begins on, and the one the record being parsed began on. Line
    // ends inside quoted fields count too; fields are searched for them only in input that
    // holds a quote.
    long fieldLine_ = 1;
    long recordLine_ = 1;
    bool fieldsMayBreakLines_ = false;
    int lastTerminator_ = 0;
};
