// The layered layout: layers after what they wait for, few crossings, lines
// through the layers, circles, and the same numbers on every build.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "FlowMissions.h"
#include "flow/FlowLayout.h"
#include "flow/LayeredLayout.h"
#include "flow/MissionFlow.h"

namespace vantorel {
namespace {

using Edges = std::vector<std::pair<int, int>>;

std::vector<LayoutSize> Boxes(int n, int width = 60, int height = 20) {
    return std::vector<LayoutSize>(size_t(n), {width, height});
}

LayoutPoint Right(const LayeredLayout& l, const std::vector<LayoutSize>& s, int v) {
    return {l.topLeft[size_t(v)].x + s[size_t(v)].width,
            l.topLeft[size_t(v)].y + s[size_t(v)].height / 2};
}
LayoutPoint Left(const LayeredLayout& l, const std::vector<LayoutSize>& s, int v) {
    return {l.topLeft[size_t(v)].x, l.topLeft[size_t(v)].y + s[size_t(v)].height / 2};
}

TEST(LayeredLayout, EveryNodeStandsRightOfWhatItWaitsForAndNoBoxesOverlap) {
    std::mt19937 rng(7);
    const int n = 40;
    std::vector<LayoutSize> sizes;
    for (int v = 0; v < n; ++v) sizes.push_back({int(rng() % 120) + 20, int(rng() % 30) + 10});
    Edges edges;
    for (int e = 0; e < 90; ++e) {
        const int a = int(rng() % n), b = int(rng() % n);
        if (a != b) edges.push_back({std::min(a, b), std::max(a, b)});
    }
    const LayeredLayout l = LayOutLayers(sizes, edges);
    for (size_t e = 0; e < edges.size(); ++e) {
        const auto [a, b] = edges[e];
        EXPECT_LT(l.layer[size_t(a)], l.layer[size_t(b)]);
        const auto& route = l.routes[e];
        ASSERT_GE(route.size(), 2u);
        EXPECT_EQ(route.front(), Right(l, sizes, a));
        EXPECT_EQ(route.back(), Left(l, sizes, b));
        for (size_t i = 1; i < route.size(); ++i) EXPECT_LE(route[i - 1].x, route[i].x);
        // One point in and one out of each layer in between.
        EXPECT_EQ(route.size(), size_t(2 * (l.layer[size_t(b)] - l.layer[size_t(a)])));
    }
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            const LayoutPoint p = l.topLeft[size_t(a)], q = l.topLeft[size_t(b)];
            const bool apart =
                p.x + sizes[size_t(a)].width <= q.x || q.x + sizes[size_t(b)].width <= p.x ||
                p.y + sizes[size_t(a)].height <= q.y || q.y + sizes[size_t(b)].height <= p.y;
            EXPECT_TRUE(apart) << a << " and " << b;
        }
    for (int v = 0; v < n; ++v) {
        EXPECT_GE(l.topLeft[size_t(v)].y, 16);
        EXPECT_LE(l.topLeft[size_t(v)].y + sizes[size_t(v)].height, l.height - 16);
        EXPECT_LE(l.topLeft[size_t(v)].x + sizes[size_t(v)].width, l.width - 16);
    }
}

TEST(LayeredLayout, LongEdgesOfANodeShareOneStraightLineThroughTheLayers) {
    // 0 -> 1 -> 2 -> 3 -> 4, and 0 reaches 3 and 4 directly too.
    const auto sizes = Boxes(5);
    const Edges edges = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {0, 3}, {0, 4}};
    const LayeredLayout l = LayOutLayers(sizes, edges);
    EXPECT_EQ(l.layer, (std::vector<int>{0, 1, 2, 3, 4}));
    const auto& to3 = l.routes[4];
    const auto& to4 = l.routes[5];
    ASSERT_EQ(to3.size(), 6u);
    ASSERT_EQ(to4.size(), 8u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(to3[i], to4[i]) << i;
    for (size_t i = 1; i + 1 < to4.size(); i += 2) EXPECT_EQ(to4[i].y, to4[i + 1].y);
    EXPECT_EQ(l.crossings, 0);
}

TEST(LayeredLayout, TheOrderInALayerUncrossesEdges) {
    // Listed crossed: 0 -> 3 and 1 -> 2; and two fans that cross when kept in order.
    const Edges edges = {{0, 3}, {1, 2}, {4, 8}, {4, 9}, {5, 6}, {5, 7}};
    const auto sizes = Boxes(10);
    const LayeredLayout l = LayOutLayers(sizes, edges);
    EXPECT_EQ(l.crossings, 0);
    EXPECT_EQ(l.topLeft[0].y < l.topLeft[1].y, l.topLeft[3].y < l.topLeft[2].y);
    // A graph that must cross: K(3,3) crosses 9 times at the least.
    Edges k33;
    for (int a = 0; a < 3; ++a)
        for (int b = 3; b < 6; ++b) k33.push_back({a, b});
    EXPECT_EQ(LayOutLayers(Boxes(6), k33).crossings, 9);
}

TEST(LayeredLayout, ACircleIsLaidOutWithItsClosingEdgeTurnedRound) {
    const auto sizes = Boxes(4);
    const Edges edges = {{0, 1}, {1, 2}, {2, 0}, {3, 3}};
    const LayeredLayout l = LayOutLayers(sizes, edges);
    EXPECT_EQ(l.layer, (std::vector<int>{0, 1, 2, 0}));
    // 2 -> 0 runs back: from the left of 2 to the right of 0.
    const auto& back = l.routes[2];
    ASSERT_EQ(back.size(), 4u);
    EXPECT_EQ(back.front(), Left(l, sizes, 2));
    EXPECT_EQ(back.back(), Right(l, sizes, 0));
    // A node that waits for itself gets a loop of its own.
    const auto& loop = l.routes[3];
    ASSERT_EQ(loop.size(), 5u);
    EXPECT_EQ(loop.front(), Right(l, sizes, 3));
    EXPECT_EQ(loop.back().y, l.topLeft[3].y);
}

TEST(LayeredLayout, TheSameGraphGivesTheSameNumbersOnEveryBuild) {
    // Pinned: integer arithmetic only, so a change of compiler or platform
    // that moves a single pixel is a fault.
    const std::vector<LayoutSize> sizes = {{80, 20}, {50, 30}, {70, 20}, {40, 20}, {60, 24}};
    const Edges edges = {{0, 1}, {0, 2}, {1, 3}, {2, 3}, {0, 4}, {4, 3}, {3, 0}};
    const LayeredLayout l = LayOutLayers(sizes, edges);
    std::vector<int> numbers;
    for (const LayoutPoint& p : l.topLeft) numbers.insert(numbers.end(), {p.x, p.y});
    for (const auto& route : l.routes)
        for (const LayoutPoint& p : route) numbers.insert(numbers.end(), {p.x, p.y});
    numbers.insert(numbers.end(), {l.width, l.height});
    // The boxes; the lines (3 -> 0 goes back below 4); the size.
    EXPECT_EQ(numbers, (std::vector<int>{16,  74,  162, 16,  152, 60,  278, 75,  157, 94,  96,
                                         84,  162, 31,  96,  84,  152, 70,  212, 31,  278, 85,
                                         222, 70,  278, 85,  96,  84,  157, 106, 217, 106, 278,
                                         85,  278, 85,  222, 132, 152, 132, 96,  84,  334, 148}));
}

TEST(LayeredLayout, NothingToLayOut) {
    const LayeredLayout none = LayOutLayers({}, {});
    EXPECT_EQ(none.width, 0);
    EXPECT_TRUE(none.topLeft.empty());
    const LayeredLayout one = LayOutLayers(Boxes(1), {});
    EXPECT_EQ(one.topLeft[0], (LayoutPoint{16, 16}));
    EXPECT_EQ(one.width, 92);
    EXPECT_EQ(one.height, 52);
}

TEST(FlowLayout, LinesIntoABoxEndApartInTheOrderTheyComeFrom) {
    Mission m = testing::FlowMission(3);
    testing::Fg(m, 2).SetArrivalTrigger(0, testing::Destroyed(1));
    testing::Fg(m, 2).SetArrivalTrigger(1, testing::Destroyed(0));
    const MissionFlow flow = MakeMissionFlow(m);
    const FlowPicture p = LayOutMissionFlow(flow, Boxes(int(flow.nodes.size()), 60, 30));
    ASSERT_EQ(flow.edges.size(), 2u);
    const auto& first = p.routes[0];   // from Bravo
    const auto& second = p.routes[1];  // from Alpha
    EXPECT_EQ(first.back().x, second.back().x);
    EXPECT_NE(first.back().y, second.back().y);
    EXPECT_EQ(first.front().y < second.front().y, first.back().y < second.back().y);
    const LayoutPoint c = p.topLeft[2];
    EXPECT_EQ(FlowNodeAt(p, c.x, c.y), 2);
    EXPECT_EQ(FlowNodeAt(p, c.x + 59, c.y + 29), 2);
    EXPECT_EQ(FlowNodeAt(p, c.x + 60, c.y), -1);
}

TEST(FlowLayout, TheFlowIsMadeAgainOnlyWhenWhatItReadsChanged) {
    Mission m = testing::FlowMission(2, 1);
    const std::vector<uint8_t> before = FlowInputBytes(m);
    testing::Fg(m, 1).SetWaypointX(0, 900);  // a drag on the map
    m.FlightGroups[0]->Selected = 1;
    EXPECT_EQ(FlowInputBytes(m), before);
    for (const auto& change : std::vector<std::function<void(Mission&)>>{
             [](Mission& x) { testing::Fg(x, 1).SetArrivalTrigger(3, testing::False()); },
             [](Mission& x) { testing::Fg(x, 0).Orders(3).SetParameter2(1); },
             [](Mission& x) { x.Messages[0]->File.SetAndOr1234(1); },
             [](Mission& x) { x.GlobalGoals[9].Set(2).SetTrigger(3, testing::Arrived(0)); },
             [](Mission& x) { x.Teams[4].SetName("Gold"); },
             [](Mission& x) { x.AppendMessage(); }}) {
        Mission changed = m;
        change(changed);
        EXPECT_NE(FlowInputBytes(changed), before);
    }
}

}  // namespace
}  // namespace vantorel
