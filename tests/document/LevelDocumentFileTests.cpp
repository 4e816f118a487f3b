#include <gtest/gtest.h>

#include <fstream>

#include "document/LevelDocument.h"
#include "platform/PathText.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/RecordingPropertyBar.h"
#include "support/GameFolderTest.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using testing::FakePrompter;
using testing::FakeSettings;
using testing::RecordingPropertyBar;
using testing::TempFolder;

class LevelDocumentFileTest : public testing::GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        doc.OnNewDocument();
    }
    RecordingPropertyBar bar;
    LevelDocument doc{settings, prompter, &bar};
};

TEST_F(LevelDocumentFileTest, SavedMissionReopensWithItsWaveLinks) {
    doc.AddRadioMessage();
    doc.AddRadioMessage();
    doc.GetMission().Messages[1]->WaveFile = PathToUtf8(Write("sounds/hello.wav", "snd"));
    doc.GetMission().FlightGroups[0]->File.SetName("Red");
    const fs::path path = tmp / "m1.tie";

    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPath(), path);
    EXPECT_EQ(bar.calls.front(), "ApplyAll");  // pending edits go in before writing
    EXPECT_EQ(TempFolder::ReadText(tmp / "game" / "wave" / "m1.lst"), "\r\nm1\\hello.wav\r\n");

    LevelDocument reopened(settings, prompter);
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_EQ(reopened.GetPath(), path);
    ASSERT_EQ(reopened.GetMission().CountMessages(), 2);
    EXPECT_EQ(reopened.GetMission().Messages[0]->WaveFile, "");
    EXPECT_EQ(reopened.GetMission().Messages[1]->WaveFile,
              PathToUtf8(tmp / "game" / "wave" / "m1" / "hello.wav"));
    EXPECT_EQ(reopened.GetMission().FlightGroups[0]->File.Name(), "Red");
}

TEST_F(LevelDocumentFileTest, FailedOpenOrSaveLeavesTheDocumentAsItWas) {
    doc.GetMission().FlightGroups[0]->File.SetName("Kept");
    doc.SetModified(true);

    Write("short.tie", "\x0e");
    EXPECT_FALSE(doc.OnOpenDocument(tmp / "short.tie"));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Invalid File Format: Header"});
    EXPECT_EQ(doc.GetMission().FlightGroups[0]->File.Name(), "Kept");
    EXPECT_TRUE(doc.IsModified());

    // A path whose folder is a plain file cannot be written, even by root.
    prompter.shown.clear();
    Write("file", "x");
    EXPECT_FALSE(doc.OnSaveDocument(tmp / "file" / "m1.tie"));
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetPath().empty());
}

}  // namespace
}  // namespace vantorel
