* Ukázkový program ve FoxPro: seznam zákazníkù
*! hlavièka s vykøièníkem je také komentáø
  * odsazená hvìzdièka komentáøem není
SET TALK OFF
SET EXACT ON
CLEAR
USE zakaznik IN 0 ALIAS zak && otevøe tabulku
SELECT zak
LOCAL lnPocet, lcJmeno, ldDatum
lnPocet = 0
ldDatum = {^2000-01-01}
SCAN FOR zak.aktivni = .T. .AND. !DELETED()
	lnPocet = lnPocet + 1
	lcJmeno = ALLTRIM(zak.jmeno) + ' ' + "Pøíjmení"
	IF lnPocet * 2 >= 10 .OR. .NOT. zak.vip
		? lcJmeno
	ENDIF
ENDSCAN
@ 1,1 SAY "Poèet: " + STR(lnPocet, 5)
x = 1.5E3 + 0x1F - 2.0f * 3
IF x == 100 .and. x <> 0 .Or. x <= 1 .OR. y = .F.
	x = .NULL.
ENDIF
y = a << 2 && posun
lcText = "neukonèený
lcText = 'také neukonèený
lcText = {neukonèená závorka
lcText = [hranatá] + "žluouèký ""kùò"""
DO WHILE .t.
	EXIT
ENDDO
RETURN lnPocet & lcMakro # $ \ ` }
