// What every command shares: --version, "--opt=value", "-" and file names outside ASCII.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>

#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "platform/PathText.h"
#include "support/MissionGenerator.h"
#include "support/RunCli.h"

using namespace vantorel;
using namespace vantorel::testing;

TEST(CliCommandLine, VersionAndOptionValuesAfterAnEqualsSign) {
    CliResult version = RunCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("vantorel-cli ") + VANTOREL_VERSION + "\n");

    // The value is split from its option before any command reads it.
    TempFolder dir;
    ASSERT_EQ(RunCli("new combat --players 2 --format xvt -o " + Quoted(dir / "a.tie")).status, 0);
    ASSERT_EQ(RunCli("new combat --players=2 --format=xvt -o=" + Quoted(dir / "b.tie")).status, 0);
    EXPECT_EQ(TempFolder::ReadBytes(dir / "a.tie"), TempFolder::ReadBytes(dir / "b.tie"));

    // An empty value is still a value, and a wrong one.
    EXPECT_EQ(RunCli("new combat --players= -o " + Quoted(dir / "e.tie")).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "e.tie"));
}

TEST(CliCommandLine, DashReadsStandardInputAndWritesStandardOutput) {
    TempFolder dir;
    ASSERT_EQ(RunCli("new melee --teams 4 -o " + Quoted(dir / "m.tie")).status, 0);
    const std::vector<uint8_t> file = TempFolder::ReadBytes(dir / "m.tie");

    // The mission on standard output is the file byte for byte, and nothing else is there.
    CliResult made = RunCli("new melee --teams 4 -o -");
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, std::string(file.begin(), file.end()));

    MissionGenerator gen(11);
    Mission generated = gen.Make();
    const std::vector<uint8_t> random = WriteMission(generated);
    const std::string input(random.begin(), random.end());
    CliResult copied = RunCli("roundtrip - -", input);
    ASSERT_EQ(copied.status, 0) << copied.err;
    EXPECT_EQ(copied.out, input);
    TempFolder::WriteBytes(dir / "r.tie", random);
    CliResult dumped = RunCli("dump -", input);
    EXPECT_NE(dumped.out.find("\"formatVersion\""), std::string::npos);
    EXPECT_EQ(dumped.out, RunCli("dump " + Quoted(dir / "r.tie")).out);

    // With the mission on standard output, the new flight groups are listed on standard error.
    CliResult added =
        RunCli("add - fleet --team 1 --seed 4 -o -", std::string(file.begin(), file.end()));
    ASSERT_EQ(added.status, 0) << added.err;
    Mission m;
    ASSERT_TRUE(ReadMission(std::vector<uint8_t>(added.out.begin(), added.out.end()), m).ok);
    EXPECT_GT(m.CountFlightGroups(), 8);
    EXPECT_EQ(added.err.substr(0, 2), "8 ") << added.err;

    CliResult empty = RunCli("roundtrip - " + Quoted(dir / "x.tie"));
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, "Invalid File Format: Header\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "x.tie"));
}

TEST(CliCommandLine, FileNamesOutsideAsciiOnBothSides) {
    TempFolder dir;
    // Greek, CJK and an accented letter: outside any one ANSI code page.
    const std::filesystem::path in =
        dir.Path() / PathFromUtf8("\xCE\xA9mega \xE8\x89\xA6\xE9\x9A\x8A.tie");
    const std::filesystem::path out = dir.Path() / PathFromUtf8("Caf\xC3\xA9 \xE5\xA3\xB0.tie");
    CliResult made = RunCli("new melee --teams 2 -o " + Quoted(in));
    ASSERT_EQ(made.status, 0) << made.err;
    ASSERT_TRUE(std::filesystem::exists(in));
    CliResult copied = RunCli("roundtrip " + Quoted(in) + " " + Quoted(out));
    ASSERT_EQ(copied.status, 0) << copied.err;
    EXPECT_EQ(TempFolder::ReadBytes(out), TempFolder::ReadBytes(in));

    // A name in a message is the name as given, in UTF-8.
    CliResult missing = RunCli("dump " + Quoted(dir.Path() / PathFromUtf8("\xE5\xA3\xB0.tie")));
    EXPECT_EQ(missing.status, 3);
    EXPECT_NE(missing.err.find("\xE5\xA3\xB0.tie"), std::string::npos) << missing.err;
}

#if defined(VANTOREL_CLI_MAN) && defined(VANTOREL_CLI_COMPLETION)
// The manual page and completion are built from --help; the README's status table by hand.
TEST(CliCommandLine, ManualPageCompletionAndReadmeHoldWhatHelpLists) {
    const CliResult help = RunCli("--help");
    ASSERT_EQ(help.status, 0);
    const std::string man = TempFolder::ReadText(VANTOREL_CLI_MAN);
    const std::string completion = TempFolder::ReadText(VANTOREL_CLI_COMPLETION);
    const std::string readme = TempFolder::ReadText(std::filesystem::path(VANTOREL_SOURCE_DIR) /
                                                    "README.md");
    auto roff = [](std::string s) {
        for (size_t i = 0; (i = s.find('-', i)) != std::string::npos; i += 2) s.insert(i, "\\");
        return s;
    };
    std::istringstream lines(help.out);
    std::string line, section;
    int commands = 0, statuses = 0;
    while (std::getline(lines, line)) {
        if (line == "commands:" || line == "exit status:") {
            section = line;
            continue;
        }
        if (section == "commands:" && line.rfind("  ", 0) == 0 && line[2] != ' ') {
            std::istringstream words(line.substr(2));
            std::string command, word;
            words >> command;
            ++commands;
            EXPECT_NE(man.find(".B \"" + roff(line.substr(2)) + "\""), std::string::npos) << line;
            const size_t block = completion.find("\n    " + command + ")\n");
            ASSERT_NE(block, std::string::npos) << command;
            std::string options =
                completion.substr(block, completion.find('\n', block + command.size() + 8) - block);
            std::replace(options.begin(), options.end(), '"', ' ');
            while (words >> word) {
                std::erase_if(word, [](char c) { return c == '[' || c == ']'; });
                if (word.size() > 1 && word[0] == '-') {
                    EXPECT_NE(options.find(" " + word + " "), std::string::npos)
                        << command << " " << word;
                }
            }
        } else if (section == "exit status:" && line.size() > 4 && line[2] != ' ' &&
                   std::isdigit(static_cast<unsigned char>(line[2]))) {
            ++statuses;
            const std::string code = line.substr(2, 1), meaning = line.substr(5);
            EXPECT_NE(readme.find("| " + code + " | " + meaning + " |"), std::string::npos) << line;
            EXPECT_NE(man.find(".B " + code + "\n" + roff(meaning) + ".\n"), std::string::npos)
                << line;
        }
    }
    // The page tells its version and the kinds of problem check --json names;
    // the completion offers what PAGE, --view, --dialog and --players take.
    EXPECT_NE(man.find(".TH VANTOREL-CLI 1 \"\" \"Vantorel " VANTOREL_VERSION "\""),
              std::string::npos);
    for (const char* kind :
         {"missing\\-flight\\-group", "wave\\-file\\-missing", "invalid\\-value"})
        EXPECT_NE(man.find(std::string(".B ") + kind + "\n"), std::string::npos) << kind;
    for (const char* words :
         {"positionals=(\"@mission\" \"level.flightgroups level.teams", " fg.ship fg.equipment ",
          "--view) value=\"normal waypoints briefing primary prevent secondary\"",
          "--dialog) value=\"optional-craft hidden-cargo condition ",
          "--players) value=\"1 2 4 8\""})
        EXPECT_NE(completion.find(words), std::string::npos) << words;
    // render needs Qt; the build without the editor has the other nine.
    EXPECT_GE(commands, help.out.find("\n  render ") == std::string::npos ? 9 : 10);
    EXPECT_EQ(statuses, 6);
}
#endif
