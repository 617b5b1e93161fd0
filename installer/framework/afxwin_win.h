// The launcher's application framework: the few classes and functions of the class library that
// the launcher is written against, as a thin layer over Win32.
#pragma once

#include "dialog_win.h"
#include "message_map_win.h"
#include "win_app_win.h"
