/* Poèítadlo slov: ète text v kódování CP 1250
   a vypisuje èetnost kadého slova.   */
#include <stdio.h>
#include "slovník.h" /* hlavièka
   se seznamem slov */ // a zbytek øádku
#define MAX_SLOV 1024
#define ÈTVEREC(x) ((x) * \
	(x))
#define PRÁZDNÉ \

int po_prázdném_øádku = 0;
#define S_KOMENTÁØEM(a) \
/* zaèíná komentáøem */ (a) + \
	1 // konec
#define DÌLENÍ(a, b) ((a) / (b)) /*/ poøád komentáø */ - 1
#if defined(MAX_SLOV) && MAX_SLOV > 0
#  pragma once
#endif
	# define ODSAZENO 1
int x = 1 # tohle u je direktiva
#define PØED_KONCEM \
  (1 + 2) /* otevøenı
a zavøenı */ + 3

typedef unsigned long ulong;
static const char* jméno = "Jan \"Honza\" Novák\\";
static const char apostrof = '\'', lomítko = '\\', nula = '\0';
const char *nedokonèenı = "bez konce øádku
wchar_t w = L'';
int èísla[] = {0, 077, 0x1FUL, 1.5e3, 1e-3, 12u, 3.14159L, 0XABCDEFl, 1..2};

class Slovník : public Základ {
public:
	explicit Slovník(int velikost) : velikost_(velikost) {}
	virtual ~Slovník() = default;
	If (x) return;  // velké If je identifikátor
	bool najdi(const char* slovo) const;
private:
	int velikost_;
};

template <typename T>
inline T maximum(T a, T b) { return a > b ? a : b; }

int main(int argc, char** argv)
{
	int i = 0, j = 10, k;
	i++; j--; i += 2; j -= 3; i *= 4; j /= 5; i %= 6;
	k = i << 2; k <<= 1; k = j >> 1; k >>= 2; k &= 0xFF; k |= 1; k ^= 2;
	if (i == j || i != k && !(i <= j) && i >= k) k = ~k;
	Slovník* s = new Slovník(MAX_SLOV); s->najdi("a"); std::size_t n = sizeof s;
	for (auto& [klíè, hodnota] : mapa) printf("%s=%d\n", klíè, hodnota);
	asm mov eax, 1;
	__asm { nop }
	int* p = &i; int q = *p; q = q ? q : -q; void f(...);
	x = a.b; x = $ @ ` \ ; /* neplatné znaky */
	return dynamic_cast<int>(reinterpret_cast<long>(static_cast<short>(const_cast<int&>(i))));
}
/* Dlouhı øádek: Pøíliš luouèkı kùò úpìl ïábelské ódy, pøíliš luouèkı kùò úpìl ïábelské ódy, pøíliš luouèkı kùò úpìl ïábelské ódy, pøíliš luouèkı kùò úpìl ïábelské ódy. */ int konec = 0; // a ještì komentáø na konci dlouhého øádku, kterı pokraèuje dál a dál a dál a dál a dál
/* komentáø
   pøes tøi
   øádky */ int za_komentáøem;
/**/ /***/ /* * / */
