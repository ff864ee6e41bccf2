REM Skript pro Oracle – údržba tabulek
REMARK i delší tvar je komentáø
rem malými písmeny též
CREATE OR REPLACE TRIGGER trg_objednavky
	BEFORE INSERT OR UPDATE ON objednavky FOR EACH ROW
DECLARE
	v_poèet NUMBER(10) := 0;
	v_text VARCHAR2(200);
BEGIN
	IF INSERTING THEN
		:new.vytvoreno := SYSDATE;
	ELSIF UPDATING THEN
		v_text := TO_CHAR(:old.cena) || ' -> ' || NVL(TO_CHAR(:new.cena), 'nic');
	END IF;
	SELECT COUNT(*) INTO v_poèet FROM sklad@vzdalena WHERE kod = :new.kod;
EXCEPTION
	WHEN NO_DATA_FOUND THEN NULL;
	WHEN TOO_MANY_ROWS OR DUP_VAL_ON_INDEX THEN
		RAISE_APPLICATION_ERROR(-20001, 'Pøíliš mnoho øádkù');
	WHEN OTHERS THEN RAISE;
END;
/
DESCRIBE objednavky
DESC objednavky
DISC
SELECT kod, SUBSTR(nazev, 1, 20), ADD_MONTHS(datum, 3) FROM sklad WHERE rowid = :r; -- konec
/* komentáø
*/ COMMIT;
