// Cut, Copy and Paste between missions: every byte travels, references among the pasted
// follow them, the limit refuses a paste whole, and another program's bytes fool nothing.
#include <gtest/gtest.h>

#include "catalogue/Orders.h"
#include "document/LevelDocument.h"
#include "document/MissionClipboard.h"
#include "platform/PathText.h"
#include "support/BriefingBlocks.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/MissionGenerator.h"

namespace vantorel {
namespace {

using testing::FakePrompter;
using testing::FakeSettings;

class MissionClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.SetInt("Settings", "InitialFG", 0);
        source.OnNewDocument();
        target.OnNewDocument();
    }
    FlightGroup& Add(LevelDocument& doc, const std::string& name) {
        FlightGroup* fg = doc.AddFlightGroup();
        fg->File.SetName(name);
        return *fg;
    }
    FlightGroupRecord& Rec(LevelDocument& doc, int i) {
        return doc.GetMission().FlightGroups[size_t(i)]->File;
    }

    FakeSettings settings;
    FakePrompter prompter;
    LevelDocument source{settings, prompter};
    LevelDocument target{settings, prompter};
};

TEST_F(MissionClipboardTest, APasteRenumbersReferencesAmongThePastedAndKeepsTheOthers) {
    testing::MissionGenerator random(7);
    // Source: A(0) B(1) C(2); A and C are copied, B is not.
    FlightGroup& a = Add(source, "A");
    Add(source, "B");
    FlightGroup& c = Add(source, "C");
    // Every byte of A random first: the ones nobody understands must travel.
    for (auto& b : a.File.Bytes) b = uint8_t(random.Int(0, 255));
    for (auto& b : a.GoalStrings.Bytes) b = uint8_t(random.Int(0, 255));
    a.File.SetArrivalTrigger(0, {2, 1, 2, 0});    // names C: renumbered
    a.File.SetArrivalTrigger(1, {2, 1, 1, 0});    // names B: kept
    a.File.SetArrivalTrigger(2, {2, 12, 2, 0});   // team 2, not a flight group: kept
    a.File.SetDepartureTrigger(1, {1, 1, 0, 0});  // names A itself
    a.File.SetJumpToOrder4Trigger(0, {1, 1, 2, 0});
    a.File.Orders(1).SetTarget1Type(1);
    a.File.Orders(1).SetTarget1(2);
    a.File.Orders(1).SetTarget3Type(2);  // ship type 2, not a flight group
    a.File.Orders(1).SetTarget3(2);
    a.File.Orders(3).SetTarget4Type(1);
    a.File.Orders(3).SetTarget4(1);
    a.File.Orders(2).SetCommand(kOrderDropOffCraft);
    a.File.Orders(2).SetParameter2(2);  // drops off C: renumbered
    a.File.SetArrivalMothership(2);
    a.File.SetAlternateDepartureMothership(1);
    c.File.SetDepartureMothership(0);
    a.Selected = 1;
    c.Selected = 1;
    const FlightGroupRecord before = a.File;
    const MissionClip copied = CopySelectedFlightGroups(source.GetMission());
    ASSERT_EQ(copied.flightGroups.size(), 2u);
    // Through the clipboard's bytes, as another window or run would get it.
    const auto clip = DecodeClip(EncodeClip(copied));
    ASSERT_TRUE(clip);

    // Target: X(0) Y(1), X selected: the pasted ones become 2 and 3.
    Add(target, "X").Selected = 1;
    Add(target, "Y");
    target.ForgetHistory(false);
    const PasteResult result = PasteClip(target, *clip);
    ASSERT_TRUE(result.pasted);
    EXPECT_EQ(result.flightGroups, (std::vector<int>{2, 3}));
    ASSERT_EQ(target.CountFlightGroups(), 4);
    const FlightGroupRecord& pa = Rec(target, 2);
    EXPECT_EQ(pa.ArrivalTrigger(0), (Trigger{2, 1, 3, 0}));
    EXPECT_EQ(pa.ArrivalTrigger(1), (Trigger{2, 1, 1, 0}));
    EXPECT_EQ(pa.ArrivalTrigger(2), (Trigger{2, 12, 2, 0}));
    EXPECT_EQ(pa.DepartureTrigger(1), (Trigger{1, 1, 2, 0}));
    EXPECT_EQ(pa.JumpToOrder4Trigger(0), (Trigger{1, 1, 3, 0}));
    EXPECT_EQ(pa.Orders(1).Target1(), 3);
    EXPECT_EQ(pa.Orders(1).Target3(), 2);
    EXPECT_EQ(pa.Orders(3).Target4(), 1);
    EXPECT_EQ(pa.Orders(2).Parameter2(), 3);
    EXPECT_EQ(pa.ArrivalMothership(), 3);
    EXPECT_EQ(pa.AlternateDepartureMothership(), 1);
    EXPECT_EQ(Rec(target, 3).DepartureMothership(), 2);
    EXPECT_EQ(Rec(target, 3).Name(), "C");
    // Apart from the references every byte is A's own.
    FlightGroupRecord expected = before;
    RenumberFlightGroupReferences(expected, {{0, 2}, {2, 3}});
    EXPECT_EQ(pa.Bytes, expected.Bytes);
    EXPECT_EQ(target.GetMission().FlightGroups[2]->GoalStrings.Bytes, a.GoalStrings.Bytes);

    // Exactly what was pasted is selected, at its first start point.
    std::vector<int> selected;
    for (int i = 0; i < 4; ++i)
        if (target.GetMission().FlightGroups[size_t(i)]->Selected) selected.push_back(i);
    EXPECT_EQ(selected, (std::vector<int>{2, 3}));
    EXPECT_EQ(target.GetMission().FlightGroups[0]->PointSelected[0], 0u);

    // One edit, taken back whole; the source never changed.
    EXPECT_EQ(target.UndoName(), "Paste");
    ASSERT_TRUE(target.Undo());
    EXPECT_EQ(target.CountFlightGroups(), 2);
    EXPECT_FALSE(target.IsModified());
    EXPECT_EQ(a.File.Bytes, before.Bytes);
}

TEST_F(MissionClipboardTest, APastePastTheLimitPastesNothing) {
    for (int i = 0; i < 254; ++i) Add(target, "T");
    target.GetMission().FlightGroups[0]->Selected = 1;
    target.ForgetHistory(false);
    Add(source, "A").Selected = 1;
    Add(source, "B").Selected = 1;
    const MissionClip clip = CopySelectedFlightGroups(source.GetMission());
    const PasteResult result = PasteClip(target, clip);
    EXPECT_FALSE(result.pasted);
    EXPECT_EQ(prompter.Texts().back(),
              "X-Wing vs. Tie Fighter can only support up to 255 flight groups");
    EXPECT_EQ(prompter.shown.back().icon, PromptIcon::Warning);
    EXPECT_EQ(target.CountFlightGroups(), 254);
    EXPECT_FALSE(target.CanUndo());
    EXPECT_EQ(target.GetMission().FlightGroups[0]->Selected, 1u);  // nothing changed

    // One fits.
    source.GetMission().FlightGroups[1]->Selected = 0;
    EXPECT_TRUE(PasteClip(target, CopySelectedFlightGroups(source.GetMission())).pasted);
    EXPECT_EQ(target.CountFlightGroups(), 255);
}

TEST_F(MissionClipboardTest, MessagesTravelWithTheirWaveFilesAndCutIsOneEdit) {
    source.AddRadioMessage();
    source.AddRadioMessage();
    RadioMessage& m = *source.GetMission().Messages[1];
    m.File.SetTextFillingField("2" + std::string(63, 'm'));
    m.File.SetTrigger(0, {2, 1, 4, 0});  // a flight group the target may not have
    m.File.Bytes[0x62] = 0xAB;           // a carried byte
    m.WaveFile = "/wave/m1/hello.wav";
    source.ForgetHistory(false);

    MissionClip copied = CopyMessage(source.GetMission(), 1);
    EXPECT_TRUE(CopyMessage(source.GetMission(), 2).Empty());
    ASSERT_TRUE(RemoveCopied(source, copied).removed);
    EXPECT_EQ(source.GetMission().CountMessages(), 1);
    EXPECT_EQ(source.UndoName(), "Cut");
    ASSERT_TRUE(source.Undo());
    EXPECT_EQ(source.GetMission().CountMessages(), 2);
    EXPECT_EQ(source.GetMission().Messages[1].get(), &m);

    const auto clip = DecodeClip(EncodeClip(copied));
    ASSERT_TRUE(clip);
    target.AddRadioMessage();
    int selectionEvents = 0;
    target.AddListener([&](DocumentEvent e) { selectionEvents += e == DocumentEvent::Selection; });
    const PasteResult result = PasteClip(target, *clip);
    EXPECT_EQ(result.messages, std::vector<int>{1});
    EXPECT_EQ(selectionEvents, 0);  // messages alone leave the flight group selection be
    const RadioMessage& pasted = *target.GetMission().Messages[1];
    EXPECT_EQ(pasted.File.Bytes, m.File.Bytes);
    EXPECT_EQ(pasted.WaveFile, "hello.wav");  // no game folder: the name alone
}

// Cut takes flight groups out as Delete does: the same question when fields
// would lose their group, the same renumbering, "none" afterwards, one step.
TEST_F(MissionClipboardTest, CutRemovesAsDeleteDoesAndAPasteBackReaimsNothing) {
    Add(source, "A");
    FlightGroup& b = Add(source, "B");
    Add(source, "C");
    Add(source, "D");
    auto& list = source.GetMission().FlightGroups;
    b.File.SetCraftType(1);
    b.File.SetArrivalTrigger(0, {2, 1, 3, 0});         // names D, which moves up
    b.File.SetDepartureTrigger(0, {2, 1, 1, 0});       // names B itself
    list[2]->File.SetArrivalTrigger(0, {2, 1, 1, 0});  // C waits for B
    list[0]->File.Orders(0).SetTarget1Type(1);
    list[0]->File.Orders(0).SetTarget1(2);  // A attacks C
    b.Selected = 1;
    // A briefing's tag of D: whatever else names flight groups follows too.
    testing::BlockWriter briefing;
    briefing.Event(0, kBriefingFgTag1, {3}).Event(9999, kBriefingEnd).Counts(3, 5);
    source.GetMission().Briefings[0].Commands = briefing.block;
    const auto tagged = [&] {
        const BriefingDecode d = DecodeBriefing(source.GetMission().Briefings[0].Commands);
        return d.Script ? int(d.Script->Events[0].Params[0]) : -1;
    };
    source.ForgetHistory(false);
    const auto bBefore = b.File.Bytes;

    MissionClip clip = CopySelectedFlightGroups(source.GetMission());
    prompter.answers = {PromptAnswer::No};
    EXPECT_FALSE(RemoveCopied(source, clip).removed);
    ASSERT_EQ(prompter.Texts().size(), 1u);
    EXPECT_EQ(prompter.Texts()[0],
              "Are you sure you want to delete these flightgroups?\n1 X-wing B\n\n"
              "These fields name them and will then name no flight group:\n"
              "Arrival of C: 100% of flight group X-wing B must be destroyed\n");
    EXPECT_EQ(source.CountFlightGroups(), 4);
    EXPECT_FALSE(source.IsModified());
    EXPECT_EQ(clip.flightGroups[0].file.Bytes, bBefore);  // a No changes nothing

    const RemovalResult cut = RemoveCopied(source, clip);
    EXPECT_TRUE(cut.removed && cut.brokeReferences);
    ASSERT_EQ(source.CountFlightGroups(), 3);
    EXPECT_EQ(Rec(source, 1).ArrivalTrigger(0).Variable, 255);  // C's names none
    EXPECT_EQ(Rec(source, 0).Orders(0).Target1(), 1);           // A still attacks C
    EXPECT_EQ(tagged(), 2);
    EXPECT_EQ(source.UndoName(), "Cut");

    // Pasted back, B names D and itself where they now are; C's stays none.
    ASSERT_TRUE(PasteClip(source, *DecodeClip(EncodeClip(clip))).pasted);
    EXPECT_EQ(Rec(source, 3).ArrivalTrigger(0).Variable, 2);
    EXPECT_EQ(Rec(source, 3).DepartureTrigger(0).Variable, 3);
    EXPECT_EQ(Rec(source, 1).ArrivalTrigger(0).Variable, 255);
    EXPECT_EQ(Rec(source, 0).Orders(0).Target1(), 1);

    // Each is one step of Undo, which brings back every byte.
    ASSERT_TRUE(source.Undo());
    ASSERT_TRUE(source.Undo());
    ASSERT_EQ(source.CountFlightGroups(), 4);
    EXPECT_EQ(Rec(source, 1).Bytes, bBefore);
    EXPECT_EQ(Rec(source, 2).ArrivalTrigger(0).Variable, 1);
    EXPECT_EQ(source.GetMission().Briefings[0].Commands, briefing.block);
    EXPECT_FALSE(source.IsModified());

    // A group nobody names goes without a question: the clipboard holds it.
    for (auto& fg : list) fg->Selected = 0;
    list[0]->Selected = 1;
    MissionClip a = CopySelectedFlightGroups(source.GetMission());
    prompter.shown.clear();
    ASSERT_TRUE(RemoveCopied(source, a).removed);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(Rec(source, 0).Name(), "B");
    EXPECT_EQ(Rec(source, 0).ArrivalTrigger(0).Variable, 2);  // D moved up
}

// A clip may come from any program: its wave files are held to the rules of Browse.
TEST_F(MissionClipboardTest, APastedWaveFileOutsideTheWaveFolderKeepsOnlyItsName) {
    const std::string game = "/games/xvt";
    auto in = [&](const char* name) { return PathToUtf8(PathFromUtf8(game) / "wave" / name); };
    const std::string inside = in("m1") + "/hello.wav";
    const struct {
        std::string wave, game, pasted;
    } cases[] = {
        {inside, game, inside},
        {"/home/ann/.ssh/id_rsa", game, in("id_rsa")},
        {"C:\\Users\\ann\\secret.wav", game, in("secret.wav")},
        {"D:secret.wav", game, in("secret.wav")},
        {in("m1") + "/../../../etc/passwd", game, in("passwd")},
        {"/home/ann/secret.wav", "", "secret.wav"},
        {"/home/ann/", game, ""},
        {"", game, ""},
        {"/games/xvt/wave/a\r\nb.wav", game, ""},
        {"a\nb.wav", "", ""},
        {std::string("a\0b.wav", 7), game, ""},
    };
    // A paste goes through this: see the messages test, which pastes without a game folder.
    for (const auto& c : cases) EXPECT_EQ(PastedWaveFile(c.wave, c.game), c.pasted) << c.wave;
}

TEST_F(MissionClipboardTest, APastePastTheMessagesAFileHoldsIsRefusedWhole) {
    MissionClip clip;
    clip.messages.resize(65536);
    target.AddRadioMessage();
    target.ForgetHistory(false);
    EXPECT_FALSE(PasteClip(target, clip).pasted);
    EXPECT_EQ(prompter.Texts(),
              std::vector<std::string>{
                  "A mission file can hold at most 65,535 radio messages. Nothing was pasted."});
    EXPECT_EQ(target.GetMission().CountMessages(), 1);
    EXPECT_FALSE(target.CanUndo());
    // One fewer fits, with the game's warning.
    clip.messages.resize(65534);
    EXPECT_TRUE(PasteClip(target, clip).pasted);
    EXPECT_EQ(target.GetMission().CountMessages(), 65535);
    EXPECT_EQ(prompter.Texts().back(), kTooManyMessagesText);
}

TEST_F(MissionClipboardTest, BytesThatAreNotAClipAreRefused) {
    Add(source, "A").Selected = 1;
    source.AddRadioMessage();
    source.GetMission().Messages[0]->WaveFile = "w.wav";
    MissionClip clip = CopySelectedFlightGroups(source.GetMission());
    clip.messages = CopyMessage(source.GetMission(), 0).messages;
    const std::string bytes = EncodeClip(clip);
    ASSERT_TRUE(DecodeClip(bytes));
    EXPECT_EQ(EncodeClip(*DecodeClip(bytes)), bytes);

    EXPECT_FALSE(DecodeClip(""));
    EXPECT_FALSE(DecodeClip("Hello, world"));
    EXPECT_FALSE(DecodeClip(bytes + "x"));  // trailing bytes
    for (size_t cut : {size_t(8), size_t(12), size_t(100), bytes.size() - 1})
        EXPECT_FALSE(DecodeClip(bytes.substr(0, cut))) << cut;
    // Counts beyond what the bytes hold are not believed (nor allocated).
    std::string huge = bytes;
    huge[8] = huge[9] = huge[10] = huge[11] = char(0xFF);
    EXPECT_FALSE(DecodeClip(huge));
    std::string longWave = bytes;
    longWave[longWave.size() - 5 - 4] = char(0x7F);  // the wave file's length
    EXPECT_FALSE(DecodeClip(longWave));
}

}  // namespace
}  // namespace vantorel
