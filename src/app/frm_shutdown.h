#pragma once
#include <array>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "app/advance_warnings.h"
#include "app/app_services.h"
#include "app/error_boxes.h"
#include "app/keep_awake.h"
#include "app/load_samplers.h"
#include "app/main_window_host.h"
#include "app/performance_components.h"
#include "app/power_actions.h"
#include "app/shutdown_mode.h"
#include "app/watch.h"
#include "config/command_line.h"
#include "config/skin_colors.h"
#include "controls/lcd_screen.h"
#include "controls/log_graph.h"
#include "eventlog/event_log.h"
#include "gfx/bitmap32.h"
#include "perf/cpu/cpu_meter.h"
#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/combo_box.h"
#include "widgets/content_scroller.h"
#include "widgets/control.h"
#include "widgets/date_time_picker.h"
#include "widgets/page_control.h"
#include "widgets/radio_button.h"
#include "widgets/spin_edit.h"
#include "widgets/timer.h"

namespace haltwise {

// The main window's logic: its controls as models, and the handlers that
// turn clicks, ticks and samples into operations on the watch and show what
// the watch says. The Win32 layer binds every model to a real control;
// headless tests drive the models directly.
class TfrmShutdown {
 public:
  TfrmShutdown(AppServices& services, StartupInfo startup);
  TfrmShutdown(const TfrmShutdown&) = delete;
  TfrmShutdown& operator=(const TfrmShutdown&) = delete;

  // Watch check loop.
  void tmrCheckTimer();
  void SetStatus(const std::string& text);
  void ResetStatus();
  bool CpuConditionArmed() const { return watch_.CpuClause(); }
  const Watch& CurrentWatch() const { return watch_; }

  // Start, stop and mode selection.
  void btnStartClick();
  void btnIdleClick(Button& clicked);
  void ResetModeButtons();
  void DateSchedChange();

  // Power action hand-over.
  void ExecuteAction();

  // Presets from the command line.
  void ApplyCommandLine();

  // Load sampling.
  void tmrCpuTimer();
  void tmrDiskRtTimer() { SampleLoads(); }
  void SampleLoads();
  void lgCPUMouseDown() { btnIdle.Click(); }
  void lgNetMouseDown() { btnNetTr.Click(); }
  void lgDiskMouseDown() { btnDiskTr.Click(); }
  void lgCustomMouseDown() { btnCustom.Click(); }
  // After the machine slept the loads were not observed: the conditions
  // count afresh from now.
  void RestartLoadConditions();

  // Custom counter selection.
  void InitPerformanceMonitoring();
  void cbPerfObjsChange();
  void cbPerfCountersChange();
  void cbInstancesChange();
  void RefreshNetworkInterfaces();

  // Settings file and skin.
  void LoadSettings();
  void SaveSettings();
  void LoadSkin();

  // Window lifecycle.
  void FormCreate();
  void ApplicationEvents1Activate();
  void FormClose() { SaveSettings(); }
  // The session ends (the user's logoff or shutdown, or the watch's own
  // action): the choices are saved and an armed watch ends.
  void EndSession();
  void btnCloseClick() { services_.host.CloseMainWindow(); }
  void btnHideClick();
  void Restore1Click();
  void btnTitleClick();
  void btnHelpClick();

  // Confirm a due action first (the command line may turn it off).
  bool AskConfirmation = true;
  // Balloons 5 and 1 minutes before a time watch acts.
  bool WarnAhead = true;
  // What "Snooze" in the confirmation puts the action off by; 0 offers no
  // "Snooze".
  static constexpr int kDefaultSnoozeMinutes = 10;
  int SnoozeMinutes = kDefaultSnoozeMinutes;
  // A power request keeps Windows' idle sleep away while a watch is armed.
  bool KeepMachineAwake = true;

  // The window itself: its background colour.
  Control frmShutdown{"frmShutdown"};

  // Mode buttons, in their group's order.
  Button btnIdle{"btnIdle", Button::Kind::Toggle};
  Button btnSched{"btnSched", Button::Kind::Toggle};
  Button btnCntDn{"btnCntDn", Button::Kind::Toggle};
  Button btnNetTr{"btnNetTr", Button::Kind::Toggle};
  Button btnDiskTr{"btnDiskTr", Button::Kind::Toggle};
  Button btnCustom{"btnCustom", Button::Kind::Toggle};

  // Action toggles: one of five, and force on its own.
  ButtonGroup actionGroup;
  Button chkLogOff{"chkLogOff", Button::Kind::Toggle};
  Button chkShutdown{"chkShutdown", Button::Kind::Toggle};
  Button chkReboot{"chkReboot", Button::Kind::Toggle};
  Button chkSuspend{"chkSuspend", Button::Kind::Toggle};
  Button chkHibernate{"chkHibernate", Button::Kind::Toggle};
  Button chkForce{"chkForce", Button::Kind::Toggle};
  Button btnStart{"btnStart", Button::Kind::Toggle};

  // Settings pages and their edits.
  PageControl pcConfig{
      "pcConfig", {"tsIdle", "tsSched", "tsCntDn", "tsNetTr", "tsDiskTr", "tsCustom", "tsSplash"}};
  SpinEdit edtCPUUsage{"edtCPUUsage", 1, 999, 10};
  SpinEdit edtCPUMin{"edtCPUMin", 1, 999, 3};
  // The processor's quiet minutes count only while nobody uses the keyboard
  // or mouse either.
  CheckBox chkNoInput{"chkNoInput"};
  DateTimePicker DateSched{"DateSched", DateTimePicker::Kind::Date};
  DateTimePicker TimeSched{"TimeSched", DateTimePicker::Kind::Time};
  SpinEdit edtCntDn{"edtCntDn", 1, 999, 1};
  RadioGroup countDownUnit;
  RadioButton chkHours{"chkHours"};
  RadioButton chkMins{"chkMins"};
  RadioGroup netDirection;
  RadioButton rbTotal{"rbTotal"};
  RadioButton rbRecv{"rbRecv"};
  RadioButton rbSent{"rbSent"};
  ComboBox cbNetIface{"cbNetIface"};
  SpinEdit edtNetUsage{"edtNetUsage", 1, 999, 10};
  SpinEdit edtNetMin{"edtNetMin", 1, 999, 3};
  SpinEdit edtDiskUsage{"edtDiskUsage", 1, 9999, 10};
  SpinEdit edtDiskMin{"edtDiskMin", 1, 999, 3};
  ComboBox cbPerfObjs{"cbPerfObjs"};
  ComboBox cbPerfCounters{"cbPerfCounters"};
  ComboBox cbInstances{"cbInstances"};
  SpinEdit edtCustomUsageLow{"edtCustomUsageLow", 1, 99999, 5};
  SpinEdit edtCustomUsageHigh{"edtCustomUsageHigh", 1, 99999, 10};
  SpinEdit edtCustomMin{"edtCustomMin", 1, 999, 3};

  // What shows the watch's progress and the machine's load.
  TLCDScreen LCD;
  Control lblStatusBar{"lblStatusBar"};
  ContentScroller JvContentScroller{"JvContentScroller", 27};
  Control JvTray{"JvTray"};
  TLogGraph lgCPU;
  TLogGraph lgNet;
  TLogGraph lgDisk;
  TLogGraph lgCustom;
  Control lblCustomCtr{"lblCustomCtr"};

  // Title strip, splash page and the notification-area icon's menu.
  Button btnTitle{"btnTitle"};
  Button btnHelp{"btnHelp"};
  Button btnHide{"btnHide"};
  Button btnClose{"btnClose"};
  Control lblVer{"lblVer"};
  Control miVer{"miVer"};
  Button Restore1{"Restore1"};

  Timer tmrCheck{"tmrCheck", 1000, false};
  Timer tmrCpu{"tmrCpu", 1000, true};
  Timer tmrDiskRt{"tmrDiskRt", 1000, false};

  // The skin: its colours, and the pictures it replaces (none: built-in).
  SkinColors skinColors;
  struct SkinPictures {
    std::optional<Bitmap32> mainForm, buttonUp, buttonDown, leds, startOff, startOn;
    // The same pictures drawn for 200 % displays, where the skin brings them.
    struct Large {
      std::optional<Bitmap32> mainForm, buttonUp, buttonDown, leds, startOff, startOn;
    } large;
    Color transparentColor = 0;
    Bitmap32 actionSquare;  // behind the action toggles
  } skinPictures;

  TEventLog ApplicationEventLog;
  bool FirstActivation = false;
  // Built at the first activation; none before, or when that failed.
  std::unique_ptr<PerformanceComponents> perf_;

  static constexpr int kStatusWidth = 514;

 private:
  struct LoadDisplay;
  std::array<Button*, 6> ModeButtons();
  Button* ModeButton(ShutdownMode mode);
  std::optional<ShutdownMode> ChosenMode() const;
  bool IsArmedModeButton(const Button& button);
  ActionToggles PressedActions() const;
  Moment Now() const;
  void Arm(ShutdownMode mode);
  std::uint32_t CountDownMs() const;
  // What runs only with the watch follows its state: the check timer, and
  // the power request that keeps the machine awake while it waits.
  void FollowWatch();
  void ShowDisarmed(bool beep = true);
  void CancelForBusyProcessor();
  void ShowActionCancelled();
  bool ProcessorIsIdle();
  void ShowBalloon(const std::string& text);
  void ShowProgress(Moment at);
  void ShowAdvanceWarning(int minutes);
  void SnoozeWatch();
  std::string SnoozedPrefix() const;
  bool InputClauseArmed() const;
  void ShowTimeLeft(Moment at);
  void ShowLoadLeft(const LoadDisplay& display, Moment at);
  void SetTrayHint(const std::string& text) { JvTray.SetHint(text); }
  void WireControls();
  PerformanceComponents& Perf();
  LoadLimits ReadLoadLimits() const;
  // Object, counter and instance positions, low, high and minutes.
  using CustomChoice = std::array<int, 6>;
  CustomChoice CurrentCustomChoice() const;
  void ApplySkinColors();
  void LoadSkinPictures();

  AppServices& services_;
  StartupInfo startup_;
  CommandLine commandLine_;
  ErrorBoxes errorBoxes_;
  RepeatedEntries sampleErrors_;
  PowerActions powerActions_;
  CpuMeter cpuMeter_;
  Watch watch_;
  // What the user has been warned of before the armed time watch acts.
  AdvanceWarnings warnings_;
  LoadSamplers samplers_;
  // The custom choice as loading left it (as created, before loading ran),
  // and whether loading read all of it.
  CustomChoice loadedChoice_{};
  // The skin bitmaps that could not be read, reported at the end of creation.
  std::string skinError_;
  bool settingsLoaded_ = false;
  KeepAwake keepAwake_{services_.power};
};

}  // namespace haltwise
