// The load modes and the Custom page on machines as Windows reports them:
// localized titles, adapters and disks that come and go, forty "svchost".
#include <algorithm>
#include <functional>

#include "perf/testing/standard_titles.h"
#include "perf_machine.h"

namespace haltwise::testing {
namespace {

using RealisticMachine = MachineFixture;
using perftest::MachineOptions;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

TEST_F(RealisticMachine, LocalizedWindowsStartWithEveryGraphRunning) {
  struct Case {
    const char* language;
    std::uint16_t uiLanguage;
    const char* processor;
    const char* processorTime;
    const char* disk;
  };
  const Case cases[] = {
      {"007", 0x0407, "Prozessor", "Prozessorzeit (%)", "Physikalischer Datentr\u00e4ger/_Total"},
      {"004", 0x0804, "\u5904\u7406\u5668", "% \u5904\u7406\u5668\u65f6\u95f4",
       "\u7269\u7406\u78c1\u76d8/_Total"},
  };
  for (const Case& c : cases) {
    MachineOptions options;
    UseMachine(options, c.language);
    systemInfo.uiLanguage = c.uiLanguage;
    StartWindow("");
    ChooseCustom(c.processor, c.processorTime, "_Total");
    AdvanceSeconds(3);
    EXPECT_TRUE(notifier.shown.empty()) << c.language << ": " << notifier.shown.front();
    EXPECT_EQ(EventsOfType(win::kEventLogErrorType), 0) << c.language;
    EXPECT_EQ(form->lgDisk.Hint(), c.disk) << c.language;
    EXPECT_EQ(form->lgCustom.Hint(), std::string(c.processor) + "/_Total") << c.language;
    EXPECT_EQ(form->cbNetIface.Text(), perftest::kEthernetAdapter) << c.language;
    EXPECT_TRUE(StartsWith(form->lgNet.Hint(), c.language == std::string("007")
                                                   ? "Netzwerkschnittstelle/"
                                                   : "\u7f51\u7edc\u63a5\u53e3/"));
    EXPECT_TRUE(form->tmrCpu.Enabled() && form->tmrDiskRt.Enabled()) << c.language;
  }
  // An English display on the same German machine lists English titles.
  UseMachine(MachineOptions{}, "007");
  systemInfo.uiLanguage = 0x0409;
  StartWindow("");
  EXPECT_NE(IndexOf(form->cbPerfObjs, "Processor"), -1);
  AdvanceSeconds(2);
  EXPECT_EQ(form->lgDisk.Hint(), "PhysicalDisk/_Total");
}

TEST_F(RealisticMachine, NetworkFollowsItsAdapterByNameAndWaitsWhileItIsMissing) {
  MachineOptions options;
  options.scenario = perftest::Scenario::Quiet;
  options.quietAfter = 0;
  options.vpnFrom = 10;
  options.wifiGoneFrom = 20;
  options.wifiBackAt = 40;
  UseMachine(options);
  StartWindow("ACTION=LOGOFF /testonly");
  form->cbNetIface.UserSelect(IndexOf(form->cbNetIface, perftest::kWifiAdapter));
  form->edtNetMin.SetValue(1);
  form->btnNetTr.UserClick();
  form->btnStart.UserClick();

  AdvanceSeconds(15);  // a VPN came: listed, the choice kept
  EXPECT_NE(IndexOf(form->cbNetIface, perftest::kVpnAdapter), -1);
  EXPECT_EQ(form->cbNetIface.Text(), perftest::kWifiAdapter);

  AdvanceSeconds(10);  // the Wi-Fi is gone
  EXPECT_EQ(form->cbNetIface.Text(), perftest::kWifiAdapter);
  EXPECT_EQ(form->lgNet.AfterString(), "missing");
  EXPECT_NE(form->lblStatusBar.Caption().find("is missing"), std::string::npos)
      << form->lblStatusBar.Caption();
  AdvanceSeconds(14);
  const auto texts = EventTexts();
  EXPECT_EQ(
      std::count_if(texts.begin(), texts.end(),
                    [](const std::string& t) { return t.find("is missing") != std::string::npos; }),
      1);
  EXPECT_EQ(EventsOfType(win::kEventLogWarningType), 1);

  // Back at 40: the quiet minute counts from there, not from the start.
  AdvanceSeconds(55);
  EXPECT_EQ(confirmation.shown, 0);
  EXPECT_EQ(form->lgNet.AfterString(), "/sec");
  EXPECT_TRUE(StartsWith(form->lblStatusBar.Caption(), "Network usage under"));
  AdvanceSeconds(10);
  EXPECT_EQ(confirmation.shown, 1);
  EXPECT_EQ(EventsOfType(win::kEventLogErrorType), 0);
}

TEST_F(RealisticMachine, DiskReadsTotalWhenAUsbDiskIsListedAfterIt) {
  MachineOptions options;
  options.usbDiskFrom = 3;
  UseMachine(options);
  StartWindow("");
  AdvanceSeconds(6);
  EXPECT_EQ(form->lgDisk.Hint(), "PhysicalDisk/_Total");
}

TEST_F(RealisticMachine, FortySvchostEntriesAndTheChosenOneIsKept) {
  MachineOptions options;
  options.svchostEndsAt = 8;
  UseMachine(options);
  StartWindow("");
  form->cbPerfObjs.UserSelect(IndexOf(form->cbPerfObjs, "Process"));
  form->cbPerfCounters.UserSelect(IndexOf(form->cbPerfCounters, "ID Process"));
  const auto& items = form->cbInstances.Items();
  EXPECT_EQ(std::count_if(items.begin(), items.end(),
                          [](const std::string& i) { return StartsWith(i, "svchost ("); }),
            40);
  EXPECT_EQ(EventsOfType(win::kEventLogWarningType), 0) << "no Warning per shared name";
  // The second "svchost": a "chrome" follows it, so a position that slips
  // when the first one ends would read the "chrome".
  int second = -1;
  for (int i = 0, seen = 0; i < form->cbInstances.Count(); ++i) {
    if (StartsWith(items[static_cast<std::size_t>(i)], "svchost (") && ++seen == 2) second = i;
  }
  const std::string chosen = items[static_cast<std::size_t>(second)];
  const std::string pid = chosen.substr(9, chosen.size() - 10);
  form->cbInstances.UserSelect(second);
  AdvanceSeconds(12);  // the first svchost ended at the eighth second
  EXPECT_EQ(form->cbInstances.Text(), chosen);
  EXPECT_EQ(form->lgCustom.Hint(), "Process/svchost");
  EXPECT_EQ(std::to_string(form->lgCustom.Value(29)), pid) << "the ID Process of the chosen one";
  EXPECT_EQ(EventsOfType(win::kEventLogErrorType), 0);
}

TEST_F(RealisticMachine, ACounterBeyond2To31KeepsTheGraphInProportion) {
  UseMachine(MachineOptions{});
  StartWindow("");
  ChooseCustom("Process", "Virtual Bytes", "explorer");
  AdvanceSeconds(3);
  const std::int64_t value = form->lgCustom.Value(29);
  EXPECT_GT(value, std::int64_t{1} << 32);
  EXPECT_EQ(form->lgCustom.ValueMax(), value + 1);
  EXPECT_EQ(form->lgCustom.AfterString(), "");
}

TEST_F(RealisticMachine, AnIniOfTodaysProgramRestoresItsChoiceAndNamesComeFirst) {
  UseMachine(MachineOptions{});
  StartWindow("");
  const int object = IndexOf(form->cbPerfObjs, "Processor");
  ChooseCustom("Processor", "% Processor Time", "_Total");
  const int counter = form->cbPerfCounters.ItemIndex();
  const int instance = form->cbInstances.ItemIndex();
  form.reset();

  // Positions only, as the program writes them today.
  const std::string ini = (folder / "Haltwise.ini").string();
  profile.WriteString("Custom", "PerformanceObject", std::to_string(object), ini);
  profile.WriteString("Custom", "PerformanceCounter", std::to_string(counter), ini);
  profile.WriteString("Custom", "PerformanceInstance", std::to_string(instance), ini);
  StartWindow("");
  EXPECT_EQ(form->cbPerfObjs.Text(), "Processor");
  EXPECT_EQ(form->cbPerfCounters.Text(), "% Processor Time");
  EXPECT_EQ(form->cbInstances.Text(), "_Total");
  form->SaveSettings();
  EXPECT_EQ(profile.GetString("Custom", "PerformanceInstanceName", "", ini), "_Total");
  form.reset();

  // Names win over positions that point elsewhere.
  profile.WriteString("Custom", "PerformanceObject", "0", ini);
  profile.WriteString("Custom", "PerformanceCounter", "0", ini);
  profile.WriteString("Custom", "PerformanceInstance", "0", ini);
  StartWindow("");
  EXPECT_EQ(form->cbPerfObjs.Text(), "Processor");
  EXPECT_EQ(form->cbPerfCounters.Text(), "% Processor Time");
  EXPECT_EQ(form->cbInstances.Text(), "_Total");
}

// Once a second the window asks Windows for the watched objects alone, in
// one query for the processor meter and the monitors; "Global" only while
// the Custom page chooses among every object.
TEST_F(RealisticMachine, OneCheapQueryASecondAndGlobalOnlyWhileChoosing) {
  UseMachine(MachineOptions{});
  StartWindow("");
  ChooseCustom("Process", "% Processor Time", "explorer");
  auto queriesDuring = [&](const std::function<void()>& action) {
    const std::size_t before = PerfQueries().size();
    action();
    return std::vector<std::string>(PerfQueries().begin() + static_cast<std::ptrdiff_t>(before),
                                    PerfQueries().end());
  };
  EXPECT_EQ(queriesDuring([&] { AdvanceSeconds(5); }),
            std::vector<std::string>(5, "230 234 510 238"));
  EXPECT_EQ(form->lgCustom.Hint(), "Process/explorer");
  EXPECT_GT(form->lgCPU.Value(29), 0);

  // Choosing another object needs every object, at once.
  EXPECT_EQ(
      queriesDuring([&] { form->cbPerfObjs.UserSelect(IndexOf(form->cbPerfObjs, "Memory")); }),
      std::vector<std::string>{"Global"});
  EXPECT_EQ(queriesDuring([&] { AdvanceSeconds(1); }), std::vector<std::string>{"230 234 510 238"});
  EXPECT_EQ(EventsOfType(win::kEventLogErrorType), 0);
}

}  // namespace
}  // namespace haltwise::testing
