// TsProgressBar: the skinned progress bar. The platform bar keeps the range
// and the position; while a skin applies the bar paints itself from its
// cache: the frame is its own skin item ("GAUGE"), the progress a row of
// small items of a second section ("PROGRESSH", "PROGRESSV" or ProgressSkin).
// A marquee style runs five blocks along the bar on a 30 ms timer.
//
// Every paint renders the cache, but a segmented bar keeps its picture while
// the number of lit blocks stays the same and the bar is not full; anything
// else that changes the look forgets that count so the next paint renders.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/Timer.h"
#include "platform/ui/controls/ProgressBar.h"
#include "skin/controls/acProgressGeometry.h"
#include "skin/controls/sCommonData.h"

namespace skin {

enum class TProgressBarStyle { pbstNormal, pbstMarquee };

class TsProgressBar : public ui::ProgressBar, public TsSkinnedControl {
 public:
  explicit TsProgressBar(ui::Component* owner);
  ~TsProgressBar() override;

  std::string ClassName() const override { return "TsProgressBar"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TsProgressBar" || ui::ProgressBar::InheritsFrom(c);
  }

  TsCommonData& SkinData() override { return skinData_; }
  const std::string& ProgressSkin() const { return progressSkin_; }
  void SetProgressSkin(const std::string& section);
  TProgressBarStyle Style() const { return style_; }
  void SetStyle(TProgressBarStyle style);
  int MarqueeInterval() const { return marqueeInterval_; }
  void SetMarqueeInterval(int ms);

  // Paints the bar onto `dc` (origin at the window's top-left).
  void PaintProgress(gfx::Canvas& dc);
  // Paints the whole bar into the binding's cache.
  void RenderCache();
  // The marquee timer's event.
  void MarqueeTick();

  // The state the geometry is computed from.
  ProgressState GeometryState() const;

  std::int32_t LastBlockCount = -1;
  std::int32_t MarqueePos = 0;
  std::int32_t MarqueeLength = 40;
  std::int32_t MarqueeStep = 8;
  std::int32_t MarqueeDirection = 1;
  std::int32_t SavedPosition = 0;
  ui::Timer& MarqueeTimer() { return *marqueeTimer_; }

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void CreateWnd() override;
  void WndProc(ui::Message& msg) override;
  void Loaded() override;

 private:
  bool HandleSkinCommand(ui::Message& msg);
  bool ReadyToPaint() const;
  bool PlatformMarquee() const;
  void SendMarquee();
  void PaintBlocks(gfx::Bitmap& cache, const ProgressState& s);
  // LitBlockCount(s); the layout is worked out again only when the geometry
  // other than the position changed.
  int LitBlocks(const ProgressState& s);

  std::unique_ptr<ui::Timer> marqueeTimer_;
  TsCommonData skinData_;
  std::string progressSkin_;
  TProgressBarStyle style_ = TProgressBarStyle::pbstNormal;
  int marqueeInterval_ = 10;
  // The frame as rendered before the blocks: what each block shows behind
  // it (kept between renders so that its storage is reused).
  gfx::Bitmap frame_;
  ProgressState layoutState_;  // position 0
  SegmentLayout layout_;
  bool layoutKnown_ = false;
  // The bitmap of a block that reaches past the cache.
  gfx::Bitmap block_;
};

}  // namespace skin
