#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "catalogue/NameLists.h"
#include "catalogue/TeamThemes.h"
#include "platform/PathText.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

class ThemesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto& slot : ThemeSlots()) slot = ThemeSlot{};
    }
    void TearDown() override {
        for (auto& slot : ThemeSlots()) slot = ThemeSlot{};
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    // Points every team at a file that does not exist, then team t at path.
    // Loading saves the slots' paths first, so the slots are set as well.
    void UseOnly(int t, const std::string& path) {
        for (int i = 0; i < kThemeSlotCount; ++i) {
            const std::string p = i == t ? path : (dir / "absent.xth").string();
            settings.SetString("Themes", "Team" + std::to_string(i), p);
            SetThemePath(i, p);
        }
    }

    testing::TempFolder folder;
    const fs::path dir = folder.Path();
    testing::FakeSettings settings;
    testing::FakePrompter prompter;
};

TEST_F(ThemesTest, DefaultsAreTheBareNamesAndSaveWritesThePathsInUse) {
    LoadThemes(settings, prompter);
    EXPECT_EQ(ThemePath(1), "rebel.xth");
    for (int t = 2; t < 8; ++t) EXPECT_EQ(ThemePath(t), "default.xth") << t;
    EXPECT_TRUE(settings.values.empty());  // nothing was in use before the load

    SetThemePath(3, "C:\\Themes\\pirates.xth");
    SaveThemeSettings(settings);
    EXPECT_EQ(settings.values.size(), 8u);
    EXPECT_EQ(settings.GetString("Themes", "Team3", ""), "C:\\Themes\\pirates.xth");
}

TEST_F(ThemesTest, ReadsNameAndBothListsDroppingCarriageReturns) {
    UseOnly(2, Write("t.xth",
                     "Pirates\r\n2\r\nHook\r\nPlank\r\n  +1 and more\r\nBarnacle\r\nignored\r\n"));
    LoadThemes(settings, prompter);
    EXPECT_EQ(ThemeName(2), "Pirates");
    ASSERT_EQ(NameListCount(2, kNameListThemeFirst), 2);
    EXPECT_EQ(NameListEntry(2, 1, kNameListThemeFirst), "Plank");
    ASSERT_EQ(NameListCount(2, kNameListThemeSecond), 1);
    EXPECT_EQ(NameListEntry(2, 0, kNameListThemeSecond), "Barnacle");
    EXPECT_TRUE(prompter.shown.empty());

    // Names are taken whole: blanks, a lone CR inside a line and no final LF.
    UseOnly(2, Write("u.xth", "Odd\n1\n  spaced\rname  \n1\nlast"));
    LoadThemes(settings, prompter);
    EXPECT_EQ(NameListEntry(2, 0, kNameListThemeFirst), "  spaced\rname  ");
    EXPECT_EQ(NameListEntry(2, 0, kNameListThemeSecond), "last");
}

TEST_F(ThemesTest, ShortAndOddFilesGiveShorterOrEmptyListsWithoutAMessage) {
    struct Case {
        const char* bytes;
        const char* name;
        int first;
        int second;
    };
    const Case cases[] = {
        {"Only a name", "Only a name", 0, 0},
        {"Name\n3\nA\nB\n", "Name", 2, 0},           // count larger than the lines
        {"Name\n2\nA\nB\n", "Name", 2, 0},           // no second count line
        {"Name\nmany\nA\n1\nB\n", "Name", 0, 0},     // "many" counts 0, "A" counts 0
        {"Name\n2x\nA\nB\nzz\n", "Name", 2, 0},      // atoi stops at the x
        {"Name\n-4\n1\nB\n", "Name", 0, 1},          // a negative count lists nothing
        {"Name\n2147483648000\nA\n", "Name", 1, 0},  // no giant allocation
        {"", "", 0, 0},
    };
    for (const Case& c : cases) {
        for (auto& slot : ThemeSlots()) slot = ThemeSlot{};
        UseOnly(5, Write("c.xth", c.bytes));
        LoadThemes(settings, prompter);
        EXPECT_EQ(ThemeName(5), c.name) << c.bytes;
        EXPECT_EQ(NameListCount(5, kNameListThemeFirst), c.first) << c.bytes;
        EXPECT_EQ(NameListCount(5, kNameListThemeSecond), c.second) << c.bytes;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ThemesTest, LongNameAndPathAreCutAndTeamsOutsideTheSlotsHaveNone) {
    const std::string longName(200, 'n');
    UseOnly(0, Write("long.xth", longName + "\n0\n0\n"));
    LoadThemes(settings, prompter);
    EXPECT_EQ(ThemeName(0), std::string(127, 'n'));

    // A path longer than the slot holds is cut, set or stored.
    SetThemePath(1, std::string(300, 'p'));
    EXPECT_EQ(ThemePath(1), std::string(259, 'p'));
    for (auto& slot : ThemeSlots()) slot = ThemeSlot{};
    settings.SetString("Themes", "Team4", std::string(280, 'q'));
    LoadThemes(settings, prompter);
    EXPECT_EQ(ThemePath(4), std::string(259, 'q'));
    // Teams outside the slots have no theme.
    SetThemePath(9, "b.xth");
    SetThemePath(-1, "c.xth");
    EXPECT_EQ(ThemePath(8), "");
    EXPECT_EQ(ThemePath(-1), "");
}

TEST_F(ThemesTest, MissingFileKeepsTheOldNameAndEmptiesTheLists) {
    UseOnly(1, Write("r.xth", "Rebels\n1\nWing\n0\n"));
    LoadThemes(settings, prompter);
    ASSERT_EQ(NameListCount(1, kNameListThemeFirst), 1);
    fs::remove(dir / "r.xth");
    LoadThemes(settings, prompter);
    EXPECT_EQ(ThemeName(1), "Rebels");
    EXPECT_EQ(NameListCount(1, kNameListThemeFirst), 0);
    EXPECT_TRUE(prompter.shown.empty());

    // Saving empties the lists but keeps the names for the team page.
    LoadThemes(settings, prompter);
    SaveThemeSettings(settings);
    EXPECT_EQ(ThemeName(1), "Rebels");
}

TEST_F(ThemesTest, ReadErrorIsReportedWithThePath) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows refuses to open a folder as a file, so it reads as a missing theme";
#endif
    // A folder opens for reading but cannot be read.
    fs::create_directories(dir / "folder.xth");
    const std::string path = (dir / "folder.xth").string();
    UseOnly(6, path);
    LoadThemes(settings, prompter);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Error loading XvT team theme file: " + path);
    EXPECT_EQ(prompter.shown[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(NameListCount(6, kNameListThemeFirst), 0);
}

TEST_F(ThemesTest, TheShippedThemesReadBesideTheProgram) {
    const fs::path shipped = fs::path(VANTOREL_SOURCE_DIR) / "resources" / "themes";
    for (const char* name : {"imperial.xth", "rebel.xth", "default.xth"})
        fs::copy_file(shipped / name, dir / (std::string("vt-") + name));
    settings.SetString("Themes", "Team0", "vt-imperial.xth");
    settings.SetString("Themes", "Team1", "vt-rebel.xth");
    for (int t = 2; t < 8; ++t)
        settings.SetString("Themes", "Team" + std::to_string(t), "vt-default.xth");

    LoadThemes(settings, prompter, dir);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(ThemePath(0), "vt-imperial.xth");  // the setting stays a bare name
    for (int t = 0; t < 8; ++t) {
        EXPECT_FALSE(ThemeName(t).empty()) << t;
        EXPECT_GE(NameListCount(t, kNameListThemeFirst), 8) << t;
        EXPECT_GE(NameListCount(t, kNameListThemeSecond), 8) << t;
        for (int i = 0; i < NameListCount(t, kNameListThemeFirst); ++i) {
            const std::string n = NameListEntry(t, i, kNameListThemeFirst);
            // Names go into a 20-byte field of the flight group.
            EXPECT_TRUE(!n.empty() && n.size() < 20 && n.find('\r') == std::string::npos) << n;
        }
    }
    EXPECT_NE(ThemeName(0), ThemeName(1));
}

// Runs with the current directory set to a folder and puts it back after.
class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& p) : old_(fs::current_path()) { fs::current_path(p); }
    ~CurrentFolder() { fs::current_path(old_); }

private:
    fs::path old_;
};

TEST_F(ThemesTest, ABareNameIsLookedUpHereThenBesideTheProgramThenInTheDataFolder) {
    // Names outside every single-byte code page, so a narrow open anywhere
    // would miss the file.
    const std::string name = "\xCE\xA9mega \xE8\x89\xA6\xE9\x9A\x8A.xth";
    const fs::path here = dir / "here", bin = dir / "bin";
    const std::vector<fs::path> folders = ThemeFolders(bin);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], bin);
    EXPECT_NE(folders[1], bin);
    EXPECT_TRUE(ThemeFolders({}).empty());
    for (const fs::path& p : {here, bin, folders[1]}) fs::create_directories(p);
    auto put = [&](const fs::path& folder, const std::string& title) {
        std::ofstream(folder / PathFromUtf8(name), std::ios::binary) << title << "\n1\nAlpha\n";
    };
    put(folders[1], "Installed");
    put(bin, "Beside");
    put(here, "Here");
    settings.SetString("Themes", "Team4", name);

    CurrentFolder cd(here);
    LoadThemes(settings, prompter, bin);
    EXPECT_EQ(ThemeName(4), "Here");
    fs::remove(here / PathFromUtf8(name));
    LoadThemes(settings, prompter, bin);
    EXPECT_EQ(ThemeName(4), "Beside");
    fs::remove(bin / PathFromUtf8(name));
    LoadThemes(settings, prompter, bin);
    EXPECT_EQ(ThemeName(4), "Installed");
    EXPECT_EQ(NameListEntry(4, 0, kNameListThemeFirst), "Alpha");

    // A full path is taken as it is.
    UseOnly(4, PathToUtf8(folders[1] / PathFromUtf8(name)));
    ThemeSlots()[4].ThemeName.clear();
    LoadThemes(settings, prompter, {});
    EXPECT_EQ(ThemeName(4), "Installed");
    EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
}  // namespace vantorel
