#pragma once
// Control identifiers of the about box's dialog resource.  Every dialog resource of the
// program needs its own number: search dialogs use 3100-3122, the about box 3200-3207.
#define IDD_ABOUT 3200
#define IDC_ABOUT_ICON 3201
#define IDC_ABOUT_APPNAME 3202
#define IDC_ABOUT_VERNO 3203
#define IDC_ABOUT_LINE 3204
#define IDC_ABOUT_RULE 3205
#define IDC_ABOUT_URL1 3206
#define IDC_ABOUT_URL2 3207
