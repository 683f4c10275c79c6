#pragma once
// Control identifiers of the about box's dialog resource.
#define IDD_ABOUT 3100
#define IDC_ABOUT_ICON 3101
#define IDC_ABOUT_APPNAME 3102
#define IDC_ABOUT_VERNO 3103
#define IDC_ABOUT_LINE 3104
#define IDC_ABOUT_RULE 3105
#define IDC_ABOUT_URL1 3106
#define IDC_ABOUT_URL2 3107
