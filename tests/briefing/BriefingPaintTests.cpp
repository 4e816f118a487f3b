// The playback map's paint: what it draws where, in which colours, and what
// a click there hits.
#include <gtest/gtest.h>

#include "briefing/BriefingPaint.h"
#include "catalogue/CraftIcons.h"
#include "catalogue/CraftTypes.h"
#include "catalogue/DisplayColours.h"
#include "support/MapScene.h"
#include "support/MissionGenerator.h"
#include "support/RecordingCanvas.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

constexpr int kW = 640, kH = 400 + 3 * 16 + 12;  // the nominal map at 1:1 and its caption

// Briefing 2 (index 1) shows A and B; C is placed for briefing 1 only.
class BriefingPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        m = testing::MakeEmptyMission(12, 3);
        const char* names[] = {"A", "B", "C"};
        for (int i = 0; i < 3; ++i) {
            FlightGroupRecord& r = m.FlightGroups[size_t(i)]->File;
            r.SetName(names[i]);
            r.SetCraftType(1);
            r.SetIff(uint8_t(i));
        }
        testing::SetMapPoint(*m.FlightGroups[0], kFirstBriefingPoint + 1, 0, 0);
        testing::SetMapPoint(*m.FlightGroups[1], kFirstBriefingPoint + 1, 320, -160);
        testing::SetMapPoint(*m.FlightGroups[2], kFirstBriefingPoint, 0, 0);
        shown.view = {0, 0, 20, 20};
        m.Briefings[1].Strings[3] = "Protect [the Red group] now";
        m.Briefings[1].Strings[4] = "Operation title";
        m.Briefings[1].Tags[6] = "Nav buoy";
    }
    RecordingCanvas Paint(const BriefingDragPreview& drag = {}) {
        RecordingCanvas c;
        PaintBriefing(c, kW, kH, m, 1, shown, drag);
        return c;
    }
    static std::vector<RecordingCanvas::Call> TextsOf(const RecordingCanvas& c,
                                                      const std::string& text) {
        std::vector<RecordingCanvas::Call> out;
        for (const auto& call : c.Of(Kind::Text))
            if (call.text == text) out.push_back(call);
        return out;
    }

    Mission m;
    BriefingShown shown;
};

TEST_F(BriefingPaintTest, ShowsTheGroupsPlacedForThisBriefingAtTheirPlaces) {
    const RecordingCanvas c = Paint();
    const auto icons = c.Of(Kind::Icon);
    ASSERT_EQ(icons.size(), 2u);
    // Centred on their points: the centre of the map is (320, 200); 2 km
    // right and 1 km up at 20 pixels a km.
    EXPECT_EQ(icons[0].x1, 320 - 9);
    EXPECT_EQ(icons[0].y1, 200 - 11);
    EXPECT_EQ(icons[0].ramp, 0);
    EXPECT_EQ(icons[1].x1, 360 - 9);
    EXPECT_EQ(icons[1].y1, 180 - 11);
    EXPECT_EQ(icons[1].ramp, 1);
    // The craft's own picture, at full strength: a briefing selects nothing.
    for (const auto& icon : icons) {
        EXPECT_EQ(icon.picture, PictureForIconIndex(GetCraftTypeInfo(1)->iconIndex));
        EXPECT_FALSE(icon.faded);
    }
    // No tag, no caption, no title: no text at all.
    EXPECT_TRUE(c.Texts().empty());

    // A drag draws B where the mouse has it.
    const auto dragged = Paint({1, -1, -320, 0}).Of(Kind::Icon);
    EXPECT_EQ(dragged[1].x1, 280 - 9);
    EXPECT_EQ(dragged[1].y1, 200 - 11);
}

TEST_F(BriefingPaintTest, TagsCaptionAndTitleDrawInTheirColours) {
    shown.fgTags[4] = 1;
    shown.fgTags[5] = 2;  // C is not on this briefing's map: nothing to tag
    shown.textTags[0] = {6, 160, 160, 1, 0};
    shown.caption = 3;
    shown.title = 4;
    const RecordingCanvas c = Paint();

    const auto label = TextsOf(c, FlightGroupLabel(1, "B"));
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].colour, IffColour(1, false));
    EXPECT_TRUE(TextsOf(c, FlightGroupLabel(1, "C")).empty());
    // The marker: four yellow lines round B.
    int marker = 0;
    for (const auto& l : c.Of(Kind::Line))
        if (l.pen.colour == RgbColour{255, 255, 0}) ++marker;
    EXPECT_EQ(marker, 4);

    const auto tag = TextsOf(c, "Nav buoy");
    ASSERT_EQ(tag.size(), 1u);
    EXPECT_EQ(tag[0].x1, 340);
    EXPECT_EQ(tag[0].y1, 220);
    EXPECT_EQ(tag[0].colour, MessageColour(1, false));

    ASSERT_EQ(TextsOf(c, "Operation title").size(), 1u);
    EXPECT_EQ(TextsOf(c, "Operation title")[0].colour, (RgbColour{112, 112, 112}));

    // The caption under the map, word by word, the bracketed ones highlighted.
    std::vector<std::pair<std::string, bool>> words;
    for (const auto& t : c.Of(Kind::Text))
        if (t.font == CanvasFont::Caption)
            words.push_back({t.text, t.colour == kBriefingHighlightColour});
    EXPECT_EQ(
        words,
        (std::vector<std::pair<std::string, bool>>{
            {"Protect", false}, {"the", true}, {"Red", true}, {"group", true}, {"now", false}}));
    for (const auto& t : c.Of(Kind::Text))
        if (t.font == CanvasFont::Caption) {
            EXPECT_GE(t.y1, 400);
        }
}

TEST_F(BriefingPaintTest, ALongCaptionWrapsAndAnEmptyTextShowsNothing) {
    m.Briefings[1].Strings[3] = std::string(60, 'x') + " " + std::string(60, 'y');
    shown.caption = 3;
    shown.title = 5;                      // empty
    shown.textTags[2] = {9, 0, 0, 0, 0};  // empty tag
    const RecordingCanvas c = Paint();
    const auto texts = c.Of(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);  // 420 pixels each (7 a letter): two do not fit in 628
    EXPECT_EQ(texts[0].x1, texts[1].x1);
    EXPECT_EQ(texts[1].y1 - texts[0].y1, 16);
}

TEST_F(BriefingPaintTest, ClicksHitTextTagsOverFlightGroups) {
    shown.textTags[3] = {6, 0, 0, 0, 0};  // "Nav buoy" from A's centre
    RecordingCanvas c;
    auto hit = [&](int x, int y) { return HitTestBriefing(c, kW, kH, m, 1, shown, x, y); };
    EXPECT_EQ(hit(322, 203).kind, BriefingHit::TextTag);
    EXPECT_EQ(hit(322, 203).index, 3);
    EXPECT_EQ(hit(316, 196).kind, BriefingHit::FlightGroup);
    EXPECT_EQ(hit(316, 196).index, 0);
    EXPECT_EQ(hit(369, 190).index, 1);
    EXPECT_EQ(hit(371, 170).kind, BriefingHit::None);
}

TEST(CaptionRuns, BracketsHighlightWhatTheyEnclose) {
    using R = CaptionRun;
    EXPECT_EQ(CaptionRuns("a [b] c"), (std::vector<R>{{"a ", false}, {"b", true}, {" c", false}}));
    EXPECT_EQ(CaptionRuns("[open"), (std::vector<R>{{"open", true}}));
    EXPECT_EQ(CaptionRuns("x]y[[z]"), (std::vector<R>{{"x]y", false}, {"[z", true}}));
    EXPECT_EQ(CaptionRuns("one\r\ntwo"), (std::vector<R>{{"one\ntwo", false}}));
    EXPECT_TRUE(CaptionRuns("[]").empty());
}

}  // namespace
}  // namespace vantorel
