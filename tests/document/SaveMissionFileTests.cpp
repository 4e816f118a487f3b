// Saving never destroys the previous file.
#include <gtest/gtest.h>

#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "platform/PathText.h"
#include "support/FakePrompter.h"
#include "support/MissionGenerator.h"
#include "support/TempFolder.h"

#ifdef __unix__
#include <signal.h>
#include <sys/resource.h>
#endif

using namespace vantorel;
using namespace vantorel::testing;
namespace fs = std::filesystem;

namespace {

size_t FilesIn(const fs::path& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
    return n;
}

}  // namespace

TEST(SaveMissionFile, WritesAndReplacesAndReadsBack) {
    TempFolder dir;
    fs::path target = dir / "m1.tie";
    Mission m = MakeEmptyMission(14, 2, 1);
    m.FlightGroups[1]->File.SetName("Beta");
    FakePrompter prompter;
    ASSERT_TRUE(SaveMissionFile(target, m, prompter));
    m.FlightGroups[1]->File.SetName("Gamma");
    ASSERT_TRUE(SaveMissionFile(target, m, prompter));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(FilesIn(dir.Path()), 1u);  // no temporary file left behind

    Mission read;
    ASSERT_TRUE(LoadMissionFile(target, read, prompter));
    EXPECT_EQ(read.FlightGroups[1]->File.Name(), "Gamma");
}

// A count or a length the file's 16-bit field cannot hold is refused, not
// wrapped or cut: 65,536 messages would be written as none and the file
// would read back as something else, or not at all.
TEST(SaveMissionFile, ACountOrLengthTooLargeForItsFieldIsRefusedAndTheFileKept) {
    TempFolder dir;
    const fs::path target = dir / "m1.tie";
    Mission m = MakeEmptyMission(14, 1, 1);
    FakePrompter prompter;
    ASSERT_TRUE(SaveMissionFile(target, m, prompter));
    const std::vector<uint8_t> saved = TempFolder::ReadBytes(target);

    auto refused = [&](Mission& bad, const std::string& why) {
        EXPECT_EQ(WriteRefusal(bad), why);
        EXPECT_TRUE(WriteMission(bad).empty());
        EXPECT_FALSE(SaveMissionFile(target, bad, prompter));
        ASSERT_FALSE(prompter.shown.empty());
        EXPECT_EQ(prompter.shown.back().text, "Couldn't save " + PathToUtf8(target) + ".\n" + why +
                                                  "\nThe file on disk has not been changed.");
        EXPECT_EQ(TempFolder::ReadBytes(target), saved);
    };
    Mission messages = MakeEmptyMission(14, 1, 65536);
    refused(messages, "The mission has 65,536 messages; a mission file holds at most 65,535.");
    Mission groups = MakeEmptyMission(12, 65536, 0);
    refused(groups, "The mission has 65,536 flight groups; a mission file holds at most 65,535.");
    m.Briefings[7].Strings[3].assign(65536, 'x');
    refused(m, "Briefing 8's string 4 is 65,536 bytes long; a mission file holds at most 65,535.");
    m.Briefings[7].Strings[3].pop_back();
    m.Briefings[0].Tags[0].assign(70000, 'x');
    refused(m, "Briefing 1's tag 1 is 70,000 bytes long; a mission file holds at most 65,535.");

    // What fits exactly is written and read back whole.
    m.Briefings[0].Tags[0].clear();
    Mission most = MakeEmptyMission(12, 1, 65535);
    most.Briefings = m.Briefings;
    ASSERT_TRUE(SaveMissionFile(target, most, prompter));
    Mission back;
    ASSERT_TRUE(LoadMissionFile(target, back, prompter));
    EXPECT_EQ(back.CountMessages(), 65535);
    EXPECT_EQ(back.Briefings[7].Strings[3].size(), 65535u);
}

TEST(SaveMissionFile, UnwritableFolderReportsAndKeepsNothingHalfWritten) {
    TempFolder dir;
    // A plain file stands where the folder should be: nothing can be created
    // below it, whoever runs the test.
    TempFolder::WriteBytes(dir / "notafolder", {1, 2, 3});
    fs::path target = dir / "notafolder" / "m1.tie";
    Mission m = MakeEmptyMission(12);
    FakePrompter prompter;
    EXPECT_FALSE(SaveMissionFile(target, m, prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("m1.tie"), std::string::npos) << prompter.shown[0].text;
    EXPECT_EQ(prompter.shown[0].icon, PromptIcon::Error);
    EXPECT_EQ(TempFolder::ReadBytes(dir / "notafolder"), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(SaveMissionFile, AReadOnlyFileIsRefusedAndALinkKeepsLeadingToTheSavedFile) {
    TempFolder dir;
    const fs::path target = dir / "m1.tie";
    TempFolder::WriteBytes(target, {'o', 'l', 'd'});
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    Mission m = MakeEmptyMission(12);
    FakePrompter prompter;
    EXPECT_FALSE(SaveMissionFile(target, m, prompter));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{"Couldn't save " + target.string() +
                                                         ".\nThe file is read-only.\nThe file on "
                                                         "disk has not been changed."});
    EXPECT_EQ(TempFolder::ReadText(target), "old");

    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
    std::error_code ec;
    fs::create_symlink(target, dir / "link.tie", ec);
    if (ec) GTEST_SKIP() << "no symbolic links here: " << ec.message();
    ASSERT_TRUE(SaveMissionFile(dir / "link.tie", m, prompter));
    EXPECT_TRUE(fs::is_symlink(dir / "link.tie"));
    EXPECT_EQ(TempFolder::ReadBytes(target), WriteMission(m));
}

TEST(SaveMissionFile, FullDiskKeepsThePreviousFile) {
#ifndef __unix__
    GTEST_SKIP() << "the full disk is a file size limit, which Windows lacks";
#else
    TempFolder dir;
    fs::path target = dir / "m1.tie";
    TempFolder::WriteBytes(target, {'o', 'l', 'd'});

    // Simulate a disk that fills up after 4 KiB.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    Mission m = MakeEmptyMission(14, 3, 3);
    FakePrompter prompter;
    bool saved = SaveMissionFile(target, m, prompter);

    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("m1.tie"), std::string::npos);
    EXPECT_EQ(TempFolder::ReadText(target), "old");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
#endif
}
