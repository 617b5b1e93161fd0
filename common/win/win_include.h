// The one door through which Windows headers enter our Windows code. The platform-free core
// never includes this file; the native build proves it.
#pragma once

#ifndef _WIN32
#error "Windows glue included in a platform-free build"
#endif

#include <windows.h>
