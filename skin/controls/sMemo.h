// TsMemo: the skinned multi-line edit. The platform memo keeps drawing its
// text, caret and selection; while the skin is on, an edit adapter attached
// to its window draws the frame and the scroll bars from the skin and gives
// the memo the skin's colours. Without a skin it is the plain memo.
#pragma once

#include <memory>

#include "platform/ui/controls/Memo.h"
#include "skin/controls/acSBEditWnd.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/controls/sCommonData.h"
#include "skin/paint/DisabledLook.h"

namespace skin {

// Attaches an edit adapter to the binding's window while the binding is
// skinned (a given-back adapter is replaced), frees it otherwise.
void AttachEditAdapter(TsCommonData& binding, std::unique_ptr<TacEditWnd>& adapter);

class TsMemo : public ui::Memo, public TsSkinnedControl {
 public:
  explicit TsMemo(ui::Component* owner);
  ~TsMemo() override;

  std::string ClassName() const override { return "TsMemo"; }
  bool InheritsFrom(const std::string& c) const override { return c == "TsMemo" || ui::Memo::InheritsFrom(c); }

  TsCommonData& SkinData() override { return data_; }
  TsDisabledKinds DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKinds kinds);
  // The edit adapter while skinned, else null.
  TacEditWnd* Adapter() const { return adapter_.get(); }
  // The caption label beside the memo (inactive until switched on).
  TsBoundLabel& BoundLabel() { return *boundLabel_; }

  // After the memo handled EM_SETSEL (the caret or selection was set).
  ui::NotifyEvent OnScrollCaret;

  void Loaded() override;

 protected:
  void WndProc(ui::Message& msg) override;

 private:
  // The memo's own handling: skin commands, painting, then the platform.
  void Handle(ui::Message& msg);
  bool ReadyToPaint() const;
  void RedrawWithFrame();
  // Keeps an active bound label in step with the memo.
  void FollowWithLabel(const ui::Message& msg);

  TsCommonData data_;
  TsDisabledKinds disabledKind_{dkBlended};
  std::unique_ptr<TacEditWnd> adapter_;
  std::unique_ptr<TsBoundLabel> boundLabel_;
};

}  // namespace skin
