// The edit adapter: the skinned frame of an edit window (the border strips
// of its rendered item, drawn over the window's own border), its skinned
// scroll bars, and the skin's background and text colours for the control.
#pragma once

#include "skin/controls/acSBUtils.h"

namespace skin {

class TacEditWnd : public TacBaseWnd {
 public:
  TacEditWnd(ui::WinControl& window, const std::string& section, TsSkinManager* manager, TsCommonData* binding);
  ~TacEditWnd() override;

  void SaveColors() override;
  void RestoreColors() override;
  void ApplyColors() override;
  void HandleMessage(ui::Message& msg) override;

  // Window rectangle, size, parent and origin in the parent.
  void UpdateGeometry();
  // Renders the frame into the binding's cache (the whole window) when stale.
  void RenderEditFrame(bool dialogMode);
  void RefreshFrameCorners();

  gfx::Color WindowColor = 0;  // the colour of a window without control

 private:
  // The state the frame is drawn in (1 focused or hovered).
  int FrameState() const;
  // The border mask has more than one state picture.
  bool MultiStateMask() const;
  // The frame strips and bars onto a whole-window surface.
  void ShowFrame(gfx::Canvas& dc);
  bool HandleEditCommand(ui::Message& msg);
};

}  // namespace skin
