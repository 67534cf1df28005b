// qw32expr.exe: Platzhalter für die Quellwerk-Erweiterung QEXT, die noch nicht geliefert wird.
// Started, it says so.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(nullptr, "Platzhalter für die Quellwerk-Erweiterung QEXT, die noch nicht geliefert wird.", "Quellwerk",
                MB_OK | MB_ICONINFORMATION);
    return 0;
}
