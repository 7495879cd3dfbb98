// THookWindowProc: the skin's hold on one control. Taking a control over wraps its WindowProc:
// every message still goes to the control's own handling; for the messages the skin cares about
// the hook then updates its state flags (mouse over, left button down, space held) and paints the
// control again with the painter of its kind (SkinPainters.h) in the current colour scheme.
//
// Painting never flickers: a painter draws into a memory bitmap (kept by the hook for the next
// paint) that is copied to the screen in one piece. On WM_PAINT of a client-painted control (push
// button, check box, group box, gauge, combo box) the control first paints itself into that
// bitmap and the painter draws over it there; so it does on any other repaint of a group box or
// combo box, whose painters draw over parts of the control's own painting only. Frame painters
// copy only the rings they draw. A state change (the mouse entering a button) repaints that
// control only. Any exception raised while a handled message is processed, by the control's own
// handling or by a painter, is discarded.
//
// Ownership: the hook is owned by its skin component. When the control is destroyed first the
// hook frees itself; when the hook goes first, the control gets its own handler back (and should
// another wrapper sit over the hook, the hook's place in the chain passes messages straight on).
// Windows only.
#pragma once

#include <memory>
#include <optional>

#include "components/skin/SkinPainters.h"
#include "ui/Controls.h"

// The kinds of control the skin recognises, in the order the painters are chosen.
enum class TSkinKind {
  EditLike,    // edits, memos, tree views: the flat frame
  PushButton,  // push buttons
  CheckBox,    // check boxes
  GroupBox,    // group boxes
  Gauge,       // the progress gauge: its frame
  ComboBox,    // combo boxes: flat frame and arrow button (edit-like in its colours)
};

// The kind of a control, or nothing for a control the skin leaves alone.
std::optional<TSkinKind> SkinKindOf(const TControl& control);
// Whether the control's own colours count as an edit's (background and text) for the scheme.
bool IsEditLikeKind(TSkinKind kind);

struct THookLink;

class THookWindowProc : public TComponent {
 public:
  // Takes control (of a recognised kind) over: keeps its current handler and installs the
  // hook's in its place.
  THookWindowProc(TComponent* owner, TWinControl& control, TSkinKind kind);
  ~THookWindowProc() override;

  // Whether the control's handler already is a hook's.
  static bool IsTakenOver(const TWinControl& control);

  TWinControl* Control() const { return FControl; }
  bool LButtonDown() const { return FLButtonDown; }
  bool MouseOver() const { return FMouseOver; }
  bool Pressed() const { return FPressed; }
  // The last handled message.
  UINT Msg() const { return FMsg; }
  TSkinState State() const;

  // The hook's message handler (what the control's WindowProc calls).
  void WindowProc(TMessage& message);
  // Paints the control now with its painter, when it has a window that shows.
  void Paint();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  static bool Handles(UINT msg);
  bool PaintsClient() const;
  // Whether the painter draws over the control's own painting rather than the whole client.
  bool PaintsOverOwn() const;
  // The control's own erasing and painting, into dc.
  void PaintOwn(HDC dc);
  void Act(const TMessage& message);
  // WM_PAINT of a client-painted control: its own painting and the painter's, off-screen.
  void PaintBuffered(TMessage& message);
  // Runs the painter of the control's kind on dc; false when it drew nothing.
  bool PaintOn(HDC dc, TQoSkinColors& colors);
  // The memory bitmap painters draw into, kept between paints at the size last asked for
  // (making one costs more than the painting itself).
  HDC Buffer(int width, int height);

  TWinControl* FControl;
  bool FLButtonDown = false;
  bool FMouseOver = false;
  UINT FMsg = 0;
  TWndMethod FOrgWindowProc;
  bool FPressed = false;
  TSkinKind FKind;
  bool FPainting = false;  // a painter runs: messages it sends pass straight through
  TBitmap FBuffer;
  std::shared_ptr<THookLink> FLink;
};
