#include <gtest/gtest.h>

#include <string>

#include "catalogue/Orders.h"

namespace vantorel {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Orders, NamesAcrossTheTableAndOutsideIt) {
    EXPECT_EQ(OrderName(0), "Hold Station");
    EXPECT_EQ(OrderName(10), "Escort (Prevent Boarding)");
    EXPECT_EQ(OrderName(37), "Kamikazi Attack");
    EXPECT_EQ(OrderName(38), "Parmanently Disabled");
    EXPECT_EQ(OrderName(50), "50");
    EXPECT_EQ(OrderName(51), "(unknown order)");
    EXPECT_EQ(OrderName(-2), "(unknown order)");
    EXPECT_EQ(GetOrderInfo(-1), nullptr);
}

TEST(Orders, UnusedOrdersHaveNoneInEveryHelpField) {
    for (int order = 40; order <= 50; ++order) {
        const OrderInfo* info = GetOrderInfo(order);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(std::string(info->name), std::to_string(order));
        for (const char* field :
             {info->movement, info->selfDefence, info->targets, info->onCompletion, info->notes})
            EXPECT_STREQ(field, "none") << order;
        EXPECT_STREQ(info->parameter1Label, "Parameter 1");
        EXPECT_STREQ(info->parameter2Label, "Parameter 2");
    }
}

TEST(Orders, ParameterLabelsCarryTheirColon) {
    EXPECT_EQ(OrderParameterLabels(18), std::make_pair(std::string("Deploy time x5 seconds?:"),
                                                       std::string("FG to drop (see notes):")));
    EXPECT_EQ(OrderParameterLabels(10).second, "Attack players [1=yes]:");
    EXPECT_EQ(OrderParameterLabels(-1),
              std::make_pair(std::string("Parameter 1:"), std::string("Parameter 2:")));
}

TEST(Orders, InformationTextJoinsTheFiveSections) {
    const std::string goHome = OrderInfoText(1);
    EXPECT_EQ(goHome,
              "Flightgroup movement:\nHeads directly to hyperspace point or mothership."
              "\n\nSelf defence:\nIgnores all attacks.\n\nTargets:\nNo effect."
              "\n\nAction on completion:\nShip will have left mission if this order is "
              "successfully completed.\n\nNotes:\nnone");

    // Line breaks inside a note are single line feeds; quotes are part of the text.
    const std::string board = OrderInfoText(12);
    EXPECT_NE(board.find("as follows:\nIf it was holding station, it will continue to do so "
                         "indefinately.\nIf it was Awaiting"),
              std::string::npos);
    const std::string drop = OrderInfoText(18);
    EXPECT_NE(drop.find("should be set to \"arrives when flight group (x) is dropped off\""),
              std::string::npos);
    EXPECT_TRUE(EndsWith(drop, "(first FG is zero)"));
    EXPECT_TRUE(EndsWith(OrderInfoText(36), "appear to be rather too small"));
    EXPECT_EQ(OrderInfoText(51), "");
}

TEST(Orders, RowsPairTheRightHelpTexts) {
    const OrderInfo* patrolAttack = GetOrderInfo(26);
    EXPECT_STREQ(patrolAttack->onCompletion, "Ship will go to next order");  // no full stop
    EXPECT_STREQ(GetOrderInfo(25)->notes,
                 "Fairly useless for non turreted ships. Appears to be identical to Patrol and "
                 "Protect I.");
    EXPECT_STREQ(GetOrderInfo(38)->movement,
                 "Flies directly to designated rendezvous waypoint, then waits for boarding.");
    EXPECT_STREQ(GetOrderInfo(7)->selfDefence, "unknown");
    // Board and Board and Repair share a note that differs from the other boarding orders'.
    const std::string boardNote = GetOrderInfo(31)->notes;
    EXPECT_EQ(boardNote, GetOrderInfo(32)->notes);
    EXPECT_NE(boardNote, GetOrderInfo(16)->notes);
    EXPECT_NE(boardNote.find("indefinitely.\nIf it was Awaiting Boarding (Disabled)"),
              std::string::npos);
    EXPECT_NE(boardNote.find("boardings required as set in the orders"), std::string::npos);
}

}  // namespace
}  // namespace vantorel
