#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "document/Mission.h"
#include "document/MissionWriter.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef VANTOREL_CLI_HAS_RENDER
        GTEST_SKIP() << "vantorel-cli was built without Qt, so it has no render command";
#endif
        dir = fs::temp_directory_path() /
              ("vantorel-render-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::create_directories(dir);
        Mission m;
        m.Header.SetFormatVersion(12);
        for (int i = 0; i < 3; ++i) {
            FlightGroup& fg = m.AppendFlightGroup();
            fg.File.SetCraftType(uint8_t(1 + i));
            fg.File.SetName("Blue");
            fg.File.SetNumberOfCraft(1);
            fg.File.SetWaypointEnabled(0, 1);
            fg.File.SetWaypointX(0, int16_t(i * 800));
        }
        m.Header.SetFlightGroupCount(3);
        const auto bytes = WriteMission(m);
        mission = (dir / "three.tie").string();
        std::ofstream(mission, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    void TearDown() override {
        if (!dir.empty()) fs::remove_all(dir);
    }

    int Render(const std::string& args) {
        const std::string command = std::string("\"") + VANTOREL_CLI + "\" render " + args +
                                    " 2>\"" + (dir / "stderr.txt").string() + "\"";
        const int status = std::system(command.c_str());
#ifdef _WIN32
        return status;
#else
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    }

    // Width and height from a PNG's header, or 0 x 0 when it is not one.
    static std::pair<unsigned, unsigned> PngSize(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::vector<unsigned char> head(24);
        if (!in.read(reinterpret_cast<char*>(head.data()), 24)) return {0, 0};
        if (head[1] != 'P' || head[2] != 'N' || head[3] != 'G') return {0, 0};
        auto be = [&](int at) {
            return unsigned(head[at]) << 24 | unsigned(head[at + 1]) << 16 |
                   unsigned(head[at + 2]) << 8 | unsigned(head[at + 3]);
        };
        return {be(16), be(20)};
    }

    fs::path dir;
    std::string mission;
};

TEST_F(RenderCommand, WritesPicturesOfTheAskedSizeForEveryView) {
    const fs::path out = dir / "map.png";
    ASSERT_EQ(Render(mission + " -o " + out.string()), 0);
    EXPECT_EQ(PngSize(out), (std::pair<unsigned, unsigned>{1280, 800}));

    for (const char* view : {"top", "front", "side", "3d"}) {
        const fs::path p = dir / (std::string(view) + ".png");
        EXPECT_EQ(Render(mission + " --view " + view + " --size 320x200 --waypoints --zoom 20 -o " +
                         p.string()),
                  0)
            << view;
        EXPECT_EQ(PngSize(p), (std::pair<unsigned, unsigned>{320, 200})) << view;
    }
    const fs::path sel = dir / "sel.png";
    EXPECT_EQ(Render(mission + " --select 0,2 --centre-selection -o " + sel.string()), 0);
    EXPECT_GT(fs::file_size(sel), 0u);
}

TEST_F(RenderCommand, RefusesBadArgumentsAndReportsFiles) {
    const std::string out = " -o " + (dir / "x.png").string();
    EXPECT_EQ(Render(mission), 1);  // no -o
    EXPECT_EQ(Render(mission + out + " --view diagonal"), 1);
    EXPECT_EQ(Render(mission + out + " --size 100"), 1);
    EXPECT_EQ(Render(mission + out + " --size 0x100"), 1);
    EXPECT_EQ(Render(mission + out + " --zoom 1"), 1);
    EXPECT_EQ(Render(mission + out + " --select 3"), 1);  // only 0..2 exist
    EXPECT_EQ(Render(mission + out + " --select 1,,2"), 1);
    EXPECT_EQ(Render(mission + out + " --frobnicate"), 1);
    EXPECT_FALSE(fs::exists(dir / "x.png"));
    EXPECT_EQ(Render((dir / "missing.tie").string() + out), 3);
    EXPECT_EQ(Render(mission + " -o " + (dir / "no" / "such" / "folder.png").string()), 3);

    std::ofstream(dir / "junk.tie") << "not a mission";
    EXPECT_EQ(Render((dir / "junk.tie").string() + out), 2);
}

}  // namespace
}  // namespace vantorel
