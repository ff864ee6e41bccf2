@echo off
rem Zálohuje dokumenty do adresáøe s dnešním datem.
rem Ukázka bìžného dávkového souboru: promìnné, podmínky, cykly a návìští.
setlocal
set ZDROJ=C:\Dokumenty
set CIL=D:\Zaloha
set POCET=0

if "%1"=="" goto spust
set CIL=%1

:spust
if not exist %ZDROJ% goto chyba
if not exist %CIL% mkdir %CIL%
echo Zálohuji %ZDROJ% do %CIL% ...
for %%f in (%ZDROJ%\*.txt %ZDROJ%\*.doc %ZDROJ%\*.xls) do call :kopiruj %%f
echo Hotovo, zkopírováno souborù: %POCET%
goto konec

:kopiruj
copy /y %1 %CIL% > nul
if errorlevel 1 echo Soubor %1 se nepodaøilo zkopírovat
set /a POCET=%POCET%+1
goto :eof

:chyba
echo Zdrojový adresáø %ZDROJ% neexistuje.
pause

:konec
endlocal
