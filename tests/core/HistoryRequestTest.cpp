#include "catalogue/HistoryRequest.h"

#include <gtest/gtest.h>

namespace {

TEST(HistoryRequestTest, RequestsAndRepliesSurviveTheirWayOverTheSocket) {
    EXPECT_EQ(ParseHistoryRequest(HistoryRequestLine(3)), 3);
    for (const char* bad : {"show-history", "show-history x\n", "show-history 1 2\n",
                            "show-history 99999999999\n", "open 3\n"}) {
        EXPECT_EQ(ParseHistoryRequest(bad), std::nullopt) << bad;
    }
    const HistoryReply replies[] = {
        {HistoryOutcome::Shown, "/data/若葉台.TBL"},
        {HistoryOutcome::Failed, "/data/a b.TBL"},
        {HistoryOutcome::NoEntry, ""},
    };
    for (const HistoryReply& reply : replies) {
        const auto back = ParseHistoryReply(HistoryReplyLine(reply));
        ASSERT_TRUE(back.has_value()) << reply.path;
        EXPECT_EQ(back->outcome, reply.outcome) << reply.path;
        EXPECT_EQ(back->path, reply.path);
    }
    EXPECT_EQ(ParseHistoryReply(""), std::nullopt);  // a window that closed without answering
}

}  // namespace
