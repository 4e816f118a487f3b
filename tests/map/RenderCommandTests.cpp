#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/MissionWriter.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"

namespace vantorel {
namespace {

using testing::CliResult;
using testing::Quoted;
using testing::RunCli;
using testing::TempFolder;

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef VANTOREL_CLI_HAS_RENDER
        GTEST_SKIP() << "vantorel-cli was built without Qt, so it has no render command";
#endif
        Mission m = testing::MakeEmptyMission(12, 3);
        for (int i = 0; i < 3; ++i) {
            FlightGroupRecord& r = m.FlightGroups[size_t(i)]->File;
            r.SetCraftType(uint8_t(1 + i));
            r.SetWaypointEnabled(0, 1);
            r.SetWaypointX(0, int16_t(i * 800));
        }
        TempFolder::WriteBytes(dir / "three.tie", WriteMission(m));
        mission = Quoted(dir / "three.tie");
    }
    int Render(const std::string& args) {
        return RunCli("render " + args).status;
    }

    // Width and height from a PNG's header, or 0 x 0 when it is not one.
    static std::pair<unsigned, unsigned> PngSize(const std::filesystem::path& p) {
        const std::vector<uint8_t> head = TempFolder::ReadBytes(p);
        if (head.size() < 24 || head[1] != 'P' || head[2] != 'N' || head[3] != 'G') return {0, 0};
        auto be = [&](int at) {
            return unsigned(head[at]) << 24 | unsigned(head[at + 1]) << 16 |
                   unsigned(head[at + 2]) << 8 | unsigned(head[at + 3]);
        };
        return {be(16), be(20)};
    }

    TempFolder dir;
    std::string mission;
};

TEST_F(RenderCommand, WritesPicturesOfTheAskedSizeForEveryView) {
    ASSERT_EQ(Render(mission + " -o " + Quoted(dir / "map.png")), 0);
    EXPECT_EQ(PngSize(dir / "map.png"), (std::pair<unsigned, unsigned>{1280, 800}));

    for (const std::string view : {"top", "front", "side", "3d"}) {
        const auto p = dir / (view + ".png");
        EXPECT_EQ(Render(mission + " --view " + view + " --size 320x200 --waypoints --zoom 20 -o " +
                         Quoted(p)),
                  0)
            << view;
        EXPECT_EQ(PngSize(p), (std::pair<unsigned, unsigned>{320, 200})) << view;
    }
    EXPECT_EQ(Render(mission + " --select 0,2 --centre-selection -o " + Quoted(dir / "s.png")), 0);
    EXPECT_EQ(PngSize(dir / "s.png"), (std::pair<unsigned, unsigned>{1280, 800}));

    // From standard input to standard output, the same picture.
    const std::vector<uint8_t> bytes = TempFolder::ReadBytes(dir / "three.tie");
    CliResult piped =
        RunCli("render - --size=320x200 -o -", std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(piped.status, 0) << piped.err;
    ASSERT_EQ(Render(mission + " --size 320x200 -o " + Quoted(dir / "file.png")), 0);
    EXPECT_EQ(std::vector<uint8_t>(piped.out.begin(), piped.out.end()),
              TempFolder::ReadBytes(dir / "file.png"));
}

TEST_F(RenderCommand, DrawsOffscreenWhateverPlatformTheEnvironmentNames) {
#ifndef __unix__
    GTEST_SKIP() << "the platforms that need a display are those of X11 and Wayland";
#else
    // Qt aborts when a platform that needs a display has none.
    const std::string cli = Quoted(std::string(VANTOREL_CLI));
    for (const char* platform : {"xcb", "wayland"}) {
        EXPECT_EQ(testing::RunShell("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=" +
                                    std::string(platform) + " " + cli + " render " + mission +
                                    " --size 64x48 -o " + Quoted(dir / "x.png") + " 2>/dev/null"),
                  0)
            << platform;
        EXPECT_EQ(PngSize(dir / "x.png"), (std::pair<unsigned, unsigned>{64, 48})) << platform;
    }
#endif
}

TEST_F(RenderCommand, RefusesBadArgumentsAndReportsFiles) {
    const std::string out = " -o " + Quoted(dir / "x.png");
    EXPECT_EQ(Render(mission), 1);  // no -o
    for (const char* bad : {" --view diagonal", " --size 100", " --size 0x100", " --zoom 1",
                            " --select 3", " --select 1,,2", " --frobnicate"})
        EXPECT_EQ(Render(mission + out + bad), 1) << bad;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
    EXPECT_EQ(Render(Quoted(dir / "missing.tie") + out), 3);
    EXPECT_EQ(Render(mission + " -o " + Quoted(dir / "no" / "such" / "folder.png")), 3);
    TempFolder::WriteBytes(dir / "junk.tie", {'n', 'o'});
    EXPECT_EQ(Render(Quoted(dir / "junk.tie") + out), 2);
}

TEST_F(RenderCommand, NeverWritesOverTheMission) {
    const std::vector<uint8_t> before = TempFolder::ReadBytes(dir / "three.tie");
    std::vector<std::string> outputs = {"three.tie"};
    std::error_code ec;  // Windows lets only administrators make links
    std::filesystem::create_symlink(dir / "three.tie", dir / "link.tie", ec);
    if (!ec) outputs.push_back("link.tie");
    for (const std::string& output : outputs) {
        CliResult r = RunCli("render " + mission + " -o " + Quoted(dir / output));
        EXPECT_EQ(r.status, 1) << output;
        EXPECT_NE(r.err.find("is the mission file itself"), std::string::npos) << r.err;
    }
    EXPECT_EQ(TempFolder::ReadBytes(dir / "three.tie"), before);
}

TEST_F(RenderCommand, AFailedRenderKeepsThePreviousPicture) {
#ifndef __unix__
    GTEST_SKIP() << "the write is stopped by the shell's file size limit, which Windows lacks";
#else
    // The file size limit stops the write part way: the old picture stays, no piece is left.
    TempFolder::WriteBytes(dir / "map.png", {'o', 'l', 'd'});
    const std::string limited = "trap '' XFSZ; ulimit -f 2; exec '" + std::string(VANTOREL_CLI) +
                                "' render " + mission + " --size 2000x2000 --waypoints -o " +
                                Quoted(dir / "map.png");
    EXPECT_EQ(testing::RunShell("sh -c \"" + limited + "\" 2>/dev/null"), 3);
    EXPECT_EQ(TempFolder::ReadText(dir / "map.png"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
#endif
}

}  // namespace
}  // namespace vantorel
