// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "CsvTableChecks.h"

namespace {

// The input as every file of a feed, handed out in pieces of a size the input's length picks,
// so that characters, quotes and line ends fall across the reader's chunk boundaries.
class MemoryFeed : public FeedSource {
public:
    explicit MemoryFeed(std::string_view bytes) : bytes_(bytes) {}

    bool Has(std::string_view) const override { return true; }
    std::unique_ptr<ByteStream> Open(std::string_view) const override {
        return std::make_unique<Stream>(bytes_);
    }

private:
    class Stream : public ByteStream {
    public:
        explicit Stream(std::string_view bytes) : bytes_(bytes), piece_(1 + bytes.size() % 61) {}
        std::size_t Read(char* buffer, std::size_t size) override {
            const std::size_t n = std::min({size, piece_, bytes_.size()});
            std::memcpy(buffer, bytes_.data(), n);
            bytes_.remove_prefix(n);
            return n;
        }

    private:
        std::string_view bytes_;
        std::size_t piece_;
    };

    std::string_view bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemoryFeed feed(std::string_view(reinterpret_cast<const char*>(data), size));
    ReadToEndChecked(feed, "stops.txt");
    return 0;
}
