#include "ui/look/picture_scaling.h"

#include <algorithm>
#include <cmath>

#include "gfx/mul_div.h"

namespace haltwise {

namespace {

// Where the centre of destination pixel `i` falls in the source, and the
// two source pixels around it with the weight of the second.
struct Taps {
  int first;
  int second;
  int weight;  // of `second`, in 1/256ths
  int nearest;
};

Taps TapsAt(int i, int sourceLength, int targetLength) {
  const double at = std::clamp((i + 0.5) * sourceLength / targetLength - 0.5, 0.0,
                               static_cast<double>(sourceLength - 1));
  const int first = static_cast<int>(at);
  const int second = std::min(first + 1, sourceLength - 1);
  const int nearest = static_cast<int>(std::lround(at));
  return {first, second, static_cast<int>(std::lround((at - first) * 256)), nearest};
}

int Channel(Color c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

int Resize(int length, DpiScale from, DpiScale to) {
  return std::max(1, MulDiv(length, to.Dpi(), from.Dpi()));
}

Bitmap32 Resized(const Bitmap32& picture, DpiScale from, DpiScale to,
                 std::optional<Color> transparent = std::nullopt) {
  if (picture.Empty() || from == to) return picture;
  return ScalePicture(picture, Resize(picture.Width(), from, to),
                      Resize(picture.Height(), from, to), transparent);
}

}  // namespace

Bitmap32 ScalePicture(const Bitmap32& picture, int width, int height,
                      std::optional<Color> transparent) {
  if (picture.Empty() || width <= 0 || height <= 0) return Bitmap32(width, height);
  if (width == picture.Width() && height == picture.Height()) return picture;
  std::vector<Taps> columns(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x)
    columns[static_cast<std::size_t>(x)] = TapsAt(x, picture.Width(), width);
  Bitmap32 scaled(width, height);
  for (int y = 0; y < height; ++y) {
    const Taps row = TapsAt(y, picture.Height(), height);
    const auto top = picture.Row(row.first);
    const auto bottom = picture.Row(row.second);
    auto out = scaled.Row(y);
    for (int x = 0; x < width; ++x) {
      const Taps& column = columns[static_cast<std::size_t>(x)];
      const auto& nearestRow = row.nearest == row.first ? top : bottom;
      if (transparent && nearestRow[static_cast<std::size_t>(column.nearest)] == *transparent) {
        out[static_cast<std::size_t>(x)] = *transparent;
        continue;
      }
      const Color samples[4] = {top[static_cast<std::size_t>(column.first)],
                                top[static_cast<std::size_t>(column.second)],
                                bottom[static_cast<std::size_t>(column.first)],
                                bottom[static_cast<std::size_t>(column.second)]};
      // Weights in 1/65536ths keep the blend in integers.
      const int weights[4] = {(256 - column.weight) * (256 - row.weight),
                              column.weight * (256 - row.weight),
                              (256 - column.weight) * row.weight, column.weight * row.weight};
      long long sum[3] = {0, 0, 0}, total = 0;
      for (int i = 0; i < 4; ++i) {
        if (transparent && samples[i] == *transparent) continue;
        total += weights[i];
        for (int c = 0; c < 3; ++c) sum[c] += weights[i] * Channel(samples[i], 8 * c);
      }
      Color result = 0;
      if (total > 0) {
        for (int c = 0; c < 3; ++c) {
          result |= static_cast<Color>((sum[c] + total / 2) / total) << (8 * c);
        }
      }
      out[static_cast<std::size_t>(x)] = result;
    }
  }
  return scaled;
}

MainWindowPictures PicturesAt(const MainWindowPictures& design, const MainWindowPictures& large,
                              DpiScale scale) {
  constexpr DpiScale kLargeDpi(2 * DpiScale::kDesignDpi);
  const auto pick = [&](Bitmap32 MainWindowPictures::*picture, std::optional<Color> transparent) {
    const bool fromLarge = !scale.IsDesign() && !(large.*picture).Empty();
    return Resized(fromLarge ? large.*picture : design.*picture, fromLarge ? kLargeDpi : DpiScale(),
                   scale, transparent);
  };
  MainWindowPictures scaled;
  scaled.form = pick(&MainWindowPictures::form, kTransparentGreen);
  scaled.buttonUp = pick(&MainWindowPictures::buttonUp, std::nullopt);
  scaled.buttonDown = pick(&MainWindowPictures::buttonDown, std::nullopt);
  scaled.startOff = pick(&MainWindowPictures::startOff, std::nullopt);
  scaled.startOn = pick(&MainWindowPictures::startOn, std::nullopt);
  // Each state of the strip is scaled to a whole width, so the states stay
  // side by side at equal steps.
  const bool largeLeds = !scale.IsDesign() && !large.leds.Empty();
  const Bitmap32& leds = largeLeds ? large.leds : design.leds;
  const DpiScale drawnAt = largeLeds ? kLargeDpi : DpiScale();
  if (!leds.Empty() && drawnAt != scale) {
    const int state = Resize(std::max(1, leds.Width() / kGlyphStates), drawnAt, scale);
    scaled.leds = ScalePicture(leds, state * kGlyphStates, Resize(leds.Height(), drawnAt, scale));
  } else {
    scaled.leds = leds;
  }
  return scaled;
}

}  // namespace haltwise
