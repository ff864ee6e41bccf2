' Ukázkovı skript VBScript: poèítá øádky v souboru
Option Explicit

Rem Rem je vyhrazené slovo, ne komentáø
Dim fso, soubor, pocet, radek, datum
Const JEN_CIST = 1

Set fso = CreateObject("Scripting.FileSystemObject")
datum = #1/1/2000#
If fso.FileExists("c:\data\vstup.txt") Then
	Set soubor = fso.OpenTextFile("c:\data\vstup.txt", JEN_CIST)
	pocet = 0
	Do While Not soubor.AtEndOfStream
		radek = soubor.ReadLine
		If Len(radek) > 0 And Left(radek, 1) <> "'" Then
			pocet = pocet + 1
		End If
	Loop
	soubor.Close
Else
	WScript.Echo "Soubor chybí: ""vstup.txt"""
End If

WScript.Echo "Poèet øádkù: " & pocet & vbCrLf & "a""b"
x = 1.5E3 + 2e-1 * 10 / 3 - 7 Mod 2
If x <= 100 Or x >= 200 Then x = -x
s = """uvozovky""" & "neukonèenı øetìzec
d = #neukonèené datum
Private Function Nasob(ByVal a, ByRef b)
	Nasob = a * b	' násobení
End Function
Select Case pocet
	Case 0: WScript.Echo "ádnı"
	Case Else: WScript.Echo "Pøíliš luouèkı kùò"
End Select
Randomize : z = Rnd ^ 2 ' $ % ? @ [ ] \ ` | ~
