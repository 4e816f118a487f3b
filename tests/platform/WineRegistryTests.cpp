#include <gtest/gtest.h>

#include <fstream>

#include "platform/WineRegistry.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

// What Wine writes for a game of a 32-bit installer, escapes and non-ASCII included.
constexpr const char* kSystemReg =
    "WINE REGISTRY Version 2\r\n"
    ";; All keys relative to \\\\Machine\r\n"
    "\r\n"
    "#arch=win32\r\n"
    "\r\n"
    "[Software\\\\LucasArts Entertainment Company\\\\X-Wing vs. TIE Fighter\\\\1.0] 1700000000\r\n"
    "#time=1d9a0b0c0d0e0f0\r\n"
    "\"Version\"=\"1.0\"\r\n"
    "\r\n"
    "[Software\\\\LucasArts Entertainment Company\\\\X-Wing vs. TIE Fighter\\\\1.1] 1700000001\r\n"
    "\"Install Path\"=\"C:\\\\Games\\\\XvT \\\"Gold\\\"\"\r\n"
    "\"Player\"=str(2):\"%USERPROFILE%\\\\Pilot\"\r\n"
    "\"Count\"=dword:00000003\r\n"
    "\"Blob\"=hex:01,02,03,\\\r\n"
    "  04,05\r\n"
    "@=\"default text\"\r\n"
    "\r\n"
    "[Software\\\\Caf\\xe9\\\\Menu] 1700000002\r\n"
    "\"Name\"=\"Cr\\xe8me \\x263a\"\r\n"
    "\r\n"
    "[Software\\\\Wow6432Node\\\\LucasArts Entertainment Company\\\\Balance of Power\\\\1.0] 1\r\n"
    "\"Install Path\"=\"C:\\\\BoP\"\r\n";

TEST(WineRegistryTest, ReadsKeysAndStringValuesAsWineWritesThem) {
    WineRegistry reg = WineRegistry::Parse(kSystemReg);
    const std::string game = "SOFTWARE\\LucasArts Entertainment Company\\X-Wing vs. TIE Fighter";

    // Keys and value names compare without regard to case.
    EXPECT_TRUE(reg.HasKey(game + "\\1.1"));
    EXPECT_FALSE(reg.HasKey(game + "\\2.0"));
    // A parent that holds no values exists through its subkeys.
    EXPECT_TRUE(reg.HasKey(game));
    EXPECT_TRUE(reg.HasKey("software\\lucasarts entertainment company"));
    EXPECT_FALSE(reg.HasKey("Software\\LucasArts"));

    EXPECT_FALSE(reg.ReadString(game + "\\1.0", "Install Path"));
    EXPECT_EQ(reg.ReadString(game + "\\1.1", "install path"), "C:\\Games\\XvT \"Gold\"");
    EXPECT_EQ(reg.ReadString(game + "\\1.1", "Player"), "%USERPROFILE%\\Pilot");
    EXPECT_EQ(reg.ReadString(game + "\\1.1", ""), "default text");
    // Values of other types exist but are not text.
    EXPECT_FALSE(reg.ReadString(game + "\\1.1", "Count"));
    EXPECT_FALSE(reg.ReadString(game + "\\1.1", "Blob"));
    // The continuation line of the hex value is not taken for a value.
    EXPECT_FALSE(reg.ReadString(game + "\\1.1", "04,05"));

    // \x escapes are UTF-16 units; they come back as UTF-8.
    EXPECT_EQ(reg.ReadString("Software\\Caf\xc3\xa9\\Menu", "Name"), "Cr\xc3\xa8me \xe2\x98\xba");
}

TEST(WineRegistryTest, DamagedTextGivesWhatCouldBeRead) {
    WineRegistry reg = WineRegistry::Parse(
        "[Software\\\\A] 1\n\"Good\"=\"yes\"\n\"Broken=\"no end\n[Software\\\\Unclosed\n"
        "\"Orphan\"=\"x\"\n");
    EXPECT_EQ(reg.ReadString("Software\\A", "Good"), "yes");
    EXPECT_FALSE(reg.HasKey("Software\\Unclosed"));
    // A value after a broken key line does not land in the previous key.
    EXPECT_FALSE(reg.ReadString("Software\\A", "Orphan"));
    EXPECT_FALSE(WineRegistry::Parse("").HasKey("Software"));  // random bytes: the fuzzer's
}

TEST(WineRegistryTest, EscapesAlwaysGiveValidUtf8AndKeyNamesStayAsWritten) {
    WineRegistry reg = WineRegistry::Parse(
        "[Software\\\\T] 1\n"
        "\"LoneLow\"=\"a\\xdc00b\"\n"
        "\"LoneHigh\"=\"a\\xd83db\"\n"
        "\"HighAtEnd\"=\"a\\xd83d\"\n"
        "\"HighThenEscape\"=\"\\xd83d\\n\"\n"
        "\"Pair\"=\"\\xd83d\\xde00\"\n"
        "\"TwoHighsThenLow\"=\"\\xd83d\\xd83d\\xde00\"\n"
        "\"RawBytes\"=\"\xff\xc3\xa9\xed\xa0\x80\"\n"
        "[Software\\\\a/b] 1\n\"Which\"=\"slash\"\n"
        "[Software\\\\a\\\\b] 1\n\"Which\"=\"two keys\"\n");
    const std::string fffd = "\xEF\xBF\xBD";
    auto read = [&](const char* name) { return reg.ReadString("Software\\T", name).value_or("?"); };
    EXPECT_EQ(read("LoneLow"), "a" + fffd + "b");
    EXPECT_EQ(read("LoneHigh"), "a" + fffd + "b");
    EXPECT_EQ(read("HighAtEnd"), "a" + fffd);
    EXPECT_EQ(read("HighThenEscape"), fffd + "\n");
    EXPECT_EQ(read("Pair"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(read("TwoHighsThenLow"), fffd + "\xF0\x9F\x98\x80");
    // Raw bytes: a stray byte and an encoded surrogate are replaced, real
    // UTF-8 kept.
    EXPECT_EQ(read("RawBytes"), fffd + "\xC3\xA9" + fffd + fffd + fffd);

    // '/' is part of a key's name; only '\' separates keys.
    EXPECT_EQ(reg.ReadString("Software\\a/b", "Which"), "slash");
    EXPECT_EQ(reg.ReadString("Software\\a\\b", "Which"), "two keys");
    EXPECT_FALSE(reg.HasKey("Software\\a/b\\c"));
}

TEST(WineRegistryTest, PrefixFollowsTheEnvironment) {
    EXPECT_EQ(WinePrefixFrom("/opt/games/xvt", "/home/pilot"), "/opt/games/xvt");
    EXPECT_EQ(WinePrefixFrom("", "/home/pilot"), "/home/pilot/.wine");
}

class WinePrefixTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        // On Windows the game's keys come from the registry itself.
        GTEST_SKIP() << "Wine prefixes exist only off Windows";
#endif
        std::filesystem::create_directories(prefix / "drive_c/Games/XvT");
    }
    testing::TempFolder folder;
    const std::filesystem::path prefix = folder.Path();
};

TEST_F(WinePrefixTest, MapsDrivePathsThroughThePrefix) {
    // Without dosdevices, C: is the prefix's drive_c; case follows the disk.
    EXPECT_EQ(MapWindowsPathIntoPrefix(prefix, "C:\\GAMES\\xvt"), prefix / "drive_c/Games/XvT");
    EXPECT_EQ(MapWindowsPathIntoPrefix(prefix, "c:/Games/XvT/"), prefix / "drive_c/Games/XvT");
    // A part that is not on disk keeps its spelling, and so does the rest.
    EXPECT_EQ(MapWindowsPathIntoPrefix(prefix, "C:\\Games\\New\\Wave"),
              prefix / "drive_c/Games/New/Wave");
    // Not a drive path: unchanged.
    EXPECT_EQ(MapWindowsPathIntoPrefix(prefix, "/already/unix"), "/already/unix");

    // With dosdevices, drive letters go through their links.
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directories(prefix / "d_drive" / "Setup");
    std::filesystem::create_directory_symlink(prefix / "d_drive", prefix / "dosdevices" / "d:");
    EXPECT_EQ(MapWindowsPathIntoPrefix(prefix, "D:\\setup"), prefix / "dosdevices/d:/Setup");
}

TEST_F(WinePrefixTest, GameRegistryReadsThePrefixAndItsWow64Keys) {
    std::ofstream(prefix / "system.reg", std::ios::binary) << kSystemReg;
    WineGameRegistry reg(prefix);
    EXPECT_EQ(reg.ReadString(std::string(kGameKey) + "\\1.1", "Install Path"),
              "C:\\Games\\XvT \"Gold\"");
    // Balance of Power was written by a 32-bit installer into a 64-bit prefix.
    EXPECT_TRUE(reg.HasKey(kExpansionKey));
    EXPECT_EQ(reg.ReadString(std::string(kExpansionKey) + "\\1.0", "Install Path"), "C:\\BoP");
    EXPECT_EQ(reg.NativeFolder("C:\\games\\XVT"), (prefix / "drive_c/Games/XvT").string());

    // A missing prefix has no keys at all.
    WineGameRegistry none(prefix / "missing");
    EXPECT_FALSE(none.HasKey(kGameKey));
}

}  // namespace
}  // namespace vantorel
