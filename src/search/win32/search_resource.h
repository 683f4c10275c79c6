#pragma once
// The dialog templates of data/resources/search.rc and their controls.
#define IDD_SEARCH 3100
#define IDD_REPLACE 3101
#define IDD_JUMP 3102
#define IDD_REPLACE_CONFIRM 3103

#define IDC_COMBOBOX1 3110
#define IDC_COMBOBOX2 3111
#define IDC_UP 3112
#define IDC_DOWN 3113
#define IDC_MATCHCASE 3114
#define IDC_WHOLEWORD 3115
#define IDC_ESC 3116
#define IDC_REPLACECONFIRM 3117
#define IDC_SCHHISDEL 3118
#define IDC_REPHISDEL 3119
#define IDC_ALL 3120
#define IDC_EDIT1 3121
#define IDC_CONFIRM_ICON 3122
