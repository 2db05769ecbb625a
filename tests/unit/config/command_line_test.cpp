#include "config/command_line.h"

#include <gtest/gtest.h>

#include <optional>

#include "config/command_line_values.h"
#include "platform/fake/fake_shell.h"

namespace haltwise {
namespace {

constexpr char kExe[] = "\"C:\\Program Files\\Haltwise\\Haltwise.exe\"";

CommandLine Parse(const std::string& parameters, std::vector<std::string> arguments = {}) {
  return CommandLine(std::string(kExe) + " " + parameters, std::move(arguments));
}

TEST(CommandLine, ParameterValuesAreFoundAsThePlatformFindsThem) {
  struct Case {
    const char* parameters;
    const char* name;
    bool present;
    const char* value;
  };
  const Case cases[] = {
      {"MODE=COUNTDOWN MINUTES=30", "MODE", true, "COUNTDOWN"},
      {"MODE=COUNTDOWN MINUTES=30", "MINUTES", true, "30"},
      {"mode=countdown minutes=30", "MODE", true, "countdown"},  // value as typed
      {"MODE COUNTDOWN", "MODE", true, "COUNTDOWN"},             // any one character skipped
      {"MODE= CPU=5", "MODE", true, ""},                         // cut at the blank
      {"ACTION=Standby", "ACTION", true, "Standby"},
      {"CPU=12abc", "CPU", true, "12abc"},
      {"MINUTES=10 HOURS=2", "HOURS", true, "2"},
      {"MODE=COUNTDOWN", "HOURS", false, ""},
      {"X MODE", "MODE", true, ""},  // nothing after the name
      {"X MODE=", "MODE", true, ""},
      {"DATE=20250101 TIME=120000", "TIME", true, "120000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.parameters) + " / " + c.name);
    const CommandLine line = Parse(c.parameters);
    EXPECT_EQ(line.CmdLineHasParam(c.name), c.present);
    EXPECT_EQ(line.CmdLineParamValue(c.name), c.value);
  }
}

// A folder whose name holds a parameter's name is not read as the
// parameter: only what follows the program's path is.
TEST(CommandLine, TheProgramsPathIsNotSearched) {
  struct Case {
    const char* text;
    bool modeGiven;
    const char* mode;
  };
  const Case cases[] = {
      {"C:\\Modem\\Haltwise.exe", false, ""},
      {"C:\\Modem\\Haltwise.exe MODE=COUNTDOWN", true, "COUNTDOWN"},
      {"\"C:\\Modern Tools\\Haltwise.exe\"", false, ""},
      {"\"C:\\Modern Tools\\Haltwise.exe\" MODE=IDLETIME", true, "IDLETIME"},
      {"\"C:\\Modern Tools\\Haltwise.exe\"MODE=IDLETIME", true, "IDLETIME"},
      {"C:\\Modem\\Haltwise.exe\tMODE=IDLETIME", true, "IDLETIME"},
      {"Haltwise.exe", false, ""},
      {"", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const CommandLine line(c.text, {});
    EXPECT_EQ(line.CmdLineHasParam("MODE"), c.modeGiven);
    EXPECT_EQ(line.CmdLineParamValue("MODE"), c.mode);
  }
  EXPECT_FALSE(
      CommandLine("C:\\Updates\\Haltwise.exe /testonly", {"/testonly"}).CmdLineHasParam("DATE"));
}

TEST(CommandLine, SwitchesAreArgumentsAfterASlashOrDash) {
  struct Case {
    std::vector<std::string> arguments;
    const char* name;
    bool present;
  };
  const Case cases[] = {
      {{"/?"}, "?", true},
      {{"MODE=IDLETIME", "-?"}, "?", true},
      {{"/TESTONLY"}, "testonly", true},
      {{"-TestOnly"}, "testonly", true},
      {{"testonly"}, "testonly", false},
      {{"//testonly"}, "testonly", false},
      {{"/testonly2"}, "testonly", false},
      {{"", "/"}, "?", false},
      {{}, "?", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLine("C:\\Haltwise\\Haltwise.exe", c.arguments).HasSwitch(c.name), c.present)
        << (c.arguments.empty() ? "" : c.arguments.back());
  }
  // Only the arguments count, not the program's path.
  EXPECT_FALSE(CommandLine("C:\\-testonly\\Haltwise.exe", {}).HasSwitch("testonly"));
}

TEST(CommandLineValues, DatesAreYearMonthDayPieces) {
  const std::pair<const char*, std::optional<DateTime>> cases[] = {
      {"20250101", EncodeDate(2025, 1, 1)},
      {"2025011", EncodeDate(2025, 1, 1)},      // short day piece
      {"20250101999", EncodeDate(2025, 1, 1)},  // rest ignored
      {"20240229", EncodeDate(2024, 2, 29)},
      {"20250230", std::nullopt},  // no 30 February
      {"20251301", std::nullopt},
      {"2025AB01", std::nullopt},
      {"202501", std::nullopt},  // no day
      {"", std::nullopt},
      {"00000101", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseCommandLineDate(text), expected) << text;
  }
}

TEST(CommandLineValues, TimesAreHourMinuteSecondPieces) {
  const std::pair<const char*, std::optional<DateTime>> cases[] = {
      {"120000", EncodeTime(12, 0, 0, 0)},
      {"235959", EncodeTime(23, 59, 59, 0)},
      {"07053099", EncodeTime(7, 5, 30, 0)},  // rest ignored
      {"000000", EncodeTime(0, 0, 0, 0)},
      {"1200", std::nullopt},  // no seconds
      {"240000", std::nullopt},
      {"126000", std::nullopt},
      {"12a000", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseCommandLineTime(text), expected) << text;
  }
}

TEST(CommandLineValues, SnoozeIsZeroTo999WholeMinutes) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"10", 10},
      {"1", 1},
      {"999", 999},
      {"0", 0},
      {"+5", 5},
      {"1000", std::nullopt},
      {"-1", std::nullopt},
      {"5m", std::nullopt},
      {"", std::nullopt},
      {"$A", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseSnoozeMinutes(text), expected) << text;
  }
}

TEST(CommandLineValues, YesAndNoInAnyCase) {
  const std::pair<const char*, std::optional<bool>> cases[] = {
      {"YES", true},      {"yes", true},       {"No", false},         {"NO", false},
      {"", std::nullopt}, {"N", std::nullopt}, {"OFF", std::nullopt}, {"YES!", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseYesNo(text), expected) << text;
  }
}

TEST(ShellOpen, PassesTheRequestToTheShell) {
  fake::FakeShell shell;
  EXPECT_GT(ShellOpen(shell, "Help\\CmdLine.html", "", "", 1), 32);
  ASSERT_EQ(shell.Calls().size(), 1u);
  EXPECT_EQ(shell.Calls()[0].arguments, "Help\\CmdLine.html|||1");
}

}  // namespace
}  // namespace haltwise
