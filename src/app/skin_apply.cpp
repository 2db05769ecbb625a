// Applying the skin folder: its colours to the models, its pictures to be
// shown instead of the built-in ones.
#include "app/frm_shutdown.h"
#include "config/skin_files.h"
#include "gfx/bmp.h"
#include "platform/error.h"

namespace haltwise {

void TfrmShutdown::LoadSkin() {
  skinColors = ReadSkinColors(services_.profile, SkinColorsFile(startup_.exePath));
  ApplySkinColors();
  LoadSkinPictures();
}

void TfrmShutdown::ApplySkinColors() {
  const SkinColors& c = skinColors;
  frmShutdown.SetBackgroundColor(c.PanelBackground);
  btnTitle.SetFontColor(c.Title);
  lgCPU.SetColorBg(c.CPUBackground);
  lgCPU.SetColorFg(c.CPUForeground);
  lgCPU.SetColorText(c.CPUText);
  Pen pen = lgCPU.LinePen();
  pen.color = c.CPUText;
  lgCPU.SetLinePen(pen);
  for (Button* button : ModeButtons()) button->SetFontColor(c.ButtonsCaptionInactive);
  pcConfig.SetFontColor(c.Text);

  skinPictures.actionSquare = Bitmap32(5, 5, c.FormBackground);
  for (Button* toggle :
       {&chkLogOff, &chkReboot, &chkShutdown, &chkSuspend, &chkHibernate, &chkForce}) {
    toggle->SetFontColor(c.LedsCaption);
    toggle->SetBackgroundColor(clNone);  // only the square and the glyph show
  }

  LCD.SetFontColor(c.DigitPixelOn);
  LCD.SetColor(c.DigitsBack);
  LCD.SetPixelOff(c.DigitPixelOff);
  lblStatusBar.SetFontColor(c.StatusText);

  for (Control* edit :
       std::initializer_list<Control*>{&edtCPUUsage, &edtCPUMin, &TimeSched, &edtCntDn}) {
    edit->SetBackgroundColor(c.EditBox);
    edit->SetFontColor(c.EditBoxText);
  }
  DateSched.SetBackgroundColor(c.EditBox);
  DateSched.SetCalendar({c.Text, c.FormBackground, c.FormBackground, c.EditBox});
  for (RadioButton* unit : {&chkHours, &chkMins}) {
    unit->SetBackgroundColor(c.PanelBackground);
    unit->SetFontColor(c.Text);
  }
}

// A file that cannot be read as a bitmap leaves its picture built in; the
// others still load, and start-up goes on. Every such file is named in one
// box, shown once creation is complete: the box's own message loop may run
// the first activation's work.
void TfrmShutdown::LoadSkinPictures() {
  constexpr Color kPureGreen = RgbColor(0, 255, 0);
  const SkinBitmaps files = FindSkinBitmaps(startup_.exePath);
  std::string unreadable;
  const auto load = [&](const std::optional<std::string>& path) -> std::optional<Bitmap32> {
    if (!path) return std::nullopt;
    try {
      return ReadBmpFile(*path);
    } catch (const Error& error) {
      unreadable += (unreadable.empty() ? "" : "\n") + error.Message();
      return std::nullopt;
    }
  };
  skinPictures.transparentColor = kPureGreen;
  skinPictures.mainForm = load(files.mainForm);
  skinPictures.buttonUp = load(files.buttonUp);
  skinPictures.buttonDown = load(files.buttonDown);
  skinPictures.leds = load(files.leds);
  skinPictures.startOff = load(files.startOff);
  skinPictures.startOn = load(files.startOn);
  const SkinBitmaps large = FindLargeSkinBitmaps(files);
  skinPictures.large.mainForm = load(large.mainForm);
  skinPictures.large.buttonUp = load(large.buttonUp);
  skinPictures.large.buttonDown = load(large.buttonDown);
  skinPictures.large.leds = load(large.leds);
  skinPictures.large.startOff = load(large.startOff);
  skinPictures.large.startOn = load(large.startOn);
  skinError_ = unreadable;
}

}  // namespace haltwise
