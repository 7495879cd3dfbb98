// Dialog kinds shared by the message dialogs, and the one-line input box: a small modal form
// with a prompt, an edit and the buttons "OK" and "Cancelar". InputQuery returns true and
// updates value when the user confirms; InputBox returns the default when cancelled. Windows only.
#pragma once

#include "core/String.h"
#include "ui/Sets.h"

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp,
  mbClose
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
constexpr int MsgDlgBtnCount = 12;

bool InputQuery(const String& caption, const String& prompt, String& value);
String InputBox(const String& caption, const String& prompt, const String& defaultValue);
