#include "components/QoMsgDlg.h"

#include <algorithm>
#include <cmath>

#include "components/QoInternalLabel.h"
#include "core/Format.h"
#include "ui/ExtCtrls.h"
#include "ui/StdCtrls.h"

namespace {

// The dialog window; it tells its component when it is freed (timed dialogs free themselves).
class TMessageDialogForm : public TForm {
 public:
  using TForm::TForm;
  ~TMessageDialogForm() override {
    if (OnFree) OnFree();
  }
  std::function<void()> OnFree;
};

struct TButtonKind {
  const wchar_t* Caption;
  TModalResult Result;
};

// By TMsgDlgBtn, in enumeration order; the button of kind k is named "Btn" + (k + 1).
constexpr TButtonKind ButtonKinds[MsgDlgBtnCount] = {
    {L"&Sim", mrYes},
    {L"&Não", mrNo},
    {L"&OK", mrOk},
    {L"&Cancelar", mrCancel},
    {L"&Abortar", mrAbort},
    {L"&Repetir", mrRetry},
    {L"&Ignorar", mrIgnore},
    {L"&Todos", mrAll},
    {L"Não To&dos", mrNoToAll},
    {L"S&im Todos", mrYesToAll},
    {L"A&juda", mrNone},
    {L"&Fechar", mrClose},
};

String ButtonName(int index) {
  return L"Btn" + IntToStr(index + 1);
}

String TypeCaption(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning:
      return L"Atenção";
    case TMsgDlgType::mtError:
      return L"Erro";
    case TMsgDlgType::mtInformation:
      return L"Informação";
    case TMsgDlgType::mtConfirmation:
      return L"Confirmação";
    case TMsgDlgType::mtCustom:
      break;
  }
  return UiApplication().Title();
}

void SetTypeIcon(TImage& image, TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning:
      image.SetStockIcon(IDI_EXCLAMATION);
      return;
    case TMsgDlgType::mtError:
      image.SetStockIcon(IDI_HAND);
      return;
    case TMsgDlgType::mtInformation:
      image.SetStockIcon(IDI_ASTERISK);
      return;
    case TMsgDlgType::mtConfirmation:
      image.SetStockIcon(IDI_QUESTION);
      return;
    case TMsgDlgType::mtCustom:
      image.SetSharedIcon(UiApplication().Icon());
      return;
  }
}

UINT BeepType(TQoBeepSound sound) {
  switch (sound) {
    case TQoBeepSound::bsAsterix:
      return 0x40;
    case TQoBeepSound::bsCriticalStop:
      return 0x10;
    case TQoBeepSound::bsDefault:
      return 1;
    case TQoBeepSound::bsExclamation:
      return 0x30;
    case TQoBeepSound::bsQuestion:
      return 0x20;
    case TQoBeepSound::bsNone:
      break;
  }
  return 0;
}

// value × to / from, to the nearest integer (a half to the even neighbour).
int Rescale(int value, int to, int from) {
  return static_cast<int>(std::nearbyint(static_cast<double>(value) * to / from));
}

}  // namespace

TQoMsgDlg::TQoMsgDlg(TComponent* owner)
    : TComponent(owner), FOwnerForm(dynamic_cast<TForm*>(owner)) {}

TQoMsgDlg::~TQoMsgDlg() {
  for (TForm* dialog : std::vector<TForm*>(FTimedDialogs)) {
    static_cast<TMessageDialogForm*>(dialog)->OnFree = nullptr;
    delete dialog;
  }
}

std::unique_ptr<TForm> TQoMsgDlg::BuildDialog() {
  auto dialog = std::make_unique<TMessageDialogForm>(nullptr);
  TForm& form = *dialog;
  form.SetPixelsPerInch(Screen().PixelsPerInch());  // laid out in the screen's pixels
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetCaption(FTitle.empty() ? TypeCaption(FMessageType) : FTitle);
  form.SetColor(FColor);
  form.SetFormStyle(TFormStyle::fsStayOnTop);
  form.SetKeyPreview(true);
  form.OnKeyPress = [&form](TComponent*, wchar_t& key) {
    if (key == 27) form.SetModalResult(mrCancel);
  };
  form.OnKeyDown = [this](TComponent*, WORD& key, TShiftState shift) {
    if (FTimerMsg && key == VK_F4 && shift.Contains(TShiftStateMember::ssAlt)) key = 0;
  };
  form.OnShow = [this](TComponent*) {
    if (OnShow) OnShow(this);
  };

  const int indent = FIndent;
  int w = indent;
  int h = indent;
  if (FShowIcon) {
    auto* image = new TImage(&form);
    image->SetName(L"Image");
    image->SetParent(&form);
    SetTypeIcon(*image, FMessageType);
    const int iconWidth = image->Icon().Width();
    image->SetBounds(indent, indent, iconWidth, iconWidth);
    w = h = iconWidth + indent;
  }

  auto* label = new TQoInternalLabel(&form);
  label->SetName(L"Message");
  label->SetParent(&form);
  label->SetColor(FColor);
  label->SetFont(FMessageFont);
  String caption = FText;
  std::replace(caption.begin(), caption.end(), FLineSeparator, L'\r');
  label->SetCaption(caption);
  const RECT measured = label->MeasureOrDrawMarkup(form.ClientRect(), true);
  const int textWidth = measured.right - measured.left;
  const int textHeight = measured.bottom - measured.top;
  if (VisualStylesActive()) label->Font().SetColor(clWindowText);
  label->SetBounds(w + indent, std::max(indent, indent + (32 - textHeight) / 2), textWidth + 4,
                   textHeight);
  h = std::max(h, label->Top() + label->Height());
  w = label->Left() + label->Width() + 2 * indent;

  const int n = FButtons.Count();
  const int rowWidth = n * FBtnWidth + (n - 1) * FBtnSpace;
  int rowStart = (w - rowWidth) / 2;
  if (rowStart < 0) rowStart = indent;
  int x = rowStart;
  for (int kind = 0; kind < MsgDlgBtnCount; ++kind) {
    const auto btn = static_cast<TMsgDlgBtn>(kind);
    if (!FButtons.Contains(btn)) continue;
    auto* button = new TButton(&form);
    button->SetName(ButtonName(kind));
    button->SetParent(&form);
    button->SetCaption(ButtonKinds[kind].Caption);
    button->SetModalResult(ButtonKinds[kind].Result);
    button->SetFont(FButtonFont);
    button->SetBounds(x, h + indent, FBtnWidth, FBtnHeight);
    if (btn == TMsgDlgBtn::mbHelp)
      button->OnClick = [context = FHelpContext](TComponent*) {
        UiApplication().HelpContext(context);
      };
    if (btn == FDefaultButton) {
      button->SetDefault(true);
      button->SetTabOrder(0);
      form.SetActiveControl(button);
    }
    x += FBtnWidth + FBtnSpace;
  }
  h += n >= 1 ? FBtnHeight + 2 * indent : indent;
  if (w < rowWidth + 2 * rowStart) w = rowWidth + 2 * rowStart;
  form.SetClientSize(w, h);
  return dialog;
}

void TQoMsgDlg::PlaceDialog(TForm& dialog) const {
  dialog.SetPosition(TPosition::poDesigned);
  if (FStyle == TQoMsgDlgStyle::msPosition) {
    dialog.SetBounds(FPosLeft, FPosTop, dialog.Width(), dialog.Height());
    return;
  }
  dialog.SetBounds((Screen().Width() - dialog.Width()) / 2,
                   (Screen().Height() - dialog.Height()) / 2, dialog.Width(), dialog.Height());
}

void TQoMsgDlg::PlaySound() const {
  if (FBeepSound != TQoBeepSound::bsNone) Beep(BeepType(FBeepSound));
}

void TQoMsgDlg::Beep(UINT type) const {
  ::MessageBeep(type);
}

String TQoMsgDlg::TimedCaption(const String& caption, int remaining) {
  const size_t dash = caption.find(L'-');
  const String lead = dash == String::npos ? caption + L" - " : caption.substr(0, dash + 2);
  return lead + IntToStr(remaining) + L"s";
}

void TQoMsgDlg::ShowTimed(std::unique_ptr<TForm> dialog) {
  TForm* form = dialog.get();
  HWND window = form->Handle();
  ::EnableMenuItem(::GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  ::DrawMenuBar(window);
  auto* timer = new TTimer(form);
  timer->SetInterval(1000);
  timer->OnTimer = [this, form, timer, seconds = int{FTimerSeconds},
                    ticks = 0](TComponent*) mutable {
    ++ticks;
    form->SetCaption(TimedCaption(form->Caption(), seconds - ticks));
    if (ticks >= seconds) {
      FTimerMsg = false;
      timer->SetEnabled(false);
      form->Release();
    }
  };
  static_cast<TMessageDialogForm*>(form)->OnFree = [this, form] {
    FTimedDialogs.erase(std::remove(FTimedDialogs.begin(), FTimedDialogs.end(), form),
                        FTimedDialogs.end());
  };
  FTimedDialogs.push_back(dialog.release());
  form->Show();
}

int TQoMsgDlg::ShowDialog(std::unique_ptr<TForm> dialog) {
  PlaceDialog(*dialog);
  PlaySound();
  if (FTimerMsg) {
    ShowTimed(std::move(dialog));
    return 0;
  }
  return dialog->ShowModal();
}

int TQoMsgDlg::Execute() {
  return ShowDialog(BuildDialog());
}

uint16_t TQoMsgDlg::MessageDlg(const String& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpCtx) {
  FText = msg;
  FMessageType = type;
  FButtons = buttons;
  FHelpContext = helpCtx;
  FTitle.clear();
  return static_cast<uint16_t>(Execute());
}

uint16_t TQoMsgDlg::Shortcut(const String& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                             TQoBeepSound sound) {
  struct TRestoreSound {
    TQoBeepSound& Field;
    TQoBeepSound Saved;
    ~TRestoreSound() { Field = Saved; }
  } restore{FBeepSound, FBeepSound};
  FBeepSound = sound;
  return MessageDlg(msg, type, buttons, 0);
}

uint16_t TQoMsgDlg::MsgConfirmation(const String& msg) {
  return Shortcut(msg, TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo},
                  TQoBeepSound::bsQuestion);
}

uint16_t TQoMsgDlg::MsgConfirmationEx(const String& msg) {
  return Shortcut(msg, TMsgDlgType::mtConfirmation,
                  {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel},
                  TQoBeepSound::bsQuestion);
}

uint16_t TQoMsgDlg::MsgInformation(const String& msg) {
  return Shortcut(msg, TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK}, TQoBeepSound::bsDefault);
}

uint16_t TQoMsgDlg::MsgError(const String& msg) {
  return Shortcut(msg, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK}, TQoBeepSound::bsCriticalStop);
}

uint16_t TQoMsgDlg::MsgWarning(const String& msg) {
  return Shortcut(msg, TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK}, TQoBeepSound::bsExclamation);
}

uint16_t TQoMsgDlg::MsgWarningEx(const String& msg) {
  return Shortcut(msg, TMsgDlgType::mtWarning,
                  {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel},
                  TQoBeepSound::bsExclamation);
}

uint16_t TQoMsgDlg::MsgTime(const String& msg, uint16_t seconds) {
  FTimerMsg = true;
  FTimerSeconds = seconds;
  Shortcut(msg, TMsgDlgType::mtInformation, {}, TQoBeepSound::bsNone);
  return 0;
}

uint16_t TQoMsgDlg::MsgCustom(const String& msg, TMsgDlgType type,
                              const std::vector<String>& captions) {
  const int count = std::min(static_cast<int>(captions.size()), MsgDlgBtnCount);
  FText = msg;
  FMessageType = type;
  FButtons = {};
  for (int i = 0; i < count; ++i) FButtons.Include(static_cast<TMsgDlgBtn>(i));
  TCanvas measure;
  measure.Font().Assign(FButtonFont);
  for (int i = 0; i < count; ++i)
    FBtnWidth = std::max(FBtnWidth, measure.TextWidth(captions[static_cast<size_t>(i)]) + 12);
  FHelpContext = 0;
  FTitle.clear();
  std::unique_ptr<TForm> dialog = BuildDialog();
  for (int i = 0; i < count; ++i) {
    auto* button = dynamic_cast<TButton*>(dialog->FindComponent(ButtonName(i)));
    if (button == nullptr) continue;
    button->SetCaption(captions[static_cast<size_t>(i)]);
    button->SetDefault(false);
    button->SetModalResult(i + 3);
    button->OnClick = nullptr;  // a captioned Help button answers like the others
  }
  const int result = ShowDialog(std::move(dialog));
  return static_cast<uint16_t>(result >= 2 ? result - 2 : 0);
}

void TQoMsgDlg::Loaded() {
  TComponent::Loaded();
  if (FOwnerForm == nullptr) return;
  const int formDensity = FOwnerForm->PixelsPerInch();
  const int screenDensity = Screen().PixelsPerInch();
  if (formDensity <= 0 || formDensity == screenDensity) return;
  FButtonFont.SetSize(Rescale(FButtonFont.Size(), screenDensity, formDensity));
  FMessageFont.SetSize(Rescale(FMessageFont.Size(), screenDensity, formDensity));
  FBtnSpace = Rescale(FBtnSpace, screenDensity, formDensity);
  FBtnWidth = Rescale(FBtnWidth, screenDensity, formDensity);
  FBtnHeight = Rescale(FBtnHeight, screenDensity, formDensity);
  FIndent = static_cast<uint8_t>(std::clamp(Rescale(FIndent, screenDensity, formDensity), 0, 255));
}
