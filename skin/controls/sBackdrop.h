// Backgrounds between controls: the record of the skin command
// SKC_GET_BG_INFO, asking a parent for the background behind a control,
// answering a child's question, and the colour a control shows its children.
#pragma once

#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "skin/paint/Backdrop.h"

namespace ui {
class Control;
}

namespace skin {

class TsCommonData;

// Passed by address with command 34.
struct BackdropQuery {
  const gfx::Bitmap* Bitmap = nullptr;  // answer: the image that holds the background
  gfx::Color Color = 0;                 // answer: the colour when there is no image
  std::int32_t X = 0;                   // answer: the asker's origin inside Bitmap
  std::int32_t Y = 0;
  gfx::Rect Rect;             // the area to draw with PleaseDraw (asker's coordinates)
  std::uint8_t Kind = 0;      // answer: 0 not answered, 1 colour, 2 image
  bool PleaseDraw = false;    // draw the background into DC over Rect
  gfx::Canvas* DC = nullptr;  // target of a direct drawing
};

inline constexpr std::uint8_t kBackdropNone = 0;
inline constexpr std::uint8_t kBackdropColor = 1;
inline constexpr std::uint8_t kBackdropImage = 2;

// Asks `parent` (command 34) for the background. A parent outside the skin is
// drawn into DC (when the query already asked for drawing) or gives its
// colour. With `pleaseDraw` and a colour answer the colour fills Rect of DC.
void AskParentBackdrop(BackdropQuery& query, ui::Control* parent, bool pleaseDraw);

// A query's answer as a backdrop for the painters.
BackdropRef ToBackdropRef(const BackdropQuery& query);

// The background behind a bound control, relative to its parent's origin
// (painters add the control's position as their offset).
BackdropRef ParentBackdropOf(const TsCommonData& binding);
// The background behind a control that has no binding: its parent's answer,
// or NoBackdrop without a parent.
BackdropRef ParentBackdropOf(ui::Control* control);

// The binding's answer to command 34 for the normal (hot false) or hot state.
void AnswerBackdropQuery(TsCommonData& binding, BackdropQuery& query, bool hot);

// The colour another control shows: a skinned one's answer to command 21
// (its own colour when it answers with magenta), any other's own colour,
// resolved; clFuchsia for none.
gfx::Color ColorOfControl(ui::Control* control);

// The colour a bound control shows its children (its answer to command 21):
// the section's colour mixed with the parent's by the state's transparency,
// rnd(T/100 * parent + (1 - T/100) * own), the parent's colour at 100; the
// owner's own colour when unskinned or with a custom colour.
gfx::Color ControlColorOf(const TsCommonData& binding, bool hot);

// The owner's colour (the form's for a form binding, button face without an
// owner), resolved.
gfx::Color OwnerColorOf(const TsCommonData& binding);

}  // namespace skin
