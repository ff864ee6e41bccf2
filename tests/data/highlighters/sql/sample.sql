-- Pøehled objednávek (Sybase)
/* Víceøádkovı komentáø:
	obsahuje prázdnı øádek

a konèí a na zaèátku øádku
*/ select @@rowcount
declare @poèet int, @cena numeric(10,2)
select @pocet = count(*) from objednavky where stav = 'nová'
SELECT jmeno, pøíjmení, cena * 1.21 AS s_dph
	FROM zakaznici z, objednavky o
	WHERE z.id = o.zakaznik AND o.cena >= 1000.50 AND o.sleva <> 0
update sklad set mnozstvi = mnozstvi - 1, poznamka = 'øádek první
druhı øádek øetìzce

' where id = :id
insert into log values ("luouèkı kùò", "a""b", "c\"d", 'x')
if @@error != 0 begin raiserror 20001 'Chyba!' rollback tran end
select 12.5, 1-2, 1--x, 3..4, a-b, a--komentáø
select a||b, c|=d, e&&f, g&=h, i++, j+=k, l<=m, n<<o, p<<=q, r>>s, t!=u, v%=w, x^y, z/=1
print 'neukonèenı øetìzec
pokraèuje -- stále øetìzec
' + 'konec' + "jinı" /* jednoøádkovı */ + `x` # $ \ 
go
