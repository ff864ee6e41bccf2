#pragma once
// CP 1250 <-> Unicode for the boundaries of the program (painting, keyboard, clipboard, file
// dialogs). The text itself stays in CP 1250.

char16_t Cp1250ToUnicode(unsigned char byte);
// The CP 1250 byte of a code point, or -1 when CP 1250 has no such character.
int UnicodeToCp1250(char32_t codePoint);
