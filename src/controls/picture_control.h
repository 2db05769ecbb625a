#pragma once
#include <memory>
#include <string>

#include "controls/graphic_control.h"

namespace haltwise {

// A control that shows a picture (an image or tile image control). Other
// controls may borrow its picture; they hold a PictureLink, which reads
// null once this control is destroyed.
class PictureControl : public GraphicControl {
 public:
  using PictureLink = std::shared_ptr<const PictureControl*>;

  PictureControl(std::string name, int width, int height)
      : GraphicControl(std::move(name), width, height) {}
  ~PictureControl() override { *self_ = nullptr; }

  // An empty picture holds no graphic.
  const Bitmap32& Picture() const { return picture_; }
  void SetPicture(const Bitmap32& value) {
    picture_ = value;
    Invalidate();
  }

  PictureLink Link() const { return self_; }

 private:
  Bitmap32 picture_;
  PictureLink self_ = std::make_shared<const PictureControl*>(this);
};

}  // namespace haltwise
