// Menus: items in a tree, the main menu shown in a form's menu bar, and
// popup menus shown in their own (subclassable) windows.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Component.h"
#include "platform/ui/Events.h"

namespace ui {

class Menu;
class MenuItem;
class Form;
class CustomImageList;

// Shortcuts: a virtual key in the low byte plus modifier bits.
using ShortCut = unsigned;
constexpr ShortCut scShift = 0x2000;
constexpr ShortCut scCtrl = 0x4000;
constexpr ShortCut scAlt = 0x8000;
constexpr ShortCut scNone = 0;
// "Ctrl+N" <-> scCtrl | 'N'. Unknown texts give scNone.
std::string ShortCutToText(ShortCut sc);
ShortCut TextToShortCut(const std::string& text);
ShortCut MakeShortCut(unsigned key, ShiftState shift);

// Owner-draw state bits of an item.
using OwnerDrawState = unsigned;
constexpr OwnerDrawState odSelected = 0x1;
constexpr OwnerDrawState odGrayed = 0x2;
constexpr OwnerDrawState odDisabled = 0x4;
constexpr OwnerDrawState odChecked = 0x8;
constexpr OwnerDrawState odFocused = 0x10;
constexpr OwnerDrawState odDefault = 0x20;
constexpr OwnerDrawState odHotLight = 0x40;
constexpr OwnerDrawState odInactive = 0x80;
constexpr OwnerDrawState odNoAccel = 0x100;
constexpr OwnerDrawState odNoFocusRect = 0x200;
constexpr OwnerDrawState odReserved1 = 0x400;  // free for the frame painter's marker
constexpr OwnerDrawState odComboBoxEdit = 0x800;

// WM_MEASUREITEM / WM_DRAWITEM records for menu items (lParam).
struct MeasureItemStruct {
  MenuItem* Item = nullptr;
  int Width = 0;
  int Height = 0;
};
struct DrawItemStruct {
  MenuItem* Item = nullptr;
  gfx::Canvas* Canvas = nullptr;
  gfx::Rect Rect;
  OwnerDrawState State = 0;
};

// Captions: "-word-" is a title item; a leading backspace right-aligns.
bool IsTitleCaption(const std::string& caption);
bool IsRightAlignedCaption(const std::string& caption);
// The character after a single '&', case-folded (any script), or 0.
char32_t AcceleratorOf(const std::string& caption);
// Menu item metrics shared by the bar and popups.
constexpr int kPopupBorder = 3;

using MenuMeasureEvent = Event<Component* /*item*/, gfx::Canvas&, int& /*width*/, int& /*height*/>;
using MenuDrawEvent = Event<Component* /*item*/, gfx::Canvas&, gfx::Rect, bool /*selected*/>;
using MenuAdvancedDrawEvent = Event<Component* /*item*/, gfx::Canvas&, gfx::Rect, OwnerDrawState>;

// An item with a break starts a new column of its popup (a new row of the
// menu bar); a bar break also draws a vertical line between the columns.
enum class MenuBreak { mbNone, mbBreak, mbBarBreak };

class MenuItem : public Component {
 public:
  explicit MenuItem(Component* owner);
  ~MenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TMenuItem" || Component::InheritsFrom(c);
  }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  // "-" is a separator; "-word-" a title item; a leading backspace (8)
  // right-aligns the item.
  bool IsLine() const { return caption_ == "-"; }
  ShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(ShortCut s);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool on) { radioItem_ = on; }
  bool Default() const { return default_; }
  void SetDefault(bool on);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int g) { groupIndex_ = g; }
  MenuBreak Break() const { return break_; }
  void SetBreak(MenuBreak b);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int i);
  // The item's own picture (drawn instead of an image of the list); an empty
  // bitmap means none.
  const gfx::Bitmap& Bitmap() const { return bitmap_; }
  void SetBitmap(const gfx::Bitmap& b);
  // Images for the children of this item (instead of the menu's Images).
  CustomImageList* SubMenuImages() const { return subMenuImages_; }
  void SetSubMenuImages(CustomImageList* l);
  // The list the item's ImageIndex refers to: the parent's SubMenuImages,
  // else the menu's Images (null without either).
  CustomImageList* GetImageList() const;
  // True when the item shows a picture: its own bitmap, or a valid index
  // into GetImageList().
  bool HasImage() const;
  // Size of the item's picture (0 x 0 without one).
  gfx::Size ImageSize() const;
  // A system command carried by system-menu items (also in Tag).
  unsigned Command() const { return command_; }
  void SetCommand(unsigned c) { command_ = c; }

  // --- tree --------------------------------------------------------------
  MenuItem* Parent() const { return parent_; }
  // The first item of the list this item belongs to (itself for a root).
  MenuItem* FirstOfList() const;
  int Count() const { return static_cast<int>(items_.size()); }
  MenuItem* Item(int i) const { return items_.at(static_cast<std::size_t>(i)); }
  const std::vector<MenuItem*>& Items() const { return items_; }
  int MenuIndex() const;
  // Adds a child (this item owns it unless it has an owner already).
  void Add(MenuItem* item);
  void Insert(int index, MenuItem* item);
  void Remove(MenuItem* item);
  // Deletes every child.
  void Clear();
  Menu* GetParentMenu() const;
  // Visible children only.
  std::vector<MenuItem*> VisibleItems() const;
  // The index of the item among the visible items of its list.
  // Runs OnClick (or the menu's default handling).
  virtual void Click();
  // True when the item is drawn by its events (or its menu is owner-drawn).
  bool IsOwnerDrawn() const;
  // Finds an item by shortcut in this subtree (enabled only).
  MenuItem* FindByShortCut(ShortCut sc);

  NotifyEvent OnClick;
  MenuMeasureEvent OnMeasureItem;
  MenuDrawEvent OnDrawItem;
  MenuAdvancedDrawEvent OnAdvancedDrawItem;

 protected:
  void Notification(Component* c, Operation op) override;

 private:
  friend class Menu;
  void Changed(bool rebuild);

  std::string caption_;
  ShortCut shortCut_ = scNone;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool radioItem_ = false;
  bool default_ = false;
  MenuBreak break_ = MenuBreak::mbNone;
  int groupIndex_ = 0;
  int imageIndex_ = -1;
  unsigned command_ = 0;
  gfx::Bitmap bitmap_;
  CustomImageList* subMenuImages_ = nullptr;
  MenuItem* parent_ = nullptr;
  Menu* menu_ = nullptr;  // for the root item
  std::vector<MenuItem*> items_;
};

class Menu : public Component {
 public:
  explicit Menu(Component* owner);
  ~Menu() override;
  std::string ClassName() const override { return "TMenu"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TMenu" || Component::InheritsFrom(c);
  }

  MenuItem* Items() const { return items_; }
  CustomImageList* Images() const { return images_; }
  void SetImages(CustomImageList* l);
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool on);
  // The window the menu belongs to (a form), or null.
  Form* WindowForm() const { return form_; }
  // Called when an item or the list changes (menu bar re-layout).
  virtual void Changed();
  // Runs the item with this shortcut; true when one ran.
  bool IsShortCut(ShortCut sc);

 protected:
  void Notification(Component* c, Operation op) override;

 private:
  friend class Form;
  friend class MenuItem;
  MenuItem* items_;
  CustomImageList* images_ = nullptr;
  bool ownerDraw_ = false;
  Form* form_ = nullptr;
};

class MainMenu : public Menu {
 public:
  explicit MainMenu(Component* owner);
  std::string ClassName() const override { return "TMainMenu"; }
  bool InheritsFrom(const std::string& c) const override { return c == "TMainMenu" || Menu::InheritsFrom(c); }
  bool AutoMerge() const { return autoMerge_; }
  void SetAutoMerge(bool on) { autoMerge_ = on; }
  void Changed() override;

 private:
  bool autoMerge_ = false;
};

// How a popup menu appears: a set of directions to slide in from, or
// maNone to appear at once (which wins over any direction).
using MenuAnimation = unsigned;
constexpr MenuAnimation maLeftToRight = 0x1;
constexpr MenuAnimation maRightToLeft = 0x2;
constexpr MenuAnimation maTopToBottom = 0x4;
constexpr MenuAnimation maBottomToTop = 0x8;
constexpr MenuAnimation maNone = 0x10;

class PopupMenu : public Menu {
 public:
  explicit PopupMenu(Component* owner);
  std::string ClassName() const override { return "TPopupMenu"; }
  bool InheritsFrom(const std::string& c) const override {
    return c == "TPopupMenu" || Menu::InheritsFrom(c);
  }
  // Shows the menu with its top-left at the screen point and tracks it
  // modally; the chosen item's OnClick runs after the menu has closed.
  virtual void Popup(int x, int y);
  Component* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(Component* c) { popupComponent_ = c; }
  MenuAnimation GetMenuAnimation() const { return animation_; }
  void SetMenuAnimation(MenuAnimation a) { animation_ = a; }
  // The form that receives WM_INITMENUPOPUP, WM_MEASUREITEM and the system
  // command of a system menu.
  Form* TargetForm() const { return target_; }
  void SetTargetForm(Form* f) { target_ = f; }
  bool IsSystemMenu() const { return systemMenu_; }
  void SetSystemMenu(bool on) { systemMenu_ = on; }
  NotifyEvent OnPopup;

 private:
  Component* popupComponent_ = nullptr;
  MenuAnimation animation_ = 0;
  Form* target_ = nullptr;
  bool systemMenu_ = false;
};

}  // namespace ui
