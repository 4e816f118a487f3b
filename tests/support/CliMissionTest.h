#pragma once

// What a test of vantorel-cli page stands on: a two-team melee made by
// `new` in a folder of its own, and the missions the commands write there
// read back.
#include <gtest/gtest.h>

#include <string>

#include "document/MissionReader.h"
#include "support/RunCli.h"

namespace vantorel::testing {

class CliMissionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCli("new melee --teams 2 -o " + File()).status, 0);
    }
    // The melee's file name, quoted for the command line.
    std::string File() { return Quoted(dir / "m.tie"); }
    Mission ReadBack(const std::string& name) {
        Mission m;
        EXPECT_TRUE(ReadMission(TempFolder::ReadBytes(dir / name), m).ok);
        return m;
    }
    TempFolder dir;
};

}  // namespace vantorel::testing
