// Stands in for ghostrecon.exe when the launch is timed: a program with a window subsystem, as
// the game has, that ends as soon as it starts, so that only the launcher's own work is measured.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
