// The safe writer: long names, links, non-files, a killed save's leftovers, the old file kept.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "document/AtomicFile.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "platform/PathText.h"
#include "platform/Utf8.h"
#include "support/FakePrompter.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"
#include "support/TempFolder.h"

#ifdef __unix__
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace vantorel;
using namespace vantorel::testing;
namespace fs = std::filesystem;

namespace {

const std::vector<uint8_t> kBytes = {'n', 'e', 'w'};

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(AtomicFile, EveryNameThatFitsCanBeSavedAndItsTemporaryNameFitsToo) {
    TempFolder dir;
    std::string error;
    for (size_t length : {1u, 32u, 33u, 243u, 250u, 255u}) {
        const std::string name = std::string(length - 1, 'm') + "x";
        EXPECT_TRUE(WriteFileAtomically(dir / name, kBytes, error)) << length << ": " << error;
        EXPECT_EQ(TempFolder::ReadBytes(dir / name), kBytes) << length;
    }
    EXPECT_EQ(Names(dir.Path()).size(), 6u);  // no temporary file left behind

    // The longest name the file system allows, of two-unit characters, is not cut inside one.
#ifdef _WIN32
    const char* wide = "\xF0\x9F\x9B\xB8";  // outside the BMP: a surrogate pair
#else
    const char* wide = "\xC3\xA9";
#endif
    std::string text;
    for (int i = 0; i < 127; ++i) text += wide;
    const fs::path accented = PathFromUtf8(text + "x");
    const fs::path tmp = TemporaryNameFor(accented);
    EXPECT_LE(tmp.native().size(), accented.native().size());
    std::string tmpText;
    EXPECT_NO_THROW(tmpText = PathToUtf8(tmp));
    EXPECT_EQ(ValidUtf8(tmpText), tmpText);
    EXPECT_EQ(tmpText.compare(0, 200, text, 0, 200), 0) << tmpText;  // the name's front stays
    EXPECT_TRUE(IsTemporaryName(tmp));
#ifndef _WIN32  // Wine keeps names as UTF-8, where this one is twice too long
    EXPECT_TRUE(WriteFileAtomically(dir / accented, kBytes, error)) << error;
#endif

    // Short names keep their whole name in front of the marked ending.
    const std::string shortTmp = TemporaryNameFor("m1.tie").string();
    EXPECT_EQ(shortTmp.rfind("m1.tie.vantorel-", 0), 0u) << shortTmp;
    EXPECT_TRUE(IsTemporaryName(shortTmp));
    for (const char* other :
         {"m1.tie", "m1.tie.vantorel-1234567.tmp", "m1.tie.vantorel-1234567g.tmp",
          "m1.tie.vantorel-12345678.tmpx", "m1.tie.Vantorel-12345678.tmp"})
        EXPECT_FALSE(IsTemporaryName(other)) << other;
}

// Windows writes NUL, COM1 or aux.txt in any folder to a device: refused, not a full disk.
TEST(AtomicFile, WindowsDeviceNamesAreToldFromFileNames) {
    for (const char* device :
         {"NUL", "nul", "C:\\work\\NUL", "/tmp/con.tie", "Aux.txt.tie", "prn  ", "COM1", "lpt9.x",
          "com\xC2\xB9", "CONOUT$", "\\\\.\\PhysicalDrive0", "//./pipe/x", "c:nul"})
        EXPECT_TRUE(IsWindowsDeviceName(PathFromUtf8(device))) << device;
    for (const char* file : {"NULL", "null.tie", "m1.tie", "COM10", "LPT", "comA", "CONS.tie",
                             "C:\\nul\\m1.tie", "nul_.tie", "x.nul", ""})
        EXPECT_FALSE(IsWindowsDeviceName(PathFromUtf8(file))) << file;
#ifdef _WIN32
    std::string error;
    EXPECT_FALSE(WriteFileAtomically("NUL", kBytes, error));
    EXPECT_EQ(error, "It is a device, not a file.");
#endif
}

TEST(AtomicFile, LinksAreFollowedToTheFileTheyLeadToAndCirclesAreRefused) {
#ifndef __unix__
    GTEST_SKIP() << "only administrators can make symbolic links on Windows";
#else
    TempFolder dir;
    std::string error;

    // A link to a file that does not exist yet creates that file.
    fs::create_symlink(dir / "real.tie", dir / "link.tie");
    ASSERT_TRUE(WriteFileAtomically(dir / "link.tie", kBytes, error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir / "link.tie"));
    EXPECT_EQ(TempFolder::ReadBytes(dir / "real.tie"), kBytes);

    // Relative links count from their own folder, through a chain.
    fs::create_directory(dir / "sub");
    fs::create_symlink("sub/hop.tie", dir / "first.tie");
    fs::create_symlink("../end.tie", dir / "sub" / "hop.tie");
    ASSERT_TRUE(WriteFileAtomically(dir / "first.tie", kBytes, error)) << error;
    EXPECT_EQ(TempFolder::ReadBytes(dir / "end.tie"), kBytes);
    EXPECT_TRUE(fs::is_symlink(dir / "first.tie"));
    EXPECT_TRUE(fs::is_symlink(dir / "sub" / "hop.tie"));

    // A circle is refused, and so is a link into a folder that is not there.
    fs::create_symlink("b.tie", dir / "a.tie");
    fs::create_symlink("a.tie", dir / "b.tie");
    EXPECT_FALSE(WriteFileAtomically(dir / "a.tie", kBytes, error));
    EXPECT_EQ(error, "The file is a link that leads round in a circle.");
    EXPECT_TRUE(fs::is_symlink(dir / "a.tie"));
    EXPECT_TRUE(fs::is_symlink(dir / "b.tie"));

    fs::create_symlink(dir / "nowhere" / "x.tie", dir / "lost.tie");
    EXPECT_FALSE(WriteFileAtomically(dir / "lost.tie", kBytes, error));
    EXPECT_EQ(error, "The link leads to " + (dir / "nowhere" / "x.tie").string() +
                         ", whose folder does not exist.");
    EXPECT_TRUE(fs::is_symlink(dir / "lost.tie"));
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
#endif
}

TEST(AtomicFile, AFolderOrWhatIsNotARegularFileIsLeftAsItIs) {
    TempFolder dir;
    std::string error;
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(WriteFileAtomically(dir / "folder", kBytes, error));
    EXPECT_EQ(error, "A folder of that name is in the way.");
#ifdef __unix__  // Windows folders hold no named pipes
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(WriteFileAtomically(dir / "pipe", kBytes, error));
    EXPECT_EQ(error, "It is not a regular file (it is a device, a pipe or a socket).");
    // Through a link as well.
    fs::create_symlink(dir / "pipe", dir / "to-pipe");
    EXPECT_FALSE(WriteFileAtomically(dir / "to-pipe", kBytes, error));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"folder", "pipe", "to-pipe"}));
#else
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"folder"}));
#endif
}

TEST(AtomicFile, ATargetAnotherProgramHoldsOpenIsReplacedOrKeptWhole) {
    TempFolder dir;
    const fs::path target = dir / "held.tie";
    TempFolder::WriteBytes(target, {'o', 'l', 'd'});
    std::string error;
    {
        std::ifstream reader(target, std::ios::binary);  // as the game holds a mission it reads
        ASSERT_TRUE(reader);
        const bool saved = WriteFileAtomically(target, kBytes, error);
#ifdef _WIN32
        // Windows replaces no file that is open without leave to delete it.
        EXPECT_FALSE(saved);
        EXPECT_EQ(error, "Another program has the file open; close it there and save again.");
        EXPECT_EQ(TempFolder::ReadText(target), "old");
#else
        EXPECT_TRUE(saved) << error;
#endif
        EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"held.tie"});
    }
    ASSERT_TRUE(WriteFileAtomically(target, kBytes, error)) << error;
    EXPECT_EQ(TempFolder::ReadBytes(target), kBytes);
}

TEST(AtomicFile, TheNextSaveRemovesWhatAKilledSaveLeftButNotASaveInProgress) {
#ifndef __unix__
    GTEST_SKIP() << "the save is killed by the shell's file size limit, which Windows lacks";
#else
    TempFolder dir;
    Mission m = MakeEmptyMission(14, 3, 3);
    TempFolder::WriteBytes(dir / "in.tie", WriteMission(m));
    TempFolder::WriteBytes(dir / "out.tie", {'o', 'l', 'd'});
    // A save killed by the file size limit part way through its write.
    const std::string killed = "ulimit -f 16; exec '" + std::string(VANTOREL_CLI) + "' roundtrip " +
                               Quoted(dir / "in.tie") + " " + Quoted(dir / "out.tie");
    ASSERT_NE(RunShell("sh -c \"" + killed + "\" 2>/dev/null"), 0);
    std::vector<std::string> left;
    for (const auto& name : Names(dir.Path()))
        if (IsTemporaryName(name)) left.push_back(name);
    ASSERT_EQ(left.size(), 1u) << "the killed save left no temporary file";
    EXPECT_EQ(TempFolder::ReadText(dir / "out.tie"), "old");

    // Another save's temporary file, locked as a writer holds it, and files that look similar.
    const fs::path live = dir / "other.tie.vantorel-0123abcd.tmp";
    const int fd = ::open(live.c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    TempFolder::WriteBytes(dir / "notes.vantorel-0123abc.tmp", kBytes);
    fs::create_directory(dir / "dir.vantorel-0123abcd.tmp");

    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir / "next.tie", kBytes, error)) << error;
    EXPECT_EQ(Names(dir.Path()),
              (std::vector<std::string>{"dir.vantorel-0123abcd.tmp", "in.tie", "next.tie",
                                        "notes.vantorel-0123abc.tmp",
                                        "other.tie.vantorel-0123abcd.tmp", "out.tie"}));
    ::close(fd);
#endif
}

// A count or length its 16-bit field cannot hold is refused, never wrapped (65,536 -> none).
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

TEST(SaveMissionFile, AReadOnlyFileIsRefusedAndKept) {
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
    EXPECT_EQ(Names(dir.Path()).size(), 1u);
#endif
}
