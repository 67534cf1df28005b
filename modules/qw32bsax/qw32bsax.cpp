// qw32bsax.ocx: Platzhalter für das Sicherungs-Modul von Quellwerk, das noch nicht geliefert wird.
// It holds no control yet; its version resource is what the service page
// reads.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
