#include "skin/controls/sMemo.h"

#include "platform/ui/Application.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sSkinCommands.h"
#include "skin/controls/sSkinManager.h"

namespace skin {

namespace {

constexpr std::int32_t kMemoKind = 7;

void FreeAdapter(std::unique_ptr<TacEditWnd>& adapter) {
  // The adapter may be running below us (a command it passed on).
  TacMainWnd::Dispose(std::unique_ptr<TacMainWnd>(adapter.release()));
}

}  // namespace

void AttachEditAdapter(TsCommonData& binding, std::unique_ptr<TacEditWnd>& adapter) {
  ui::WinControl* window = binding.OwnerWindow();
  if (!window || !binding.IsSkinned()) {
    FreeAdapter(adapter);
    return;
  }
  if (adapter && adapter->Unhooked) FreeAdapter(adapter);
  if (adapter) return;
  adapter = std::make_unique<TacEditWnd>(*window, binding.SkinSection(), binding.Manager(), &binding);
  adapter->Attach(true);
}

TsMemo::TsMemo(ui::Component* owner)
    : ui::Memo(owner), data_(this, true, kMemoKind), boundLabel_(std::make_unique<TsBoundLabel>(*this)) {
  data_.SetSkinSection("EDIT");
  // Not opaque until the adapter takes over.
  SetControlStyle(ControlStyle() & ~ui::csOpaque);
  data_.Loaded();
}

TsMemo::~TsMemo() {
  adapter_.reset();
  boundLabel_.reset();
  TsSkinManager::ForgetHoveredControl(this);
}

void TsMemo::SetDisabledKind(TsDisabledKinds kinds) {
  if (kinds == disabledKind_) return;
  disabledKind_ = kinds;
  data_.Invalidate();
}

void TsMemo::Loaded() {
  ui::Memo::Loaded();
  data_.Loaded();
  AttachEditAdapter(data_, adapter_);
}

bool TsMemo::ReadyToPaint() const {
  constexpr ui::ComponentState busy = ui::csCreating | ui::csReading | ui::csLoading | ui::csDestroying;
  return HandleAllocated() && Parent() && !(State() & busy);
}

void TsMemo::RedrawWithFrame() {
  if (HandleAllocated()) RedrawWindow(nullptr, ui::RDW_FRAME | ui::RDW_ERASE | ui::RDW_INVALIDATE);
}

void TsMemo::FollowWithLabel(const ui::Message& msg) {
  TsEditLabel* label = boundLabel_ ? boundLabel_->Label() : nullptr;
  if (!label) return;
  switch (msg.msg) {
    case ui::WM_SIZE:
    case ui::WM_MOVE: break;
    case ui::CM_VISIBLECHANGED: label->SetVisible(Visible()); break;
    case ui::CM_ENABLEDCHANGED:
      // Only a memo that shows its disabled look takes its label along.
      label->SetEnabled(Enabled() || !disabledKind_.Contains(dkBlended));
      break;
    case ui::CM_BIDIMODECHANGED: label->SetBiDiMode(GetBiDiMode()); break;
    default: return;
  }
  boundLabel_->UpdatePlacement();
}

void TsMemo::WndProc(ui::Message& msg) {
  Handle(msg);
  FollowWithLabel(msg);
}

void TsMemo::Handle(ui::Message& msg) {
  if (msg.msg == ui::CM_FONTCHANGED && Showing()) RedrawWithFrame();
  if (msg.msg == ui::SM_ALPHACMD) {
    TsSkinManager* mine = data_.SkinManager() ? data_.SkinManager() : TsSkinManager::DefaultManager();
    const bool own = reinterpret_cast<TsSkinManager*>(msg.lParam) == mine;
    switch (SkinCommandOf(msg)) {
      case SKC_SKIN_LOADED:
        if (!own) break;
        data_.HandleMessage(msg);
        return;
      case SKC_SKIN_UNLOADED:
        if (!own) break;
        FreeAdapter(adapter_);
        data_.HandleMessage(msg);
        if (HandleAllocated()) RecreateWnd();
        return;
      case SKC_SKIN_REFRESH:
        if (!own) break;
        data_.HandleMessage(msg);
        AttachEditAdapter(data_, adapter_);
        RedrawWithFrame();
        return;
      case SKC_IS_SKINNED: msg.result = 1; return;
      case SKC_GET_APPLICATION: msg.result = reinterpret_cast<ui::LRESULT>(&ui::App()); return;
      default: break;
    }
  }
  if (!ReadyToPaint() || !data_.IsSkinned()) {
    ui::Memo::WndProc(msg);
    if (msg.msg == ui::EM_SETSEL) OnScrollCaret(this);
    return;
  }
  if (msg.msg == ui::WM_PAINT && msg.wParam == 0) {
    data_.ParentUpdating = data_.IsUpdating();
    if (data_.ParentUpdating) {
      ValidateRect(nullptr);
      return;
    }
    ui::Memo::WndProc(msg);
    return;
  }
  if (data_.HandleMessage(msg)) return;
  ui::Memo::WndProc(msg);
  switch (msg.msg) {
    case ui::CM_FONTCHANGED:
    case ui::CM_VISIBLECHANGED:
    case ui::CM_ENABLEDCHANGED: data_.Invalidate(); break;
    case ui::CM_TEXTCHANGED:
    case ui::CM_CHANGED:
      if (adapter_ && !adapter_->Unhooked) adapter_->RefreshBars(true);
      break;
    case ui::CM_SHOWINGCHANGED: AttachEditAdapter(data_, adapter_); break;
    case ui::EM_SETSEL: OnScrollCaret(this); break;
    default: break;
  }
}

}  // namespace skin
