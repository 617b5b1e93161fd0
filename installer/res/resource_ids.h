// Resource ids of the launcher, shared by the resource script and the code.
#pragma once

#define IDD_QZRINST_DIALOG 102
#define IDR_MAINFRAME 128
