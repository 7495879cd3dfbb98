#include "ui/StdCtrls.h"

#include "ui/Forms.h"

// TButton ----------------------------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

TButton::~TButton() = default;

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  params.ExStyle = 0;
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  if (HandleAllocated())
    ::SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::SetCancel(bool value) {
  FCancel = value;
}

void TButton::Click() {
  if (FModalResult != mrNone) {
    if (TForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  }
  TWinControl::Click();
}

void TButton::CommandNotify(WORD code) {
  if (code == BN_CLICKED) Click();
}

// TCheckBox --------------------------------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.Style |= FAllowGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
  if (FAlignment == TAlignment::taLeftJustify) params.Style |= BS_LEFTTEXT;
  if (FWordWrap) params.Style |= BS_MULTILINE;
  params.ExStyle = 0;
}

namespace {

WPARAM CheckOf(TCheckBoxState state) {
  switch (state) {
    case TCheckBoxState::cbChecked:
      return BST_CHECKED;
    case TCheckBoxState::cbGrayed:
      return BST_INDETERMINATE;
    case TCheckBoxState::cbUnchecked:
      break;
  }
  return BST_UNCHECKED;
}

TCheckBoxState StateOf(LRESULT check) {
  if (check == BST_CHECKED) return TCheckBoxState::cbChecked;
  if (check == BST_INDETERMINATE) return TCheckBoxState::cbGrayed;
  return TCheckBoxState::cbUnchecked;
}

}  // namespace

void TCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  ::SendMessageW(Handle(), BM_SETCHECK, CheckOf(FState), 0);
}

void TCheckBox::SetChecked(bool value) {
  SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCheckBox::SetState(TCheckBoxState value) {
  if (value == FState) return;
  FState = value;
  if (HandleAllocated()) ::SendMessageW(Handle(), BM_SETCHECK, CheckOf(value), 0);
  Click();
}

void TCheckBox::SetAllowGrayed(bool value) {
  if (value == FAllowGrayed) return;
  FAllowGrayed = value;
  RecreateWnd();
}

void TCheckBox::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  RecreateWnd();
}

void TCheckBox::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  RecreateWnd();
}

void TCheckBox::CommandNotify(WORD code) {
  if (code != BN_CLICKED) return;
  FState = StateOf(::SendMessageW(Handle(), BM_GETCHECK, 0, 0));
  Click();
}

// TGroupBox --------------------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 105);
}

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

void TGroupBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT client = ClientRect();
      ::FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
      message.Result = 1;
      return;
    }
    case WM_NCHITTEST:  // the platform's group box lets the mouse through to its parent
      message.Result = HTCLIENT;
      return;
    default:
      TWinControl::WndProc(message);
  }
}

// TComboBox --------------------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

void TComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"COMBOBOX";
  params.Style |= WS_VSCROLL | WS_CLIPCHILDREN | CBS_AUTOHSCROLL;
  switch (FStyle) {
    case TComboBoxStyle::csDropDown:
      params.Style |= CBS_DROPDOWN;
      break;
    case TComboBoxStyle::csSimple:
      params.Style |= CBS_SIMPLE;
      break;
    case TComboBoxStyle::csDropDownList:
      params.Style |= CBS_DROPDOWNLIST;
      break;
  }
}

void TComboBox::CreateWnd() {
  const String text = TControl::Text();
  TWinControl::CreateWnd();
  HWND window = Handle();
  for (const String& item : FItems.Items())
    ::SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (FItemIndex >= 0)
    ::SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
  else if (FStyle != TComboBoxStyle::csDropDownList)
    ::SetWindowTextW(window, text.c_str());
  ApplyDropDownHeight();
}

void TComboBox::DestroyWnd() {
  if (HandleAllocated())
    FItemIndex = static_cast<int>(::SendMessageW(HandleIfAllocated(), CB_GETCURSEL, 0, 0));
  TWinControl::DestroyWnd();
}

void TComboBox::ApplyDropDownHeight() {
  HWND window = HandleIfAllocated();
  if (window == nullptr || FStyle == TComboBoxStyle::csSimple) return;
  const auto field = static_cast<int>(::SendMessageW(window, CB_GETITEMHEIGHT, WPARAM(-1), 0));
  const auto line = static_cast<int>(::SendMessageW(window, CB_GETITEMHEIGHT, 0, 0));
  ::SetWindowPos(window, nullptr, 0, 0, Width(), field + 8 + FDropDownCount * line,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  ApplyDropDownHeight();
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  RecreateWnd();
}

void TComboBox::SetItems(const TStringList& items) {
  ClearItems();
  for (const String& item : items.Items()) AddItem(item);
}

int TComboBox::AddItem(const String& item) {
  const int index = FItems.Add(item);
  if (HandleAllocated())
    ::SendMessageW(HandleIfAllocated(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  return index;
}

void TComboBox::ClearItems() {
  FItems.Clear();
  FItemIndex = -1;
  if (HandleAllocated()) ::SendMessageW(HandleIfAllocated(), CB_RESETCONTENT, 0, 0);
}

int TComboBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(::SendMessageW(HandleIfAllocated(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int value) {
  if (value < -1 || value >= FItems.Count()) value = -1;
  FItemIndex = value;
  if (HandleAllocated())
    ::SendMessageW(HandleIfAllocated(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TComboBox::SetDropDownCount(int value) {
  if (value < 1 || value == FDropDownCount) return;
  FDropDownCount = value;
  ApplyDropDownHeight();
}

bool TComboBox::DroppedDown() const {
  return HandleAllocated() &&
         ::SendMessageW(HandleIfAllocated(), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

void TComboBox::SetDroppedDown(bool value) {
  ::SendMessageW(Handle(), CB_SHOWDROPDOWN, value, 0);
}

bool TComboBox::WantsKey(const MSG& msg) {
  if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) return DroppedDown();
  return TWinControl::WantsKey(msg);
}

void TComboBox::CommandNotify(WORD code) {
  if (code == CBN_SELCHANGE) {
    FItemIndex = ItemIndex();
    if (OnSelect) OnSelect(this);
    if (OnChange) OnChange(this);
  } else if (code == CBN_EDITCHANGE && OnChange) {
    OnChange(this);
  }
}

void TComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      // The combo box's own edit and list take its colours.
      message.Result =
          reinterpret_cast<LRESULT>(ControlColor(reinterpret_cast<HDC>(message.WParam)));
      return;
    default:
      TWinControl::WndProc(message);
  }
}

// TCustomEdit, TEdit -----------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"EDIT";
  params.ExStyle = WS_EX_CLIENTEDGE;
  if (FReadOnly) params.Style |= ES_READONLY;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  ::SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  if (value < 0 || value == FMaxLength) return;
  FMaxLength = value;
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::CommandNotify(WORD code) {
  if (code == EN_CHANGE && OnChange) OnChange(this);
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

void TEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_AUTOHSCROLL;
}

// TMemo ------------------------------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), FLines(*this) {
  SetBounds(0, 0, 185, 89);
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  params.TextAfterFont = true;
  if (!FWordWrap) params.Style |= ES_AUTOHSCROLL;
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth)
    params.Style |= WS_VSCROLL;
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth)
    params.Style |= WS_HSCROLL;
}

void TMemo::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  RecreateWnd();
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  RecreateWnd();
}

void TMemo::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_SHOWPENDINGLINES:
      ShowPendingLines();
      return;
    case WM_SETTEXT:
      FPendingLines.clear();  // the new text replaces them as well
      break;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case EM_GETLINECOUNT:
    case EM_GETLINE:
    case EM_LINEINDEX:
    case EM_LINELENGTH:
    case EM_LINEFROMCHAR:
      ShowPendingLines();
      break;
    default:
      break;
  }
  TCustomEdit::WndProc(message);
}

void TMemo::ShowPendingLines() {
  if (FPendingLines.empty() || !HandleAllocated()) return;
  String lines;
  lines.swap(FPendingLines);  // reading the text below comes back here: nothing is pending then
  AppendToWindow(lines);
}

void TMemo::AppendToWindow(const String& text) {
  HWND window = Handle();
  const int length = ::GetWindowTextLengthW(window);
  String addition = text;
  if (length > 0) {
    const LRESULT lastLine = ::SendMessageW(window, EM_GETLINECOUNT, 0, 0) - 1;
    const LRESULT lastLineStart = ::SendMessageW(window, EM_LINEINDEX, lastLine, 0);
    if (lastLineStart != length) addition.insert(0, L"\r\n");
  }
  ::SendMessageW(window, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
  ::SendMessageW(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(addition.c_str()));
}

bool TMemo::WantsKey(const MSG& msg) {
  if (msg.wParam == VK_ESCAPE) return false;
  if (msg.wParam == VK_RETURN) return !ReadOnly() && FWantReturns;
  return TCustomEdit::WantsKey(msg);
}

TStringList TMemoLines::Read() const {
  TStringList lines;
  lines.SetText(FMemo.Text());
  return lines;
}

int TMemoLines::Count() const {
  return Read().Count();
}

String TMemoLines::Strings(int index) const {
  return Read().Strings(index);
}

void TMemoLines::Add(const String& line) {
  if (!FMemo.HandleAllocated()) {
    const String& text = FMemo.StoredText();
    String tail;
    if (!text.empty() && text.back() != L'\n') tail = L"\r\n";
    tail += line;
    tail += L"\r\n";
    FMemo.AppendToStoredText(tail);
    return;
  }
  if (FMemo.FPendingLines.empty()) ::PostMessageW(FMemo.Handle(), CM_SHOWPENDINGLINES, 0, 0);
  FMemo.FPendingLines += line;
  FMemo.FPendingLines += L"\r\n";
}

void TMemoLines::Clear() {
  FMemo.SetText(L"");
}

String TMemoLines::Text() const {
  return FMemo.Text();
}

void TMemoLines::SetText(const String& text) {
  TStringList lines;
  lines.SetText(text);
  FMemo.SetText(lines.Text());
}

void TMemoLines::Assign(const TStringList& lines) {
  FMemo.SetText(lines.Text());
}

// TCustomLabel -----------------------------------------------------------------------------------

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == FShowAccelChar) return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  switch (FAlignment) {
    case TAlignment::taLeftJustify:
      flags |= DT_LEFT;
      break;
    case TAlignment::taRightJustify:
      flags |= DT_RIGHT;
      break;
    case TAlignment::taCenter:
      flags |= DT_CENTER;
      break;
  }
  return flags;
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || Loading()) return;
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  const String text = Caption().empty() ? String(L" ") : Caption();
  RECT r{0, 0, FWordWrap ? Width() : 0, 0};
  canvas.DrawText(text, r, TextFlags() | DT_CALCRECT);
  int left = Left();
  const int width = FWordWrap ? Width() : static_cast<int>(r.right);
  if (FAlignment == TAlignment::taRightJustify) left += Width() - width;
  SetBounds(left, Top(), width, r.bottom);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  if (!FTransparent) {
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(Font());
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  const UINT flags = TextFlags();
  if (FLayout != TTextLayout::tlTop) {
    RECT measured = r;
    canvas.DrawText(Caption(), measured, flags | DT_CALCRECT);
    const int free = (r.bottom - r.top) - (measured.bottom - measured.top);
    r.top += FLayout == TTextLayout::tlCenter ? free / 2 : free;
  }
  canvas.DrawText(Caption(), r, flags);
}

void TCustomLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

void TCustomLabel::TextChanged() {
  AdjustBounds();
  TGraphicControl::TextChanged();
}
