// The control hierarchy of the Win32 toolkit: TControl (position, size, visibility, font,
// colour, parent), TWinControl (a control with its own window), TGraphicControl (windowless,
// painted by its parent) and TCustomControl (windowed, with a canvas for its own Paint).
//
// Window convention. Every window of the toolkit has one entry point, ToolkitWindowProc.
//  - Windows of the toolkit's own classes (forms, panels, custom controls) receive their object
//    at WM_NCCREATE through CREATESTRUCT::lpCreateParams.
//  - Standard controls (BUTTON, EDIT, ...) are subclassed straight after CreateWindowEx; their
//    original window procedure becomes the object's default handler.
//  - The object is found through the toolkit's table of its windows (FindControl). Each
//    message goes ToolkitWindowProc ->
//    WindowProc() (replaceable: a skin wraps the control's handling there) -> the virtual
//    WndProc -> DefaultHandler (the original procedure, or DefWindowProc).
//  - An exception thrown by a handler never crosses the platform: ToolkitWindowProc hands it to
//    the application's HandleException, which shows it as a message.
//  - Release (forms): CM_RELEASE posted to the window frees the object after the current message.
// Teardown (DestroyHandle, and the destructor): stop dispatching (remove the property), remove
// the subclass, then destroy the window. A window that the platform destroys from outside (with
// its parent) detaches itself at WM_NCDESTROY, so its object simply has no window afterwards.
//
// Ownership. The owner (TComponent) destroys a control; the parent only shows it. Destroying a
// windowed control takes its child windows with it and detaches its child controls (their
// Parent() becomes null) but does not destroy them. Windows are created on demand: Handle()
// creates the window (and its parents' windows); a parent's window brings those of its visible
// children, and a visible control placed on a parent that has a window gets its own at once. A
// hidden control gets its window when it is first shown, so hidden pages cost nothing at start.
// Window objects cannot be copied. Windows only.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/Exception.h"
#include "ui/Component.h"
#include "ui/Graphics.h"
#include "ui/Sets.h"

class TWinControl;
class TForm;

// A window call the platform refused (creating a window); the message names the call and the
// platform's error code.
class EWindowError : public Exception {
 public:
  using Exception::Exception;
};
// An operation not allowed in the control's state (showing a visible form modally).
class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// One window message as it travels through a control's WindowProc chain.
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};
using TWndMethod = std::function<void(TMessage&)>;

// Notifications of the toolkit, sent through WindowProc like window messages, so that a skin can
// react to them: mouse entered/left, enabled or text changed, focus left, deferred release, the
// parent's colour changed (or the control got a parent).
constexpr UINT CM_BASE = WM_APP + 0x3000;
constexpr UINT CM_MOUSEENTER = CM_BASE + 1;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 2;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 3;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 4;
constexpr UINT CM_EXIT = CM_BASE + 5;
constexpr UINT CM_RELEASE = CM_BASE + 6;
constexpr UINT CM_COLORCHANGED = CM_BASE + 7;
constexpr UINT CM_FONTCHANGED = CM_BASE + 8;
// A memo shows the lines appended since the last time it was idle (TMemoLines::Add).
constexpr UINT CM_SHOWPENDINGLINES = CM_BASE + 9;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 10;

// Modal results (ShowModal, TButton::ModalResult).
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrClose = 8;
constexpr TModalResult mrHelp = 9;
constexpr TModalResult mrAll = 12;
constexpr TModalResult mrNoToAll = 13;
constexpr TModalResult mrYesToAll = 14;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TBorderStyle { bsNone, bsSingle };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftStateMember { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateMember>;

using TMouseEvent =
    std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, wchar_t& key)>;

// The one window procedure of the toolkit's windows (see above).
LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// The toolkit control of a window of this process, or null for any other window.
TWinControl* FindControl(HWND window);

// True when the platform's visual styles (themes) are in use for this program.
bool VisualStylesActive();

// The state of the modifier keys now.
TShiftState KeyboardShiftState();
// The modifier keys of a keyboard message: the keys' state now, with Alt also taken from the
// message itself (a system key message says whether Alt was down when it was sent).
TShiftState KeyMessageShiftState(UINT msg, LPARAM lParam);

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  // The client area in the control's own coordinates (0, 0, width, height for most controls).
  virtual RECT ClientRect() const;
  int ClientWidth() const;
  int ClientHeight() const;
  virtual void SetClientWidth(int value);
  virtual void SetClientHeight(int value);
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;
  // Scales position, size and own font by m / d (a change of pixel density at run time).
  virtual void ChangeScale(int m, int d);
  // Scales position and size only (a layout made for another density; fonts in points are
  // already drawn at the screen's density).
  virtual void ScaleBounds(int m, int d);

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  // Makes the control visible, asking its parents first to bring it into view (a notebook
  // shows the page it lies on).
  void Show();
  void Hide() { SetVisible(false); }
  // Visible, and so are all its parents (a form must be shown).
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);

  virtual String Text() const { return FText; }
  void SetText(const String& value);
  String Caption() const { return Text(); }
  void SetCaption(const String& value) { SetText(value); }

  // The control's font; changing it turns ParentFont off.
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& font) { FFont.Assign(font); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  // The background colour; setting it turns ParentColor off.
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);

  void BringToFront();
  void SendToBack();
  virtual void Invalidate();
  // Paints pending invalid areas at once.
  virtual void Update();

  // Fires OnClick.
  virtual void Click();
  // True between the mouse entering and leaving the control (skins draw a hot state).
  bool MouseInside() const { return FMouseInside; }
  // Sends a message through WindowProc (for windowless controls, straight to WndProc).
  virtual LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  // The text kept while the control has no window, read and appended to in place: a memo's log
  // grows line by line without a copy of the whole text at each line.
  const String& StoredText() const { return FText; }
  void AppendToStoredText(const String& tail);
  // The control's message handling for the messages a windowless control receives from its
  // parent (mouse) and the toolkit's notifications.
  virtual void WndProc(TMessage& message);
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged();
  virtual void EnabledChanged();
  virtual void VisibleChanged();
  // After position or size changed (fields already hold the new values).
  virtual void Resized();
  // The parent's font or colour changed, or the control got a parent.
  void ParentFontChanged();
  void ParentColorChanged();

 private:
  friend class TWinControl;
  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  bool FParentFont = true;
  bool FParentColor = true;
  bool FSyncingFromParent = false;
  TAlign FAlign = TAlign::alNone;
  String FText;
  TFont FFont;
  TColor FColor = clBtnFace;
  bool FMouseInside = false;
};

// What a windowed control asks of CreateWindowEx.
struct TCreateParams {
  const wchar_t* ClassName = nullptr;  // null: the toolkit's own window class
  DWORD Style = 0;
  DWORD ExStyle = 0;
  HWND WndParent = nullptr;
  // The window is created without its text, which it takes once it has its font: a multi-line
  // edit lays its whole text out again when the font changes, line by line.
  bool TextAfterFont = false;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created (with its parents' windows) on first use. Raises EWindowError when the
  // platform refuses to create it.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // The window if it exists, without creating it.
  HWND HandleIfAllocated() const { return FHandle; }
  void HandleNeeded() { Handle(); }
  // Destroys the window (keeping text and geometry) without destroying the control.
  void DestroyHandle();
  // Destroys and recreates the window, for styles that only apply at creation.
  void RecreateWnd();

  // The controls placed on this one, in the order they were placed.
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(static_cast<size_t>(index)); }
  bool ContainsControl(const TControl* control) const;

  // The handling chain of this control's messages. A wrapper keeps the previous value and calls
  // it for everything it does not handle itself.
  const TWndMethod& WindowProc() const { return FWindowProc; }
  void SetWindowProc(TWndMethod method) { FWindowProc = std::move(method); }
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) override;

  // The window's text while it has a window (edits change it), else the stored text.
  String Text() const override;
  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  bool Showing() const override;
  void Invalidate() override;
  void Update() override;
  void ChangeScale(int m, int d) override;
  void ScaleBounds(int m, int d) override;

  // Focus. CanFocus: shown and enabled up to the form.
  virtual bool CanFocus() const;
  void SetFocus();
  bool Focused() const;
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  // Position among the windowed siblings in keyboard (Tab) order.
  int TabOrder() const;
  void SetTabOrder(int value);
  // Focuses the first control inside this one in tab order that can take focus; false if none.
  bool SelectFirst();
  // The windowed controls inside this one (at any depth) in tab order.
  std::vector<TWinControl*> TabOrderList() const;

  // Whether the control handles this key itself (WM_GETDLGCODE), so that Enter and Esc do not
  // press the form's buttons.
  virtual bool WantsKey(const MSG& msg);

  // Brings a child (or a control inside one) into view; the default passes the request up.
  virtual void ShowControl(TControl* control);

  // Lays out the aligned children again.
  void Realign();
  // Paints the control and its children into dc at (x, y); for tests and off-screen copies.
  void PaintTo(HDC dc, int x, int y);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Creates the window; a subclass may do more once it exists (then call this first).
  virtual void CreateWnd();
  // Called just before the window is destroyed, while it still exists (save state here).
  virtual void DestroyWnd();
  void WndProc(TMessage& message) override;
  // The original window procedure of the window (DefWindowProc for the toolkit's classes).
  void DefaultHandler(TMessage& message);
  // Notifications the parent passes on: WM_COMMAND codes for this control, and the
  // WM_CTLCOLOR* request (return the background brush, or null for the default).
  virtual void CommandNotify(WORD code);
  // A WM_NOTIFY from this control's window, passed on by its parent; true when handled, with
  // result as the message's answer.
  virtual bool Notify(const NMHDR& header, LRESULT& result);
  virtual HBRUSH ControlColor(HDC dc);
  // The rectangle aligned children share; panels shrink it by their borders.
  virtual void AdjustClientRect(RECT& rect) const;
  // Places the aligned children inside rect (top, bottom, left, right, then client).
  virtual void AlignControls(RECT rect);
  // Paints the windowless children that intersect area.
  void PaintControls(HDC dc, const RECT& area);
  // Paints the control's own client area into dc (toolkit classes only).
  virtual void PaintWindow(HDC dc);
  // The brush the background is erased with (Color).
  HBRUSH BackgroundBrush();

  void FontChanged() override;
  void ColorChanged() override;
  void TextChanged() override;
  void EnabledChanged() override;
  void VisibleChanged() override;
  void Resized() override;

 private:
  friend class TControl;
  friend LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void CreateChildHandles();
  void ApplyTabOrder();
  void Attach(HWND window);
  void Detach();
  bool HandleKeyMessage(TMessage& message);
  void HandleMouseMessage(TMessage& message);
  void HandlePaint(TMessage& message);
  TControl* ControlAtPos(POINT p) const;

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  TWndMethod FWindowProc;
  std::vector<TControl*> FControls;    // children, in placement order
  std::vector<TWinControl*> FTabList;  // windowed children, in tab order
  bool FToolkitClass = true;
  bool FTabStop = false;
  bool FAligning = false;
  bool FMouseTracked = false;
  TBrushHandle FBackground;
  TColor FBackgroundColor = clNone;
  TControl* FCapturedControl = nullptr;  // windowless child that took the mouse button
  TControl* FHoverControl = nullptr;     // windowless child under the mouse
};

// A windowless control: painted by its parent into the parent's DC, through Canvas().
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  // The canvas Paint draws on; outside painting it measures on a memory DC.
  TCanvas& Canvas() { return FCanvas; }
  // Paints the control into dc with its top-left corner at (x, y).
  void PaintTo(HDC dc, int x, int y);

 protected:
  virtual void Paint() {}

 private:
  friend class TWinControl;
  TCanvas FCanvas;
};

// A windowed control of the toolkit's own class with a canvas: Paint draws the client area.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  // The canvas Paint draws on; outside painting it measures on a memory DC.
  TCanvas& Canvas() { return FCanvas; }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas FCanvas;
};
