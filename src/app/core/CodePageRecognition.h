#pragma once
// Recognising the code page of a file from its bytes, for files whose name doesn't tell.
//
// UTF-8 is recognised by its form: well formed with at least one sequence of several bytes.
// The five 8-bit code pages are told apart by a model of Czech text: how likely each letter is
// after another (45 classes: non-letters, a-z, the 16 Czech and Slovak accented letters, other
// letters, other bytes; case folded), counted at compile time from the text in
// CzechModelText.h. Each code page decodes the sample and is scored by the model, with a penalty
// for a capital accented letter right after a small letter; the best wins when it leads clearly.
// Qt-free.
#include "CodePages.h"

#include <optional>
#include <string_view>

// The code page `bytes` are most likely written in, or none when they don't tell: pure ASCII,
// too few accented letters to tell the code pages apart, or bytes that don't look like text.
// When several code pages give the same text, `preferred` is taken if it is one of them. A large
// file is judged by samples from its beginning, middle and end.
std::optional<TBedCodePage> RecogniseCodePage(std::string_view bytes, TBedCodePage preferred);
