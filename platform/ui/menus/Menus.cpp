// The menu model: items, their tree, shortcuts and change notices.
#include "platform/ui/menus/Menus.h"

#include <algorithm>
#include <cctype>

#include "platform/backend/Keys.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/controls/ImageList.h"
#include "platform/ui/forms/Form.h"

namespace ui {

using namespace backend;

// --- shortcuts -------------------------------------------------------------------

namespace {
struct KeyName {
  unsigned Key;
  const char* Name;
};
constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},  {VK_TAB, "Tab"},     {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},   {VK_END, "End"},      {VK_HOME, "Home"},  {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},    {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

std::string KeyToText(unsigned key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F12) return "F" + std::to_string(key - VK_F1 + 1);
  for (const KeyName& k : kKeyNames)
    if (k.Key == key) return k.Name;
  return {};
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}
}  // namespace

std::string ShortCutToText(ShortCut sc) {
  std::string key = KeyToText(sc & 0xFF);
  if (key.empty()) return {};
  std::string out;
  if (sc & scShift) out += "Shift+";
  if (sc & scCtrl) out += "Ctrl+";
  if (sc & scAlt) out += "Alt+";
  return out + key;
}

ShortCut TextToShortCut(const std::string& text) {
  ShortCut mods = 0;
  std::string rest = text;
  for (;;) {
    bool found = false;
    for (auto [name, bit] :
         {std::pair<const char*, ShortCut>{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}}) {
      std::string n = name;
      if (rest.size() > n.size() && EqualNoCase(rest.substr(0, n.size()), n)) {
        mods |= bit;
        rest = rest.substr(n.size());
        found = true;
      }
    }
    if (!found) break;
  }
  for (unsigned key = 1; key < 256; ++key) {
    std::string name = KeyToText(key);
    if (!name.empty() && EqualNoCase(name, rest)) return mods | key;
  }
  return scNone;
}

ShortCut MakeShortCut(unsigned key, ShiftState shift) {
  ShortCut sc = key & 0xFF;
  if (shift & ssShift) sc |= scShift;
  if (shift & ssCtrl) sc |= scCtrl;
  if (shift & ssAlt) sc |= scAlt;
  return sc;
}

// --- items -------------------------------------------------------------------------

MenuItem::MenuItem(Component* owner) : Component(owner) {}

MenuItem::~MenuItem() {
  BeginDestruction();
  while (!items_.empty()) {
    MenuItem* c = items_.back();
    delete c;  // removes itself from items_
  }
  if (parent_) {
    auto& v = parent_->items_;
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
    if (!parent_->Destroying()) parent_->Changed(true);
  }
}

void MenuItem::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Changed(true);
}

void MenuItem::SetShortCut(ShortCut s) {
  if (s == shortCut_) return;
  shortCut_ = s;
  Changed(true);
}

void MenuItem::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Changed(false);
}

void MenuItem::SetVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  Changed(true);
}

void MenuItem::SetChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  // Radio items of one group exclude each other.
  if (on && radioItem_ && parent_)
    for (MenuItem* s : parent_->items_)
      if (s != this && s->radioItem_ && s->groupIndex_ == groupIndex_) s->checked_ = false;
  Changed(false);
}

void MenuItem::SetDefault(bool on) {
  if (on == default_) return;
  if (on && parent_)
    for (MenuItem* s : parent_->items_) s->default_ = false;
  default_ = on;
  Changed(true);
}

void MenuItem::SetBreak(MenuBreak b) {
  if (b == break_) return;
  break_ = b;
  Changed(true);
}

void MenuItem::SetImageIndex(int i) {
  if (i == imageIndex_) return;
  imageIndex_ = i;
  Changed(true);
}

void MenuItem::SetBitmap(const gfx::Bitmap& b) {
  bitmap_ = b;
  Changed(true);
}

void MenuItem::SetSubMenuImages(CustomImageList* l) {
  if (l == subMenuImages_) return;
  if (subMenuImages_) RemoveFreeNotification(subMenuImages_);
  subMenuImages_ = l;
  if (l) FreeNotification(l);
  Changed(true);
}

CustomImageList* MenuItem::GetImageList() const {
  if (parent_ && parent_->subMenuImages_) return parent_->subMenuImages_;
  Menu* m = GetParentMenu();
  return m ? m->Images() : nullptr;
}

bool MenuItem::HasImage() const {
  if (!bitmap_.Empty()) return true;
  CustomImageList* l = GetImageList();
  return l && imageIndex_ >= 0 && imageIndex_ < l->Count();
}

gfx::Size MenuItem::ImageSize() const {
  if (!bitmap_.Empty()) return {bitmap_.Width(), bitmap_.Height()};
  if (!HasImage()) return {};
  CustomImageList* l = GetImageList();
  return {l->Width(), l->Height()};
}

MenuItem* MenuItem::FirstOfList() const {
  if (!parent_) return const_cast<MenuItem*>(this);
  return parent_->items_.front();
}

int MenuItem::MenuIndex() const {
  if (!parent_) return -1;
  auto& v = parent_->items_;
  auto it = std::find(v.begin(), v.end(), this);
  return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

void MenuItem::Add(MenuItem* item) { Insert(Count(), item); }

void MenuItem::Insert(int index, MenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  if (!item->Owner()) item->ChangeOwner(this);
  Changed(true);
}

void MenuItem::Remove(MenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed(true);
}

void MenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

Menu* MenuItem::GetParentMenu() const {
  const MenuItem* i = this;
  while (i->parent_) i = i->parent_;
  return i->menu_;
}

std::vector<MenuItem*> MenuItem::VisibleItems() const {
  std::vector<MenuItem*> out;
  for (MenuItem* i : items_)
    if (i->visible_) out.push_back(i);
  return out;
}

void MenuItem::Click() {
  if (radioItem_ && !checked_) SetChecked(true);
  OnClick(this);
}

MenuItem* MenuItem::FindByShortCut(ShortCut sc) {
  if (sc == scNone) return nullptr;
  for (MenuItem* i : items_) {
    if (!i->visible_ || !i->enabled_) continue;
    if (i->shortCut_ == sc && i->items_.empty()) return i;
    if (MenuItem* f = i->FindByShortCut(sc)) return f;
  }
  return nullptr;
}

void MenuItem::Notification(Component* c, Operation op) {
  Component::Notification(c, op);
  if (op == Operation::Remove && c == subMenuImages_) {
    subMenuImages_ = nullptr;
    Changed(true);
  }
}

void MenuItem::Changed(bool) {
  if (Destroying()) return;
  if (Menu* m = GetParentMenu(); m && !m->Destroying()) m->Changed();
}

// --- menus -----------------------------------------------------------------------------

Menu::Menu(Component* owner) : Component(owner), items_(new MenuItem(this)) { items_->menu_ = this; }

Menu::~Menu() {
  BeginDestruction();
  DestroyComponents();
  items_ = nullptr;
}

void Menu::SetImages(CustomImageList* l) {
  if (l == images_) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = l;
  if (l) FreeNotification(l);
  Changed();
}

void Menu::SetOwnerDraw(bool on) {
  if (on == ownerDraw_) return;
  ownerDraw_ = on;
  Changed();
}

void Menu::Changed() {}

bool Menu::IsShortCut(ShortCut sc) {
  if (!items_) return false;
  MenuItem* item = items_->FindByShortCut(sc);
  if (!item) return false;
  item->Click();
  return true;
}

void Menu::Notification(Component* c, Operation op) {
  Component::Notification(c, op);
  if (op == Operation::Remove && c == images_) {
    images_ = nullptr;
    if (!Destroying()) Changed();
  }
}

MainMenu::MainMenu(Component* owner) : Menu(owner) {}

void MainMenu::Changed() {
  if (WindowForm() && !WindowForm()->Destroying()) WindowForm()->Perform(CM_MENUCHANGED);
}

PopupMenu::PopupMenu(Component* owner) : Menu(owner) {}

}  // namespace ui

namespace ui {

bool IsTitleCaption(const std::string& c) { return c.size() > 2 && c.front() == '-' && c.back() == '-'; }

bool IsRightAlignedCaption(const std::string& c) { return !c.empty() && c.front() == '\b'; }

char32_t AcceleratorOf(const std::string& c) { return AccelCharOf(c); }

bool MenuItem::IsOwnerDrawn() const {
  if (OnAdvancedDrawItem || OnDrawItem) return true;
  Menu* m = GetParentMenu();
  return m && m->OwnerDraw();
}

}  // namespace ui
