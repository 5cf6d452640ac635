// A plain read-only memo standing in for the skinned one until the
// toolkit's standard controls exist: lines of text on the window colour, a
// sunken edge and a vertical scroll bar that follows the lines.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/WinControl.h"

namespace game::standin {

class Memo : public ui::WinControl {
 public:
  explicit Memo(ui::Component* owner);
  std::string ClassName() const override { return "TMemo"; }

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }
  // The first line shown.
  int TopLine() const { return topLine_; }
  void ScrollTo(int line);

 protected:
  void WndProc(ui::Message& msg) override;
  void CreateParams(ui::CreateParams& params) override;
  void PaintWindow(gfx::Canvas& canvas) override;
  void BoundsChanged(const gfx::Rect& old) override;

 private:
  int LineHeight() const;
  int VisibleLines() const;
  void UpdateScrollBar();

  std::vector<std::string> lines_;
  bool readOnly_ = true;
  int topLine_ = 0;
};

}  // namespace game::standin
