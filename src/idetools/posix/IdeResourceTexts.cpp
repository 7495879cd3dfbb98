// Natively there are no Windows resource modules: the English texts are the answer.
#include "idetools/IdeResourceTexts.h"

TIdeResourceTexts::TIdeResourceTexts(const String&, int) {}

String TIdeResourceTexts::Text(const String& English) const {
  return English;
}
