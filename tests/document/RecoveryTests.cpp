// Copies of unsaved missions for crash recovery; whether the file on disk is still ours.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "document/LevelDocument.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "document/RecoveryFolder.h"
#include "platform/PathText.h"
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
    const std::string original = PathToUtf8(tmp.Path()) + "/m\\issions/odd\nname.tie";
    ASSERT_TRUE(folder.Store(4, m, original, "odd name.tie", 1700000000, error)) << error;
    // A copy stored again replaces the first.
    ASSERT_TRUE(folder.Store(4, m, original, "odd name.tie", 1700000060, error));

    const auto entries = folder.Entries();
    ASSERT_EQ(entries.size(), 1u);
    const RecoveryEntry& e = entries[0];
    EXPECT_EQ(e.run, "run1");
    EXPECT_EQ(e.slot, 4);
    EXPECT_EQ(e.originalPath, original);
    EXPECT_EQ(e.title, "odd name.tie");
    EXPECT_EQ(e.savedAt, 1700000060);
    Mission back;
    ASSERT_TRUE(RecoveryFolder::Load(e, back, error)) << error;
    EXPECT_EQ(back.Messages[1]->WaveFile, "/games/xvt/wave/m/hello.wav");
    EXPECT_EQ(back.Messages[0]->WaveFile, "");
    ASSERT_EQ(back.CountFlightGroups(), 3);
    EXPECT_EQ(back.FlightGroups[2]->File, m.FlightGroups[2]->File);
    // A note naming more sounds than the copy has messages gives each its own.
    RecoveryEntry more = e;
    more.waveFiles.resize(40, "/x.wav");
    Mission backAgain;
    ASSERT_TRUE(RecoveryFolder::Load(more, backAgain, error)) << error;
    EXPECT_EQ(backAgain.Messages[1]->WaveFile, "/games/xvt/wave/m/hello.wav");

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

// Anything may be put in the folder: what is not our copy is skipped unread and unwaited for,
// and a note is believed only as far as it is sound.
TEST(RecoveryFolder, WhatIsNotACopyOfOursIsSkippedWithoutWaitingOrReadingItWhole) {
    namespace fs = std::filesystem;
    TempFolder tmp;
    const fs::path dir = tmp / "recovery";
    Mission m = testing::MissionGenerator(3).Make({2, 3, 12, 12, 14});
    RecoveryFolder folder(dir, "run");
    std::string error;
    ASSERT_TRUE(folder.Store(0, m, "", "a", 1, error)) << error;
    auto note = [&](const std::string& name, const std::string& text) {
        fs::copy_file(dir / "run-0.tie", dir / (name + ".tie"));
        TempFolder::WriteBytes(dir / (name + ".recovery"), {text.begin(), text.end()});
    };
    const std::string absolute = PathToUtf8(tmp / "m.tie");
    note("relative-1", "path=m.tie\ntitle=\ntime=2\nwave=\nwave=a\\nb\nwave=/w/x.wav\n");
    note("climbs-2", "path=" + PathToUtf8(tmp.Path()) + "/../etc/m.tie\ntitle=c\ntime=3\n");
    std::string escaped;  // as the notes hold it
    for (char c : absolute) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    note("absolute-3", "path=" + escaped + "\ntitle=\ntime=4\n");
#ifndef _WIN32
    // A note far larger than any of ours (a sparse 3 GB file).
    note("huge-4", "path=/x\n");
    fs::resize_file(dir / "huge-4.recovery", 3ull << 30);
    // Pipes that nothing writes to: opening one to read would wait forever.
    ASSERT_EQ(mkfifo(PathToUtf8(dir / "pipe-5.recovery").c_str(), 0600), 0);
    fs::copy_file(dir / "run-0.tie", dir / "pipe-5.tie");
    ASSERT_EQ(mkfifo(PathToUtf8(dir / "pipe-6.tie").c_str(), 0600), 0);
    TempFolder::WriteBytes(dir / "pipe-6.recovery", {'t', '=', '\n'});
#endif

    std::vector<RecoveryEntry> entries = folder.Entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].run, "run");
    const RecoveryEntry& relative = entries[1];
    EXPECT_EQ(relative.run, "relative");
    EXPECT_EQ(relative.originalPath, "");  // never saved, as far as the editor knows
    EXPECT_EQ(relative.title, "Untitled");
    EXPECT_EQ(relative.waveFiles, (std::vector<std::string>{"", "", "/w/x.wav"}));
    EXPECT_EQ(entries[2].originalPath, "");
    EXPECT_EQ(entries[3].originalPath, absolute);
    EXPECT_EQ(entries[3].title, "m.tie");
    Mission back;
    ASSERT_TRUE(RecoveryFolder::Load(relative, back, error)) << error;
    EXPECT_EQ(back.Messages[1]->WaveFile, "");
    EXPECT_EQ(back.Messages[2]->WaveFile, "/w/x.wav");

#ifndef _WIN32
    // A copy that became a pipe after the list was made is refused too.
    RecoveryEntry swapped = entries[3];
    swapped.copy = dir / "pipe-6.tie";
    EXPECT_FALSE(RecoveryFolder::Load(swapped, back, error));
    EXPECT_EQ(error, "it is not a regular file");
#endif

    // A mission that cannot be written whole is not copied at all.
    m.Messages.resize(kLargestCountInFile + 1);
    for (auto& message : m.Messages)
        if (!message) message = std::make_unique<RadioMessage>();
    EXPECT_FALSE(folder.Store(0, m, "", "a", 9, error));
    EXPECT_EQ(error, "The mission has 65,536 messages; a mission file holds at most 65,535.");
    EXPECT_EQ(folder.Entries()[0].savedAt, 1);
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
