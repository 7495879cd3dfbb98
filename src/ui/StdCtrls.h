// The standard controls: push button, check box and group box (the platform's BUTTON), one-line
// edit and memo (EDIT), combo box (COMBOBOX) and the windowless label. Clicks arrive as OnClick,
// whether from the mouse, the keyboard or BM_CLICK. Setting Checked of a check box to a new value
// also fires OnClick (as a click would). A button with a ModalResult sets it on its form when
// clicked. Windows only.
#pragma once

#include "core/StringList.h"
#include "ui/Controls.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  ~TButton() override;

  // Enter presses the default button (unless another button has the focus).
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  // Esc presses the cancel button.
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CommandNotify(WORD code) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. With AllowGrayed a click also reaches the grayed state. Alignment says where the
// caption goes: taRightJustify (the default) puts it right of the box, taLeftJustify left of it
// (the box on the right). WordWrap breaks a long caption into lines.
class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner);
  bool Checked() const { return FState == TCheckBoxState::cbChecked; }
  void SetChecked(bool value);
  TCheckBoxState State() const { return FState; }
  // A new state fires OnClick, as a click would.
  void SetState(TCheckBoxState value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CommandNotify(WORD code) override;

 private:
  TCheckBoxState FState = TCheckBoxState::cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = TAlignment::taRightJustify;
  bool FWordWrap = false;
};

// A frame with a caption around the controls placed on it (BUTTON with BS_GROUPBOX). Unlike the
// bare platform control it paints its whole background in its own colour and takes the mouse
// like any container.
class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};

// csDropDown: an edit with a list that drops down; csSimple: an edit over a list always shown;
// csDropDownList: a list that drops down, no typing.
enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A combo box. Its lines and the selected line survive a new window (style change). For the
// drop-down styles the height follows the font, and the dropped list shows DropDownCount lines;
// a simple combo box keeps the height it is given. OnChange fires when the user edits the text
// or selects another line, OnSelect when a line is selected; setting ItemIndex fires neither.
class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle value);
  const TStringList& Items() const { return FItems; }
  void SetItems(const TStringList& items);
  int AddItem(const String& item);
  void ClearItems();
  // The selected line, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  void SetBounds(int left, int top, int width, int height) override;
  // Enter and Esc close a dropped list instead of pressing the form's buttons.
  bool WantsKey(const MSG& msg) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void CommandNotify(WORD code) override;
  void WndProc(TMessage& message) override;

 private:
  // Tells a drop-down combo box how tall it is with its list dropped.
  void ApplyDropDownHeight();
  TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
  TStringList FItems;
  int FItemIndex = -1;
  int FDropDownCount = 8;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  int MaxLength() const { return FMaxLength; }
  // 0: no limit.
  void SetMaxLength(int value);
  void SelectAll();
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CommandNotify(WORD code) override;

 private:
  bool FReadOnly = false;
  int FMaxLength = 0;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
};

class TMemo;

// The lines of a memo, read from and written to its text. Text() ends every line with CR LF.
class TMemoLines {
 public:
  explicit TMemoLines(TMemo& memo) : FMemo(memo) {}
  int Count() const;
  String Strings(int index) const;
  // Appends a line at the end (and shows it: the caret moves there). While the memo has a
  // window, lines appended in a row are collected and go into the window together when its
  // thread next handles messages, or as soon as anyone reads the text; without a window the line
  // is appended to the kept text in place. Either way an append costs the same however long the
  // text already is, which a long build log needs.
  void Add(const String& line);
  void Clear();
  String Text() const;
  void SetText(const String& text);
  void Assign(const TStringList& lines);

 private:
  TStringList Read() const;
  TMemo& FMemo;
};

class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* owner);
  TMemoLines& Lines() { return FLines; }
  const TMemoLines& Lines() const { return FLines; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  // Enter inserts a line break (otherwise it presses the form's default button).
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value) { FWantReturns = value; }
  // Esc always goes to the form; Enter only when the memo is editable and wants returns.
  bool WantsKey(const MSG& msg) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  friend class TMemoLines;
  // Appends text to the window's text at its end, after a line break when the text lacks one.
  void AppendToWindow(const String& text);
  // Puts the collected lines into the window.
  void ShowPendingLines();
  TMemoLines FLines;
  String FPendingLines;  // appended lines not yet in the window, each ended by CR LF
  bool FWordWrap = true;
  bool FWantReturns = true;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
};

enum class TTextLayout { tlTop, tlCenter, tlBottom };

// A windowless text: word wrap, alignment, transparency and automatic size. With AutoSize the
// label fits its text (with WordWrap only its height changes). "&" marks an accelerator unless
// ShowAccelChar is off.
class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* owner);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  // Fits the bounds to the text, which changes while loading leave as they are.
  void Loaded() override;

 protected:
  void Paint() override;
  void FontChanged() override;
  void TextChanged() override;
  // DrawText flags for the current settings.
  UINT TextFlags() const;
  void AdjustBounds();

 private:
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TTextLayout FLayout = TTextLayout::tlTop;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};
