// Copies of unsaved missions for crash recovery, and telling whether the
// file on disk is still the one the document read or wrote.
#include <gtest/gtest.h>

#include "document/LevelDocument.h"
#include "document/MissionReader.h"
#include "document/RecoveryFolder.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/MissionGenerator.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

using testing::TempFolder;

TEST(RecoveryFolder, ACopyComesBackByteForByteWithItsSoundsAndWhereItBelongs) {
    TempFolder tmp;
    Mission m = testing::MissionGenerator(7).Make({3, 2, 12, 12, 14});
    m.Messages[1]->WaveFile = "/games/xvt/wave/m/hello.wav";
    RecoveryFolder folder(tmp / "recovery", "run1");
    std::string error;
    ASSERT_TRUE(
        folder.Store(4, m, "/home/ann/m\\issions/odd\nname.tie", "odd name.tie", 1700000000, error))
        << error;
    // A copy stored again replaces the first.
    ASSERT_TRUE(folder.Store(4, m, "/home/ann/m\\issions/odd\nname.tie", "odd name.tie", 1700000060,
                             error));

    const auto entries = folder.Entries();
    ASSERT_EQ(entries.size(), 1u);
    const RecoveryEntry& e = entries[0];
    EXPECT_EQ(e.run, "run1");
    EXPECT_EQ(e.slot, 4);
    EXPECT_EQ(e.originalPath, "/home/ann/m\\issions/odd\nname.tie");
    EXPECT_EQ(e.title, "odd name.tie");
    EXPECT_EQ(e.savedAt, 1700000060);
    Mission back;
    ASSERT_TRUE(RecoveryFolder::Load(e, back, error)) << error;
    EXPECT_EQ(back.Messages[1]->WaveFile, "/games/xvt/wave/m/hello.wav");
    EXPECT_EQ(back.Messages[0]->WaveFile, "");
    ASSERT_EQ(back.CountFlightGroups(), 3);
    EXPECT_EQ(back.FlightGroups[2]->File, m.FlightGroups[2]->File);

    // Other runs' copies are listed too; removing only touches this run's.
    RecoveryFolder other(tmp / "recovery", "run2");
    ASSERT_TRUE(other.Store(4, m, "", "XvT Level1", 1600000000, error));
    EXPECT_EQ(folder.Entries().size(), 2u);
    EXPECT_EQ(folder.Entries()[0].run, "run2");  // oldest first
    folder.Remove(4);
    ASSERT_EQ(folder.Entries().size(), 1u);
    RecoveryFolder::Discard(folder.Entries()[0]);
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_TRUE(RecoveryFolder(tmp / "none", "x").Entries().empty());
}

TEST(RecoveryFolder, AnAutosaveChangesNeitherTheMissionNorItsFile) {
    TempFolder tmp;
    testing::FakeSettings settings;
    testing::FakePrompter prompter;
    LevelDocument doc(settings, prompter);
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnSaveDocument(tmp / "m.tie"));
    const auto onDisk = TempFolder::ReadBytes(tmp / "m.tie");
    doc.AddFlightGroup();
    doc.AddRadioMessage();
    const MissionHeader header = doc.GetHeader();  // counts not yet written
    std::string error;
    ASSERT_TRUE(RecoveryFolder(tmp / "r", "run").Store(0, doc.GetMission(), "m", "m", 1, error));
    EXPECT_EQ(doc.GetHeader(), header);
    EXPECT_EQ(TempFolder::ReadBytes(tmp / "m.tie"), onDisk);
    EXPECT_TRUE(doc.IsModified());
}

TEST(DiskState, TheDocumentTellsItsOwnFileFromAnotherProgramsVersion) {
    TempFolder tmp;
    testing::FakeSettings settings;
    testing::FakePrompter prompter;
    LevelDocument doc(settings, prompter);
    doc.OnNewDocument();
    EXPECT_EQ(doc.CheckDisk(), LevelDocument::DiskState::Same);  // never saved
    ASSERT_TRUE(doc.OnSaveDocument(tmp / "m.tie"));
    EXPECT_EQ(doc.CheckDisk(), LevelDocument::DiskState::Same);
    auto bytes = TempFolder::ReadBytes(tmp / "m.tie");
    bytes[0x66] ^= 1;  // another program changes the time limit
    TempFolder::WriteBytes(tmp / "m.tie", bytes);
    EXPECT_EQ(doc.CheckDisk(), LevelDocument::DiskState::Changed);
    ASSERT_TRUE(doc.OnOpenDocument(tmp / "m.tie"));
    EXPECT_EQ(doc.CheckDisk(), LevelDocument::DiskState::Same);
    std::filesystem::remove(tmp / "m.tie");
    EXPECT_EQ(doc.CheckDisk(), LevelDocument::DiskState::Missing);
}

}  // namespace
}  // namespace vantorel
