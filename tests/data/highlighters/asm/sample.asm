; Ukázkovı program v assembleru x86: vıpis øetìzce
# komentáø s møíkou
// komentáø se dvìma lomítky
	.model small
	.stack 100h
	.data
zprava	db "Pøíliš luouèkı kùò", 0Dh, 0Ah, "$"
prazdny	db "", 0
uvozovky db """citát""", 0
dvojite	db "a""b", 0
neukoncen db "neukonèenı øetìzec
apostrof db 'A', 0
cisla	dw 1234, 0FFFFh, 101b, 1.5e3, 777o, 12x
	.code
start:
	MOV	AX, @data
	mov	ds, ax
	Mov	dx, OFFSET zprava	; adresa zprávy
	mov	ah, 09h
	int	21h
@@smycka:
	cmp	cx, 10
	jae	@@konec
	inc	cx
	movs	byte ptr [di], [si]
	lea	bx, [bx+si*2-4]
	jmp	@@smycka
@@konec:
	mov	ax, 4C00h	// konec programu
	int	21h
	mov2	eax, ebx ; mov2 není instrukce
	cmp	ax, bx <> cx <= dx >= si
	ret ! $ % ? ` | ~ \ &
end start
