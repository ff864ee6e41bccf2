#!/usr/bin/wish
# Okno se seznamem souborù k záloze a tlaèítkem, které je zkopíruje.
# Ukázka bìžného kódu v Tcl/Tk: procedury, seznamy, pole, soubory a prvky okna.

set nastaveni(zdroj) "/home/uzivatel/dokumenty"
set nastaveni(cil) "/mnt/zaloha"
set nastaveni(vynechat) {tmp cache kos}

proc seznamSouboru {adresar vynechat} {
	set vysledek {}
	foreach jmeno [lsort [glob -nocomplain -directory $adresar *]] {
		if {[lsearch -exact $vynechat [file tail $jmeno]] >= 0} {
			continue
		}
		lappend vysledek $jmeno
	}
	return $vysledek
}

proc zalohuj {} {
	global nastaveni
	set cil [file join $nastaveni(cil) [clock format [clock seconds] -format %Y-%m-%d]]
	file mkdir $cil
	set pocet 0
	foreach soubor [seznamSouboru $nastaveni(zdroj) $nastaveni(vynechat)] {
		if {[catch {file copy -force $soubor $cil} chyba]} {
			.stav configure -text "Chyba: $chyba"
			continue
		}
		incr pocet
		.seznam insert end [file tail $soubor]
	}
	.stav configure -text "Zkopírováno souborù: $pocet"
}

wm title . "Záloha dokumentù"
listbox .seznam -width 50 -height 15
label .stav -text "Pøipraveno" -anchor w
button .spust -text "Zálohovat" -command zalohuj
button .konec -text "Konec" -command exit
pack .seznam -side top -fill both -expand 1
pack .stav -side top -fill x
pack .spust .konec -side left -padx 4 -pady 4
