#!/usr/bin/tclsh
# Ukázkový skript Tcl/Tk – poèítadlo kliknutí
package require Tk
set poèet 0
proc zvyš {} {
	global poèet
	incr poèet
	.l configure -text "Kliknuto: $poèet"
}
button .b -text "Klikni" -command zvyš
label .l -text "Kliknuto: 0"
pack .b .l -side top
Puts stdout [expr $poèet * 3.14]; # komentáø za støedníkem
foreach x {1 2 3} { lappend seznam [expr {$x / 2}] }
set y [expr 10 / 5]
// i dvì lomítka zaèínají komentáø
/* není komentáø */ set z 1..5
set s "neukonèený øetìzec
set t """uvozovky"" a dál"
tk_messageBox -message "Hotovo" ; TK_CHOOSECOLOR CheckButton mojeslovo Zvláštní
if {$x == 1e5} then {puts ahoj} else {puts "ne"}
