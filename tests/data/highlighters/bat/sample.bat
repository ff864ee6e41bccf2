@echo off
rem Záloha dokumentù – ukázka dávkového souboru
REM velkými písmeny
:: dvojteèky jsou také komentáø
:zaèátek
if "%1"=="" goto nápovìda
set CÍL=%2
if not exist %CÍL% md %CÍL%
for %%f in (*.txt *.doc) do copy %%f %CÍL%\%%f
call zaloha.bat %1 %PATH%
echo Hotovo: %1 soubor(ù) 12 3.5
shift
if errorlevel 1 goto konec
remove x
rset x
Rem Rem
pause
goto :eof
:nápovìda
ECHO Použití: záloha.bat zdroj cíl
:konec
