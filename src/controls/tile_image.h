#pragma once
#include <string>

#include "controls/picture_control.h"
#include "gfx/system_colors.h"

namespace haltwise {

// A paint box showing its picture once at the top-left, or tiled over the
// whole control. Graphs lying on it borrow the picture as background.
class TTileImage : public PictureControl {
 public:
  explicit TTileImage(const SystemColors& colors, std::string name = "TileImage")
      : PictureControl(std::move(name), 105, 105), colors_(colors) {}

  bool TileImage() const { return tileImage_; }
  void SetTileImage(bool value) {
    if (Assign(tileImage_, value)) Invalidate();
  }

  void Paint() override;

 private:
  const SystemColors& colors_;
  bool tileImage_ = false;
};

}  // namespace haltwise
