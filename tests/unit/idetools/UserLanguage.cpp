#include "UserLanguage.h"

#include <windows.h>

String UserLanguageAbbreviation() {
  WCHAR abbreviation[16] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, abbreviation, 16);
  return abbreviation;
}
