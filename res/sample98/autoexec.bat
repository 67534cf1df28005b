@ECHO OFF
SET BLASTER=A220 I5 D1 H5 P330 T6
SET PATH=C:\WINDOWS;C:\WINDOWS\COMMAND
SET TEMP=C:\WINDOWS\TEMP
mode con codepage prepare=((850) C:\WINDOWS\COMMAND\ega.cpi)
mode con codepage select=850
keyb gr,,C:\WINDOWS\COMMAND\keyboard.sys
REM Von Windows-Setup hinzugefügt
LH C:\WINDOWS\COMMAND\MSCDEX.EXE /D:MSCD001 /L:E
