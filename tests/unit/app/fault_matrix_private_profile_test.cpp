// The private-profile calls failing: reads of the skin's colours and of the
// settings file give their defaults, as an unreadable file does; a write
// that fails ends the save with "Unable to write to <file>", leaving the keys
// written before it, the older values of the rest and the other sections.
#include <fstream>

#include "fault_matrix_fixture.h"

namespace haltwise::testing {
namespace {

class PrivateProfileFaults : public FaultMatrixFixture {
 protected:
  void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::filesystem::path Settings() const { return folder / "Haltwise.ini"; }
};

TEST_F(PrivateProfileFaults, ReadsThatFailGiveTheDefaults) {
  struct Cell {
    const char* key;  // "section|key"
    std::function<void(TfrmShutdown&)> check;
  };
  const Cell cells[] = {
      {"Colors|Title", [](TfrmShutdown& f) { EXPECT_EQ(f.btnTitle.FontColor(), 0xFFFFFFu); }},
      {"Colors|DigitPixelOn",
       [](TfrmShutdown& f) { EXPECT_EQ(f.skinColors.DigitPixelOn, 0x009900u); }},
      // No object: loading ends before the limits.
      {"Custom|PerformanceObject",
       [](TfrmShutdown& f) {
         EXPECT_EQ(f.cbPerfObjs.ItemIndex(), -1);
         EXPECT_EQ(f.edtCustomUsageHigh.Value(), 10);
       }},
      // A missing low limit reads as 0, which the edit makes 1.
      {"Custom|ValueMin",
       [](TfrmShutdown& f) {
         EXPECT_EQ(f.edtCustomUsageLow.Value(), 1);
         EXPECT_EQ(f.edtCustomUsageHigh.Value(), 70);
       }},
      {"Custom|Minutes", [](TfrmShutdown& f) { EXPECT_EQ(f.edtCustomMin.Value(), 3); }},
  };
  for (const Cell& cell : cells) {
    SCOPED_TRACE(cell.key);
    NewCell();
    WriteFile(folder / "Skin" / "Colors.ini",
              "[Colors]\nTitle=$00FF0000\nDigitPixelOn=$000000FF\n");
    StartHandled("");
    const int processor = IndexOf(form->cbPerfObjs, "Processor");
    WriteFile(Settings(), "[Custom]\nPerformanceObject=" + std::to_string(processor) +
                              "\nPerformanceCounter=0\nPerformanceInstance=0\nValueMin=7\n"
                              "ValueMax=70\nMinutes=12\n");
    profile.FailCall("GetPrivateProfileString", win::kErrorAccessDenied, -1,
                     std::string(cell.key) + "|");

    StartAndRunTwoWatches();

    cell.check(*form);
    EXPECT_EQ(Boxes(), std::vector<std::string>{kFollowUpMessage});
  }
}

TEST_F(PrivateProfileFaults, AWriteThatFailsEndsTheSave) {
  const char* keys[] = {"PerformanceObject", "PerformanceCounter", "PerformanceInstance",
                        "ValueMin",          "ValueMax",           "Minutes"};
  const std::string before =
      "[Other]\r\nKeep=me\r\n[Custom]\r\nPerformanceObject=-1\r\nPerformanceCounter=-1\r\n"
      "PerformanceInstance=-1\r\nValueMin=1\r\nValueMax=2\r\nMinutes=9\r\n";
  for (std::size_t failing = 0; failing < std::size(keys); ++failing) {
    SCOPED_TRACE(keys[failing]);
    NewCell();
    WriteFile(Settings(), before);
    StartHandled(kArguments);
    ChooseCustom("Processor", "% Processor Time", "_Total");
    profile.FailCall("WritePrivateProfileString", win::kErrorAccessDenied, -1,
                     std::string("Custom|") + keys[failing] + "=");

    Handle([&] { form->FormClose(); });

    EXPECT_EQ(Boxes(),
              std::vector<std::string>{"default: Unable to write to " + Settings().string()});
    const std::string saved[] = {std::to_string(form->cbPerfObjs.ItemIndex()),
                                 std::to_string(form->cbPerfCounters.ItemIndex()),
                                 std::to_string(form->cbInstances.ItemIndex()),
                                 "5",
                                 "10",
                                 "3"};
    const std::string old[] = {"-1", "-1", "-1", "1", "2", "9"};
    std::string expected = "[Other]\r\nKeep=me\r\n[Custom]\r\n";
    for (std::size_t k = 0; k < std::size(keys); ++k) {
      expected += std::string(keys[k]) + "=" + (k < failing ? saved[k] : old[k]) + "\r\n";
    }
    EXPECT_EQ(ReadFile(Settings()), expected);
    RunFollowUpWatch();
    EXPECT_EQ(Boxes().back(), kFollowUpMessage);
  }
}

}  // namespace
}  // namespace haltwise::testing
