// Resource ids of the plug-in DLL, shared by the resource script and the code.
#pragma once

#define IDS_UNSHARP_AREA 1
#define IDS_UNSHARP_STRENGTH 2
#define IDS_UNSHARP_THRESHOLD 3
#define IDS_PRINTER_CALIBRATED 4
#define IDS_OEM_UI_CUSTOMIZATION 5
#define IDS_SMEAR_CONTROL 6
#define IDS_ERROR_MESSAGE 7
