@echo off
REM Diese Datei wird ausgeführt, wenn Sie in den MS-DOS-Modus wechseln.
C:\WINDOWS\COMMAND\MSCDEX.EXE /D:MSCD001
LH C:\WINDOWS\COMMAND\DOSKEY.COM
C:\MAUS\MOUSE.COM
