// The texts an IDE uses for its project folders ("Borland Studio Projects", "RAD Studio",
// "Projects"), in the user's language when the IDE has a language module for it. On Windows the
// English text is looked up among the string resources of the IDE's core package
// (RootDir\Bin\coreide<suffix>.bpl) and the text of the same identifier read from the language
// module beside it (extension: the three-letter language abbreviation, else its first two
// letters). Where that is not possible (no module, no such text, no Windows) the English text is
// the answer. Nothing raises.
#pragma once

#include "core/String.h"

class TIdeResourceTexts {
 public:
  TIdeResourceTexts(const String& RootDir, int IDEVersionNumber);
  // The localised form of an English text.
  String Text(const String& English) const;

 private:
  String FCorePackage;  // empty when the generation has no core IDE suffix
};
