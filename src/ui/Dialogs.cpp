#include "ui/Dialogs.h"

#include <algorithm>

#include "ui/Forms.h"
#include "ui/StdCtrls.h"

bool InputQuery(const String& caption, const String& prompt, String& value) {
  TForm form(nullptr);
  form.SetPixelsPerInch(Screen().PixelsPerInch());  // laid out in the screen's pixels
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetPosition(TPosition::poScreenCenter);
  form.SetCaption(caption);
  constexpr int margin = 8;
  constexpr int width = 300;

  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetCaption(prompt);
  label->SetBounds(margin, margin, label->Width(), label->Height());

  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(margin, label->Top() + label->Height() + 4, width - 2 * margin, 21);
  edit->SetText(value);

  const int buttonTop = edit->Top() + edit->Height() + 12;
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->SetCaption(L"OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  ok->SetBounds(width - 2 * (75 + margin), buttonTop, 75, 25);

  auto* cancel = new TButton(&form);
  cancel->SetParent(&form);
  cancel->SetCaption(L"Cancelar");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  cancel->SetBounds(width - 75 - margin, buttonTop, 75, 25);

  form.SetClientSize(std::max(width, label->Width() + 2 * margin), buttonTop + 25 + margin);
  form.SetActiveControl(edit);
  edit->SelectAll();
  if (form.ShowModal() != mrOk) return false;
  value = edit->Text();
  return true;
}

String InputBox(const String& caption, const String& prompt, const String& defaultValue) {
  String value = defaultValue;
  return InputQuery(caption, prompt, value) ? value : defaultValue;
}
