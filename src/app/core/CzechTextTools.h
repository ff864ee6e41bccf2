#pragma once
// The Czech text tools that change letters in place: the case of the block and the diacritics
// of the whole document. They write through a text-tool edit. Qt-free.
#include "BedEditTypes.h"

class TBedTextToolEdit;

enum class TBedCaseChange { Upper, Lower, Swap };

// Changes the case of the selected text from `from` to `to` (ordered, as SelFrom and SelTo
// give them): in normal mode from from.X on the first line to before to.X on the last, whole
// lines between; in line mode the whole lines; a column block its rectangle, whichever way it
// was dragged. Lines shorter than a column block change up to their end.
void ChangeCaseOfBlock(TBedTextToolEdit& edit, TBedPoint from, TBedPoint to, TBedSelectionMode mode,
                       TBedCaseChange change);

// Replaces every letter with diacritics in the whole document by its plain letter.
void RemoveDiacritics(TBedTextToolEdit& edit);
