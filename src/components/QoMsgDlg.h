// TQoMsgDlg: a non-visual component that builds a small message dialog at run time (a stock icon,
// a TQoInternalLabel with the text and its markup, a row of buttons with Portuguese captions) and
// shows it. Execute and the Msg* family return the dialog's modal result (MsgCustom: the 1-based
// index of the pressed caption, 0 for Esc or the close box). MsgTime shows a dialog that closes
// itself after some seconds and returns 0 at once; while one is showing, every call on the same
// component shows such a timed dialog too and returns 0. The modal dialog lives for one call; a
// timed dialog frees itself when its time is up, or with the component. The dialog's own message
// loop keeps the program's other windows handling messages. Windows only; raises only what the
// toolkit raises when a window cannot be created.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/Dialogs.h"
#include "ui/Forms.h"

enum class TQoBeepSound { bsNone, bsAsterix, bsCriticalStop, bsDefault, bsExclamation, bsQuestion };
enum class TQoMsgDlgStyle { msCenter, msPosition };

class TQoMsgDlg : public TComponent {
 public:
  explicit TQoMsgDlg(TComponent* owner);
  ~TQoMsgDlg() override;

  TQoBeepSound BeepSound() const { return FBeepSound; }
  void SetBeepSound(TQoBeepSound value) { FBeepSound = value; }
  int BtnHeight() const { return FBtnHeight; }
  void SetBtnHeight(int value) { FBtnHeight = value; }
  int BtnSpace() const { return FBtnSpace; }
  void SetBtnSpace(int value) { FBtnSpace = value; }
  int BtnWidth() const { return FBtnWidth; }
  void SetBtnWidth(int value) { FBtnWidth = value; }
  TFont& ButtonFont() { return FButtonFont; }
  void SetButtonFont(const TFont& font) { FButtonFont.Assign(font); }
  TMsgDlgButtons Buttons() const { return FButtons; }
  void SetButtons(TMsgDlgButtons value) { FButtons = value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  TMsgDlgBtn DefaultButton() const { return FDefaultButton; }
  void SetDefaultButton(TMsgDlgBtn value) { FDefaultButton = value; }
  uint8_t Indent() const { return FIndent; }
  void SetIndent(uint8_t value) { FIndent = value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  wchar_t LineSeparator() const { return FLineSeparator; }
  void SetLineSeparator(wchar_t value) { FLineSeparator = value; }
  TFont& MessageFont() { return FMessageFont; }
  void SetMessageFont(const TFont& font) { FMessageFont.Assign(font); }
  TMsgDlgType MessageType() const { return FMessageType; }
  void SetMessageType(TMsgDlgType value) { FMessageType = value; }
  int PosLeft() const { return FPosLeft; }
  void SetPosLeft(int value) { FPosLeft = value; }
  int PosTop() const { return FPosTop; }
  void SetPosTop(int value) { FPosTop = value; }
  bool ShowIcon() const { return FShowIcon; }
  void SetShowIcon(bool value) { FShowIcon = value; }
  // The platform's buttons carry no pictures; kept for stored settings.
  bool ShowGlyph() const { return FShowGlyph; }
  void SetShowGlyph(bool value) { FShowGlyph = value; }
  TQoMsgDlgStyle Style() const { return FStyle; }
  void SetStyle(TQoMsgDlgStyle value) { FStyle = value; }
  const String& Text() const { return FText; }
  void SetText(const String& value) { FText = value; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& value) { FTitle = value; }
  // Called, with this component as sender, when a dialog window is shown.
  TNotifyEvent OnShow;

  // Builds and shows a dialog from the properties: the modal result, or 0 for a timed message.
  int Execute();
  // Sets Text, MessageType, Buttons and HelpContext, clears Title, then Execute.
  uint16_t MessageDlg(const String& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx);
  uint16_t MsgConfirmation(const String& msg);
  uint16_t MsgConfirmationEx(const String& msg);
  uint16_t MsgInformation(const String& msg);
  uint16_t MsgError(const String& msg);
  uint16_t MsgWarning(const String& msg);
  uint16_t MsgWarningEx(const String& msg);
  // A non-modal information message that closes itself after seconds; always 0.
  uint16_t MsgTime(const String& msg, uint16_t seconds);
  // Buttons captioned by captions (at most 12); 1-based index of the pressed one, 0 for Esc.
  uint16_t MsgCustom(const String& msg, TMsgDlgType type, const std::vector<String>& captions);
  // Adapts fonts and sizes when the owner form was laid out for another pixel density.
  void Loaded() override;

  // The dialog the next Execute would show, built but not shown (named parts: "Image",
  // "Message", and the buttons "Btn1" to "Btn12").
  std::unique_ptr<TForm> BuildDialog();
  // The caption a timed dialog shows after a tick, with remaining seconds left.
  static String TimedCaption(const String& caption, int remaining);

 protected:
  // Plays the platform's message beep of that type (MessageBeep); tests record it instead.
  virtual void Beep(UINT type) const;

 private:
  void PlaceDialog(TForm& dialog) const;
  void PlaySound() const;
  int ShowDialog(std::unique_ptr<TForm> dialog);
  uint16_t Shortcut(const String& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                    TQoBeepSound sound);
  void ShowTimed(std::unique_ptr<TForm> dialog);

  TQoBeepSound FBeepSound = TQoBeepSound::bsNone;
  int FBtnHeight = 25;
  int FBtnSpace = 15;
  int FBtnWidth = 75;
  TFont FButtonFont;
  TMsgDlgButtons FButtons{TMsgDlgBtn::mbOK};
  TColor FColor = clBtnFace;
  TMsgDlgBtn FDefaultButton = TMsgDlgBtn::mbYes;
  uint8_t FIndent = 14;
  int FHelpContext = 0;
  wchar_t FLineSeparator = L'|';
  TFont FMessageFont;
  TMsgDlgType FMessageType = TMsgDlgType::mtWarning;
  int FPosLeft = 0;
  int FPosTop = 0;
  bool FShowIcon = true;
  bool FShowGlyph = false;
  TQoMsgDlgStyle FStyle = TQoMsgDlgStyle::msCenter;
  String FText;
  String FTitle;

  TForm* FOwnerForm;
  bool FTimerMsg = false;
  uint16_t FTimerSeconds = 0;
  std::vector<TForm*> FTimedDialogs;  // showing; each frees itself, or is freed with us
};
