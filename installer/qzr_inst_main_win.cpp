// The program's one application object and its entry point.
#include "qzr_inst_app_win.h"

// No name: the title is the program file's name, "QZR-inst".
CQZRinstApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        return AfxWinMain();
    } catch (...) {
        return -1;
    }
}
