Attribute VB_Name = "Pomocne"
' Modul s pomocnými funkcemi pro práci s textem
Option Explicit

Public Const MAX_DELKA As Integer = 255
Private pocitadlo As Long

Public Function Orizni(ByVal text As String, Optional ByVal delka As Integer = 10) As String
	Dim i As Integer, vysledek$
	If Len(text) > delka Then
		vysledek$ = Left$(text, delka) & "…"
	Else
		vysledek$ = Trim$(text)
	End If
	For i = 1 To Len(vysledek$) Step 2
		pocitadlo = pocitadlo + 1
	Next i
	Orizni = vysledek$
End Function

Rem Toto není komentáø: Rem není vyhrazené slovo
Sub Ukaz()
	Dim d As Date
	d = #12/31/1999#
	MsgBox "Dnešní datum: " & Format(d, "dd.mm.yyyy"), vbInformation, "Ukázka"
	If d <= Now Then Debug.Print "Pøíliš ""žluouèký"" kùò"
	x = &HFF + 1.5E3 - 3#
	On Error GoTo Chyba
	Exit Sub
Chyba:
	MsgBox Err.Description: Resume Next
End Sub
