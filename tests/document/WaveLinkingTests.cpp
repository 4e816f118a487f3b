#include <gtest/gtest.h>

#include <fstream>

#include "document/MissionFolders.h"
#include "document/PathTitle.h"
#include "document/WaveLinking.h"
#include "document/WaveListingLines.h"
#include "platform/PathText.h"
#include "support/FakeSettings.h"
#include "support/GameFolderTest.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using testing::FakeSettings;
using testing::TempFolder;

class WaveLinkingTest : public testing::GameFolderTest {
protected:
    void AddMessages(int n) {
        for (int i = 0; i < n; ++i) mission.AppendMessage();
    }
    std::string& Wave(int i) { return mission.Messages[size_t(i)]->WaveFile; }
    std::string Listing(const std::string& title) {
        return TempFolder::ReadText(tmp / "game" / "wave" / (title + ".lst"));
    }

    Mission mission;
    fs::path missionPath = tmp / "missions" / "m1.tie";
};

TEST(TitleOfPathTest, TakesTheNameWithoutFolderOrExtensionWithEitherSeparator) {
    EXPECT_EQ(TitleOfPath("C:\\Games\\XvT\\Melee\\m1.tie"), "m1");
    EXPECT_EQ(TitleOfPath("/home/pilot/missions/m1.tie"), "m1");
    EXPECT_EQ(TitleOfPath("hello"), "hello");
    EXPECT_EQ(TitleOfPath("a.b.wav"), "a.b");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(TitleOfPath("C:\\my.sounds\\hello"), "hello");
    EXPECT_EQ(TitleOfPath("/my.sounds/hello"), "hello");
}

TEST_F(WaveLinkingTest, OpeningLinksMessagesToTheListedFiles) {
    AddMessages(4);
    Write("game/wave/m1.lst", "m1\\one.wav\r\n\r\nsub/three.wav\r\n");
    ReadWaveListing(mission, missionPath, settings, prompter);
    EXPECT_EQ(Wave(0), PathToUtf8(tmp / "game" / "wave" / "m1" / "one.wav"));
    EXPECT_EQ(Wave(1), "");
    EXPECT_EQ(Wave(2), PathToUtf8(tmp / "game" / "wave" / "sub" / "three.wav"));
    EXPECT_EQ(Wave(3), "");  // the listing is shorter than the message list
    EXPECT_TRUE(prompter.shown.empty());

    // Reading does not depend on the wave linking switch, only on the game folder.
    Mission other;
    other.AppendMessage();
    settings.SetInt("Settings", "WaveLinking", 0);
    ReadWaveListing(other, missionPath, settings, prompter);
    EXPECT_NE(other.Messages[0]->WaveFile, "");
    settings.SetString("Paths", "XVT", "");
    other.Messages[0]->WaveFile.clear();
    ReadWaveListing(other, missionPath, settings, prompter);
    EXPECT_EQ(other.Messages[0]->WaveFile, "");

    // No listing at all is no error.
    settings.SetString("Paths", "XVT", PathToUtf8(tmp / "game"));
    ReadWaveListing(other, tmp / "nolisting.tie", settings, prompter);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WaveLinkingTest, TheTrainingPlaceholderSoundIsWarnedAboutOnce) {
    AddMessages(3);
    Write("game/wave/m1.lst", "TRAIN\\Dummy.WAV\ntrain\\dummy.wav\ntrain\\real.wav\n");
    ReadWaveListing(mission, missionPath, settings, prompter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompter.shown[0].text,
              "Warning: train\\dummy.wav during load - some samples may be out of place\n\n"
              "Many of the X-Wing vs. TIE Fighter training missions use a 'dummy' wave file in "
              "place of some messages. The exact effect of this is not entirely known, and some "
              "messages appear to be put out of place if it is included. It is not recommended "
              "that this file is saved over the top of the existing one - disable wave linking "
              "before saving this file.");
    EXPECT_EQ(Wave(0), PathToUtf8(tmp / "game" / "wave" / "TRAIN" / "Dummy.WAV"));
}

TEST_F(WaveLinkingTest, LinesLeavingTheWaveFolderAreKeptAsTheyAreAndSeparatorsNameNoFile) {
    AddMessages(4);
    Write("outside/a.wav", "outside sound");
    Write("game/wave/m1/ok.wav", "ok");
    Write("game/wave/m1.lst", "..\\..\\outside\\a.wav\r\n\\\\\r\n/\r\nm1\\ok.wav\r\n");
    ReadWaveListing(mission, missionPath, settings, prompter);
    const auto root = tmp / "game" / "wave";
    EXPECT_EQ(Wave(0), PathToUtf8(root / ".." / ".." / "outside" / "a.wav"));
    EXPECT_EQ(Wave(1), "");  // not the wave folder itself
    EXPECT_EQ(Wave(2), "");
    EXPECT_EQ(Wave(3), PathToUtf8(root / "m1" / "ok.wav"));

    // Saved again, the line that leaves is listed as it was; nothing goes through it.
    WriteWaveListing(mission, missionPath, settings, prompter);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(Listing("m1"), "..\\..\\outside\\a.wav\r\n\r\n\r\nm1\\ok.wav\r\n");
    EXPECT_EQ(TempFolder::ReadText(tmp / "outside" / "a.wav"), "outside sound");
    EXPECT_FALSE(fs::exists(tmp / "game" / "wave" / "m1" / "a.wav"));
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.Path()), {}), 2);  // game and outside

    for (const char* leaves :
         {"..\\..\\outside\\a.wav", "m1\\..\\..\\x.wav", ".\\..\\x.wav", "C:\\x.wav", "../x.wav"})
        EXPECT_TRUE(LeavesWaveFolder(leaves)) << leaves;
    for (const char* stays : {"m1\\..\\x.wav", "a\\.\\b.wav", "\\m1\\x.wav", "..x.wav", ""})
        EXPECT_FALSE(LeavesWaveFolder(stays)) << stays;
}

TEST_F(WaveLinkingTest, SavingListsFilesInTheWaveFolderAndCopiesTheOthers) {
    AddMessages(3);
    const fs::path inside = Write("game/wave/train/t1.wav", "inside");
    const fs::path outside = Write("sounds/hello", "hello sound");
    Wave(0) = PathToUtf8(inside);
    Wave(2) = PathToUtf8(outside);

    WriteWaveListing(mission, missionPath, settings, prompter);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(Listing("m1"), "train\\t1.wav\r\n\r\nm1\\hello.wav\r\n");
    const fs::path copy = tmp / "game" / "wave" / "m1" / "hello.wav";
    EXPECT_EQ(TempFolder::ReadText(copy), "hello sound");
    EXPECT_EQ(Wave(0), PathToUtf8(inside));  // already in place: not copied
    EXPECT_EQ(Wave(2), PathToUtf8(copy));    // now linked to the copy
    EXPECT_FALSE(fs::exists(tmp / "game" / "wave" / "m1" / "t1.wav"));

    // Saved again, the copy is where it belongs and the listing is the same.
    WriteWaveListing(mission, missionPath, settings, prompter);
    EXPECT_EQ(Listing("m1"), "train\\t1.wav\r\n\r\nm1\\hello.wav\r\n");
}

TEST_F(WaveLinkingTest, ANameWithoutAFolderOrWithALineBreakIsNeverCopied) {
    AddMessages(3);
    // A bare name (as a paste leaves) names a file in the wave folder, not where the editor runs.
    Write("work/private.wav", "private");
    const fs::path before = fs::current_path();
    fs::current_path(tmp / "work");
    Wave(0) = "private.wav";
    // A line break would make a listing line of its own (Windows names hold none).
#ifdef _WIN32
    Wave(1) = PathToUtf8(tmp / "sounds" / "a\nm1\\b.wav");
#else
    Wave(1) = PathToUtf8(Write("sounds/a\nm1\\b.wav", "x"));
#endif
    Wave(2) = PathToUtf8(Write("sounds/ok.wav", "ok"));
    WriteWaveListing(mission, missionPath, settings, prompter);
    fs::current_path(before);
    EXPECT_EQ(Listing("m1"), "private.wav\r\n\r\nm1\\ok.wav\r\n");
    EXPECT_FALSE(fs::exists(tmp / "game" / "wave" / "m1" / "private.wav"));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{kControlCharacterInWaveText});
}

TEST_F(WaveLinkingTest, TwoDifferentSoundsOfOneNameKeepTheirOwnCopies) {
    AddMessages(3);
    Wave(0) = PathToUtf8(Write("a/hello.wav", "first"));
    Wave(1) = PathToUtf8(Write("b/hello.wav", "second"));
    Wave(2) = Wave(0);  // the same sound twice shares one copy
    WriteWaveListing(mission, missionPath, settings, prompter);
    EXPECT_EQ(Listing("m1"), "m1\\hello.wav\r\nm1\\hello_2.wav\r\nm1\\hello.wav\r\n");
    EXPECT_EQ(TempFolder::ReadText(tmp / "game" / "wave" / "m1" / "hello.wav"), "first");
    EXPECT_EQ(TempFolder::ReadText(tmp / "game" / "wave" / "m1" / "hello_2.wav"), "second");
}

TEST_F(WaveLinkingTest, AFailedCopyLeavesAnEmptyLineAndGoesOn) {
    AddMessages(2);
    Wave(0) = PathToUtf8(tmp / "sounds" / "missing.wav");
    Wave(1) = PathToUtf8(Write("sounds/ok.wav", "ok"));
    WriteWaveListing(mission, missionPath, settings, prompter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Couldn't copy " + Wave(0) + " to missing.wav");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(Listing("m1"), "\r\nm1\\ok.wav\r\n");
    EXPECT_EQ(Wave(0), PathToUtf8(tmp / "sounds" / "missing.wav"));
}

TEST_F(WaveLinkingTest, SavingIsRefusedWithoutAGameFolderOrAWritableWaveFolder) {
    AddMessages(1);
    // Nothing linked, or linking switched off: no listing at all.
    WriteWaveListing(mission, missionPath, settings, prompter);
    Wave(0) = PathToUtf8(Write("sounds/hello.wav", "x"));
    settings.SetInt("Settings", "WaveLinking", 0);
    WriteWaveListing(mission, missionPath, settings, prompter);
    EXPECT_FALSE(fs::exists(tmp / "game" / "wave" / "m1.lst"));
    EXPECT_TRUE(prompter.shown.empty());

    settings.SetInt("Settings", "WaveLinking", 1);
    settings.SetString("Paths", "XVT", "");
    WriteWaveListing(mission, missionPath, settings, prompter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "It is not possible to save wave file messages without an XvT path configured");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Warning);

    // A game folder whose "wave" is a plain file: no listing, even for root.
    prompter.shown.clear();
    Write("broken/wave", "not a folder");
    settings.SetString("Paths", "XVT", PathToUtf8(tmp / "broken"));
    WriteWaveListing(mission, missionPath, settings, prompter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Cannot create wave listing file");
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(Wave(0), PathToUtf8(tmp / "sounds" / "hello.wav"));

    // A title "", "." or ".." has no folder of its own: copies would land among the game's.
    settings.SetString("Paths", "XVT", PathToUtf8(tmp / "game"));
    for (const char* name : {".tie", "..tie", "...tie"}) {
        prompter.shown.clear();
        WriteWaveListing(mission, tmp / "missions" / name, settings, prompter);
        EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Cannot create wave listing file"});
    }
    EXPECT_FALSE(fs::exists(tmp / "game" / "wave" / "hello.wav"));
    EXPECT_FALSE(fs::exists(tmp / "game" / "hello.wav"));
}

TEST_F(WaveLinkingTest, SavingAgainReplacesTheCopyWithNamesOutsideAscii) {
    AddMessages(1);
    // The sound's folder is outside every code page; the listed names are within the game's.
    const fs::path source = Write(
        "\xE5\xA3\xB0/Gr\xC3\xBC\xC3\x9F"
        "e.wav",
        "first take");
    const fs::path cafe = tmp / "missions" / PathFromUtf8("Caf\xC3\xA9.tie");
    const fs::path copy = tmp / "game" / "wave" /
                          PathFromUtf8(
                              "Caf\xC3\xA9/Gr\xC3\xBC\xC3\x9F"
                              "e.wav");
    const fs::path listing = tmp / "game" / "wave" / PathFromUtf8("Caf\xC3\xA9.lst");
    for (const char* take : {"first take", "second take"}) {
        std::ofstream(source, std::ios::binary) << take;
        Wave(0) = PathToUtf8(source);
        WriteWaveListing(mission, cafe, settings, prompter);
        EXPECT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
        EXPECT_EQ(TempFolder::ReadText(listing),
                  "Caf\xE9\\Gr\xFC\xDF"
                  "e.wav\r\n");
        EXPECT_EQ(TempFolder::ReadText(copy), take);
        EXPECT_EQ(PathFromUtf8(Wave(0)), copy.lexically_normal());
    }
}

TEST_F(WaveLinkingTest, AListingThatCannotBeReplacedKeepsTheOldOne) {
    AddMessages(1);
    Write("game/wave/m1.lst", "old\\line.wav\r\n");
    // A folder in the way of the replacement listing.
    fs::create_directories(tmp / "game" / "wave" / "m1.lst.new" / "x");
    Wave(0) = PathToUtf8(Write("sounds/hello.wav", "x"));
    WriteWaveListing(mission, missionPath, settings, prompter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Cannot create wave listing file");
    EXPECT_EQ(Listing("m1"), "old\\line.wav\r\n");
}

TEST(MissionFoldersTest, ANewMissionIsSavedInTheFolderOfItsType) {
    FakeSettings settings;
    settings.SetString("Paths", "XVT", "/games/xvt");
    const fs::path bop = fs::path("/games/xvt") / "BalanceOfPower";
    EXPECT_EQ(SaveFolderForNewMission(settings, 3), bop / "Train");
    EXPECT_EQ(SaveFolderForNewMission(settings, 4), bop / "Combat");
    EXPECT_EQ(SaveFolderForNewMission(settings, 1), bop);
    settings.SetInt("Paths", "GotBOP", 0);
    EXPECT_EQ(SaveFolderForNewMission(settings, 1), fs::path("/games/xvt"));
    settings.SetInt("Settings", "SaveToFolder", 0);
    EXPECT_EQ(SaveFolderForNewMission(settings, 2), std::nullopt);
    settings.SetInt("Settings", "SaveToFolder", 1);
    settings.SetString("Paths", "XVT", "");
    EXPECT_EQ(SaveFolderForNewMission(settings, 2), std::nullopt);
}

}  // namespace
}  // namespace vantorel
