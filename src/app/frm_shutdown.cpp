// The main window's form definition: captions, hints, defaults and wiring.
#include "app/frm_shutdown.h"
#include "controls/main_window_displays.h"

namespace haltwise {

namespace {

struct ModeButtonText {
  const char* caption;
  const char* hint;
};

constexpr ModeButtonText kModeTexts[] = {
    {"CPU Idle Time",
     "Shutdown when the CPU is idle (under certaing % CPU usage) for a specified amount of time."},
    {"Scheduled", "Shutdown at a specific time and date."},
    {"Count Down", "Shutdown when the desired time has elapsed."},
    {"Network Usage",
     "Shutdown when network transfer rate is under a specified amount for a desired time."},
    {"Disk Usage",
     "Shutdown when disk transfer rate is under a specified amount for a desired time."},
    {"Custom",
     "Shutdown when de value of a selected Performance Counter Instance is between a specified "
     "range for a desired time."},
};

}  // namespace

TfrmShutdown::TfrmShutdown(AppServices& services, StartupInfo startup)
    : LCD(services.fonts, services.systemColors),
      lgCPU(services.fonts, services.systemColors, "lgCPU"),
      lgNet(services.fonts, services.systemColors, "lgNet"),
      lgDisk(services.fonts, services.systemColors, "lgDisk"),
      lgCustom(services.fonts, services.systemColors, "lgCustom"),
      ApplicationEventLog(services.registry, services.eventSource, services.security,
                          startup.applicationTitle),
      services_(services),
      startup_(std::move(startup)),
      commandLine_(startup_.commandLine, startup_.arguments),
      errorBoxes_(services.notifier),
      sampleErrors_(ApplicationEventLog, services.clock),
      powerActions_(services.power, services.security, services.systemInfo, services.clock,
                    errorBoxes_, ApplicationEventLog),
      cpuMeter_(services.registry, services.systemInfo),
      samplers_(cpuMeter_, services.input, sampleErrors_, watch_,
                {lgCPU, lgNet, lgDisk, lgCustom}) {
  ApplicationEventLog.SetApplicationName("Haltwise");
  ApplicationEventLog.Loaded();
  WireControls();
  loadedChoice_ = CurrentCustomChoice();
}

void TfrmShutdown::WireControls() {
  // Each mode button's tab order is the index of the page it shows.
  const auto modes = ModeButtons();
  for (std::size_t i = 0; i < modes.size(); ++i) {
    Button& button = *modes[i];
    button.SetCaption(kModeTexts[i].caption);
    button.SetHint(kModeTexts[i].hint);
    button.SetTabOrder(static_cast<int>(i));
    button.SetFontColor(skinColors.ButtonsCaptionInactive);
    button.OnClick = [this, &button] { btnIdleClick(button); };
  }

  const std::pair<Button*, const char*> actions[] = {{&chkLogOff, "Logoff"},
                                                     {&chkShutdown, "Shutdown - Power off"},
                                                     {&chkReboot, "Reboot"},
                                                     {&chkSuspend, "Suspend - Stand by"},
                                                     {&chkHibernate, "Hibernate"}};
  for (const auto& [toggle, caption] : actions) {
    toggle->SetCaption(caption);
    actionGroup.Add(*toggle);
  }
  chkForce.SetCaption("Force Selected Action");
  btnStart.SetCaption("Start!");
  btnStart.OnClick = [this] { btnStartClick(); };

  pcConfig.ShowPage("tsSplash");
  countDownUnit.Add(chkHours);
  countDownUnit.Add(chkMins);
  chkHours.SetCaption("Hours");
  chkMins.SetCaption("Minutes");
  chkHours.SetChecked(true);
  netDirection.Add(rbTotal);
  netDirection.Add(rbRecv);
  netDirection.Add(rbSent);
  rbTotal.SetCaption("Total");
  rbRecv.SetCaption("Received");
  rbSent.SetCaption("Sent");
  rbRecv.SetChecked(true);
  chkNoInput.SetCaption("and nobody used the keyboard or mouse");
  DateSched.OnChange = [this] { DateSchedChange(); };

  ApplyMainWindowLcdSettings(LCD);
  ApplyMainWindowGraphSettings(lgCPU, clRed, "%");
  ApplyMainWindowGraphSettings(lgNet, clGreen, "Kb/s");
  ApplyMainWindowGraphSettings(lgDisk, clYellow, "Kb/s");
  ApplyMainWindowGraphSettings(lgCustom, clPurple, "%");
  lgCPU.SetHint("System Processor Usage %");
  lblCustomCtr.SetCaption("Custom");

  btnTitle.SetCaption("Haltwise v2.0");
  btnTitle.OnClick = [this] { btnTitleClick(); };
  btnHelp.SetHint("Help");
  btnHelp.OnClick = [this] { btnHelpClick(); };
  btnHide.SetHint("Hide");
  btnHide.OnClick = [this] { btnHideClick(); };
  btnClose.SetHint("Close");
  btnClose.OnClick = [this] { btnCloseClick(); };
  Restore1.SetCaption("Restore");
  Restore1.OnClick = [this] { Restore1Click(); };
  JvTray.SetVisible(false);

  cbPerfObjs.SetHint("Select Performance Object");
  cbPerfObjs.OnChange = [this] { cbPerfObjsChange(); };
  cbPerfCounters.OnChange = [this] { cbPerfCountersChange(); };
  cbInstances.OnChange = [this] { cbInstancesChange(); };
  cbNetIface.OnChange = [this] { cbInstancesChange(); };

  // An error escaping a tick is shown once, not once a second.
  tmrCheck.OnTimer = [this] { errorBoxes_.Run(&tmrCheck, [this] { tmrCheckTimer(); }); };
  tmrCpu.OnTimer = [this] { errorBoxes_.Run(&tmrCpu, [this] { tmrCpuTimer(); }); };
  tmrDiskRt.OnTimer = [this] { errorBoxes_.Run(&tmrDiskRt, [this] { tmrDiskRtTimer(); }); };
}

}  // namespace haltwise
