#pragma once
// Typing on the other keyboard layout and with "y" and "z" exchanged, applied to CP 1250
// characters as they are typed. Qt-free.

// The character the same key gives on the other keyboard: English digits and signs become the
// Czech letters on their keys, Czech letters the English signs; anything else stays. One
// lookup only: a character produced so is not mapped again.
char OtherKeyboardChar(char c);

// y <-> z and Y <-> Z; anything else stays.
char SwapYZ(char c);

// What the typed-character handler makes of a character: the other keyboard first when it was
// asked for (the request is used up by any character, also one it leaves alone), then the y/z
// swap when it is on.
char TypedChar(char c, bool& otherKeyboardNext, bool swapYZ);
