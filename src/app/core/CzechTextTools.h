#pragma once
// The Czech text tools that change letters in place: the case of the block and the diacritics
// of the whole document. They write through a text-tool edit. Qt-free.
#include "BedEditTypes.h"

class TBedTextToolEdit;

enum class TBedCaseChange { Upper, Lower, Swap };

// Changes the case of the columns from.X .. to.X - 1 on every line from from.Y to to.Y (the
// block is taken as a rectangle in every selection mode: of a normal selection over several
// lines only that band changes). A column block may have been dragged leftwards, so its two
// columns are taken in order. Lines shorter than the band change up to their end.
void ChangeCaseOfBlock(TBedTextToolEdit& edit, TBedPoint from, TBedPoint to,
                       TBedSelectionMode mode, TBedCaseChange change);

// Replaces every Czech letter with diacritics in the whole document by its plain letter.
void RemoveDiacritics(TBedTextToolEdit& edit);
