#pragma once
// The print dialog's resource and its controls (Button1 and Button2 are IDOK and IDCANCEL).
#define ZEF_PRINT_DIALOG 300
#define IDC_LEFTMARGIN 301
#define IDC_LEFTMARGIN_UPDOWN 302
#define IDC_RIGHTMARGIN 303
#define IDC_RIGHTMARGIN_UPDOWN 304
#define IDC_TOPMARGIN 305
#define IDC_TOPMARGIN_UPDOWN 306
#define IDC_BOTTOMMARGIN 307
#define IDC_BOTTOMMARGIN_UPDOWN 308
#define IDC_COLNUM 309
#define IDC_HEADERSTR 310
#define IDC_BUTTON3 311
#define IDC_HEADERALIGN 312
#define IDC_FOOTERSTR 313
#define IDC_BUTTON4 314
#define IDC_FOOTERALIGN 315
#define IDC_PRINTERNAME 316
#define IDC_FONTNAME 317
#define IDC_FONTSIZE 318
#define IDC_BUTTON5 319
#define IDC_BUTTON6 320
#define IDC_BUTTON7 321
// The placeholder menu's entries: this plus the entry's index.
#define IDM_PLACEHOLDER 400
