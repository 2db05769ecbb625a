// Start-up, first activation, closing with the settings file, hiding to the
// notification area, the about box, help, and the skin folder.
#include <fstream>

#include "gfx/bmp.h"
#include "perf_machine.h"

namespace haltwise::testing {
namespace {

class Lifecycle : public MachineFixture {
 protected:
  Lifecycle() { UseMachine(perftest::Scenario::Steady); }

  std::string Ini() const {
    std::ifstream in(folder / "Haltwise.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
};

TEST_F(Lifecycle, StartsOnTheSplashPageWithNothingArmed) {
  form->FormCreate();
  EXPECT_EQ(form->pcConfig.ActivePageName(), "tsSplash");
  EXPECT_FALSE(form->pcConfig.TabsVisible());
  EXPECT_EQ(form->lblStatusBar.Caption(), "No shutdown in progress.");
  EXPECT_EQ(form->LCD.Text(), "00:00:00:00\r\n");
  EXPECT_EQ(form->lblVer.Caption(), "v2.0");
  EXPECT_EQ(form->miVer.Caption(), "Haltwise v2.0");
  EXPECT_EQ(form->DateSched.Value(), clock.Now() + 1);
  EXPECT_TRUE(form->tmrCpu.Enabled());
  EXPECT_FALSE(form->tmrDiskRt.Enabled());
  EXPECT_FALSE(form->tmrCheck.Enabled());
}

TEST_F(Lifecycle, FirstRunWritesDefaultsAndLimitsNeedAChosenObject) {
  StartWindow("");
  form->edtCustomUsageLow.SetValue(20);
  form->FormClose();
  EXPECT_EQ(
      Ini(),
      "[Custom]\r\nPerformanceObject=-1\r\nPerformanceCounter=-1\r\nPerformanceInstance=-1\r\n"
      "ValueMin=20\r\nValueMax=10\r\nMinutes=3\r\nPerformanceObjectName=\r\n"
      "PerformanceCounterName=\r\nPerformanceInstanceName=\r\n");
  StartWindow("");
  EXPECT_EQ(form->edtCustomUsageLow.Value(), 5);  // not read back without an object
}

TEST_F(Lifecycle, TheCustomChoiceSurvivesARestartAndOtherSectionsStay) {
  WriteFile(folder / "Haltwise.ini", "[Other]\nKeep=me\n");
  StartWindow("");
  ChooseCustom("Processor", "% Processor Time", "_Total");
  form->edtCustomUsageLow.SetValue(7);
  form->edtCustomUsageHigh.SetValue(70);
  form->edtCustomMin.SetValue(12);
  const int object = form->cbPerfObjs.ItemIndex();
  const int instance = form->cbInstances.ItemIndex();
  form->FormClose();

  StartWindow("");
  EXPECT_EQ(form->cbPerfObjs.ItemIndex(), object);
  EXPECT_EQ(form->cbPerfCounters.Text(), "% Processor Time");
  EXPECT_EQ(form->cbInstances.ItemIndex(), instance);
  EXPECT_EQ(form->edtCustomUsageLow.Value(), 7);
  EXPECT_EQ(form->edtCustomUsageHigh.Value(), 70);
  EXPECT_EQ(form->edtCustomMin.Value(), 12);
  EXPECT_EQ(Ini().rfind("[Other]\r\nKeep=me\r\n", 0), 0u);
}

// Closing writes no defaults over a stored choice that loading did not
// read; a choice made in the session is written whole.
TEST_F(Lifecycle, AStoredChoiceStaysWhenLoadingNeverRanOrStoppedEarly) {
  const std::string stored =
      "[Custom]\r\nPerformanceObject=999\r\nPerformanceCounter=4\r\nPerformanceInstance=2\r\n"
      "ValueMin=40\r\nValueMax=60\r\nMinutes=12\r\n";
  struct Case {
    const char* name;
    std::function<void()> session;
    bool keeps;
  };
  const Case cases[] = {
      {"closed before the first activation",
       [&] {
         Recreate("");
         form->FormCreate();
       },
       true},
      // The object list no longer has position 999: loading stops there.
      {"loading stopped early", [&] { StartWindow(""); }, true},
      {"a choice made after an early stop",
       [&] {
         StartWindow("");
         ChooseCustom("Processor", "% Processor Time", "_Total");
       },
       false},
  };
  for (const Case& c : cases) {
    WriteFile(folder / "Haltwise.ini", stored);
    c.session();
    form->FormClose();
    if (c.keeps) {
      EXPECT_EQ(Ini(), stored) << c.name;
    } else {
      EXPECT_EQ(Ini().find("PerformanceObject=999"), std::string::npos) << c.name;
      EXPECT_NE(Ini().find("ValueMin=5\r\nValueMax=10\r\nMinutes=3\r\n"), std::string::npos)
          << c.name;
    }
  }
}

TEST_F(Lifecycle, TheSessionEndingSavesTheChoiceAndEndsTheWatch) {
  StartWindow("MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN CONFIRMATION=NO");
  ChooseCustom("Processor", "% Processor Time", "_Total");
  form->edtCustomMin.SetValue(12);
  form->btnStart.UserClick();
  AdvanceSeconds(10);
  notifier.shown.clear();
  form->EndSession();
  EXPECT_EQ(form->CurrentWatch().State(), WatchState::Idle);
  EXPECT_FALSE(form->tmrCheck.Enabled());
  EXPECT_EQ(form->btnStart.Caption(), "Start!");
  EXPECT_TRUE(notifier.shown.empty()) << "not even a beep";
  EXPECT_NE(Ini().find("Minutes=12"), std::string::npos);
  AdvanceSeconds(120);
  EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 0);

  // A folder that cannot be written to shows nothing while the session ends.
  std::filesystem::remove(folder / "Haltwise.ini");
  std::filesystem::create_directories(folder / "Haltwise.ini");
  notifier.shown.clear();
  form->EndSession();
  EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(Lifecycle, StoredValuesOutOfTheirRangesAreCutOrIgnored) {
  StartWindow("");
  const std::string processor = std::to_string(IndexOf(form->cbPerfObjs, "Processor"));
  // A counter beyond the list is not applied; the counter handler then fails
  // and loading ends before the limits.
  WriteFile(folder / "Haltwise.ini",
            "[Custom]\nPerformanceObject=" + processor + "\nPerformanceCounter=999\nValueMin=40\n");
  StartWindow("");
  EXPECT_EQ(form->cbPerfObjs.Text(), "Processor");
  EXPECT_EQ(form->cbPerfCounters.ItemIndex(), -1);
  EXPECT_EQ(form->edtCustomUsageLow.Value(), 5);

  // Missing limits read as 0 and are clamped; a text that is no number
  // counts as absent; "0x" is hexadecimal.
  WriteFile(folder / "Haltwise.ini", "[Custom]\nPerformanceObject=" + processor +
                                         "\nPerformanceCounter=0\nPerformanceInstance=99"
                                         "\nMinutes=abc\nValueMax=0x10\n");
  StartWindow("");
  EXPECT_EQ(form->cbPerfCounters.ItemIndex(), 0);
  EXPECT_EQ(form->cbInstances.ItemIndex(), -1);
  EXPECT_EQ(form->edtCustomUsageLow.Value(), 1);
  EXPECT_EQ(form->edtCustomUsageHigh.Value(), 16);
  EXPECT_EQ(form->edtCustomMin.Value(), 3);
}

TEST_F(Lifecycle, AFailedSaveReportsTheFile) {
  StartWindow("");
  std::filesystem::create_directories(folder /
                                      "Haltwise.ini");  // a folder cannot be written as a file
  try {
    form->FormClose();
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.Message(), "Unable to write to " + (folder / "Haltwise.ini").string());
  }
}

TEST_F(Lifecycle, HideRestoreAboutAndHelp) {
  form->FormCreate();
  form->btnHide.UserClick();
  EXPECT_TRUE(form->JvTray.Visible());
  form->Restore1.UserClick();
  EXPECT_FALSE(form->JvTray.Visible());
  form->btnTitle.UserClick();
  form->btnClose.UserClick();
  EXPECT_EQ(host.requests, (std::vector<std::string>{"hide", "show", "about v2.0", "close"}));
  form->btnHelp.UserClick();
  EXPECT_EQ(shell.Calls().back().arguments,
            (folder / "Help" / "HaltwiseHelp.htm").string() + "|#index||5");
}

TEST_F(Lifecycle, AnArmedWatchEndsWithTheWindowWithoutActing) {
  StartWindow("MODE=COUNTDOWN MINUTES=1 ACTION=SHUTDOWN");
  form->btnStart.UserClick();
  AdvanceSeconds(10);
  form->FormClose();
  form.reset();
  EXPECT_EQ(power.CountCalls("ExitWindowsEx"), 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "Haltwise.ini"));
}

TEST_F(Lifecycle, ASkinFolderColoursTheModelsAndReplacesPictures) {
  WriteFile(
      folder / "Skin" / "Colors.ini",
      "[Colors]\nTitle=FF00FF\nButtonsCaptionActive=$0000FF00\nDigitPixelOn=\nStatusText=00$FF\n");
  std::filesystem::create_directories(folder / "Skin");
  WriteBmpFile(Bitmap32(4, 3, clRed), (folder / "Skin" / "BtnUp.bmp").string());
  WriteBmpFile(Bitmap32(2, 2, clLime), (folder / "Skin" / "btnStartOn.bmp").string());
  form->FormCreate();
  EXPECT_EQ(form->btnTitle.FontColor(), 0xFF00FFu);
  EXPECT_EQ(form->skinColors.ButtonsCaptionActive, 0x00FF00u);
  EXPECT_EQ(form->lblStatusBar.FontColor(), 0u);  // not a number: black
  EXPECT_EQ(form->skinColors.DigitPixelOn, 0u);   // empty: black
  EXPECT_EQ(form->lgCPU.ColorBg(), 0x4A0000u);    // defaults elsewhere
  EXPECT_EQ(form->lgNet.ColorBg(), 0x4A0000u);
  EXPECT_FALSE(form->skinPictures.buttonUp.has_value());  // needs BtnDn.bmp too
  ASSERT_TRUE(form->skinPictures.startOn.has_value());
  EXPECT_EQ(form->skinPictures.startOn->Width(), 2);
  EXPECT_EQ(form->skinPictures.transparentColor, RgbColor(0, 255, 0));
  EXPECT_EQ(form->skinPictures.actionSquare.Pixel(4, 4), 0x660000u);
}

// A Scheduled watch where the user sets only the time must not fall due at
// once because the date picker was never set.
TEST_F(Lifecycle, BrokenSkinBitmapsAreReportedInOneBoxAndStartUpGoesOn) {
  WriteFile(folder / "Skin" / "MainForm.bmp", "BM not really");
  WriteFile(folder / "Skin" / "Leds.bmp", "");
  Recreate("MODE=SCHEDULED DATE=20260602 TIME=083000 ACTION=REBOOT");
  form->FormCreate();
  ASSERT_EQ(notifier.shown.size(), 1u);
  EXPECT_EQ(
      notifier.shown[0].rfind(
          "error: Cannot read the bitmap \"" + (folder / "Skin" / "MainForm.bmp").string(), 0),
      0u);
  EXPECT_NE(notifier.shown[0].find("\nCannot read the bitmap \"" +
                                   (folder / "Skin" / "Leds.bmp").string()),
            std::string::npos);
  EXPECT_TRUE(form->btnSched.Down());
  EXPECT_TRUE(form->chkReboot.Down());
  EXPECT_EQ(form->DateSched.Value(), EncodeDate(2026, 6, 2) + TimeOf(clock.Now()));
  EXPECT_EQ(form->lblStatusBar.Caption(), "Shutdown at a specific time and date.");
}

}  // namespace
}  // namespace haltwise::testing
