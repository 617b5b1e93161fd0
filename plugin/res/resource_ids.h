// Resource ids of the plug-in DLL, shared by the resource script and the code.
#pragma once

#define IDS_UNSHARP_AREA 1
#define IDS_UNSHARP_STRENGTH 2
#define IDS_UNSHARP_THRESHOLD 3
#define IDS_PRINTER_CALIBRATED 4
#define IDS_OEM_UI_CUSTOMIZATION 5
#define IDS_SMEAR_CONTROL 6
#define IDS_ERROR_MESSAGE 7

// Property pages. Control ids are per dialog; the names carry their page.
#define IDD_VERSION_PAGE 106
#define IDD_COLOR_PAGE 120
#define IDB_MAKER_LOGO 124

#define IDC_VERSION_GPD_DATE 111
#define IDC_VERSION_UI_DATE 112
#define IDC_VERSION_RENDER_DATE 113
#define IDC_VERSION_MONITOR_DATE 114
#define IDC_VERSION_GAMMA_TEXT 115
#define IDC_VERSION_PROCESSOR_DATE 116
#define IDC_VERSION_ERROR_LABEL 1030
#define IDC_VERSION_GAMMA_LABEL 1031
