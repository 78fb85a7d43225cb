#pragma once
// Resource and control identifiers of Orbelune. Shared by the resource script,
// the program and its tests.

// Dialog templates
#define IDD_ABOUT 100
#define IDD_MAIN 102

// Strings
#define IDS_ABOUTBOX 101

// Menus
#define IDR_TRAY_MENU 136

// Bitmaps
#define IDB_SUMMARY 1017

// Icons
#define IDI_APP 128
#define IDI_EXIT 1009
#define IDI_SCREENSHOT 1020
#define IDI_REFRESH 1021
#define IDI_REPORT 1023
#define IDI_EXPLORE 1027
#define IDI_PROPERTIES 1029
#define IDI_FORMAT 1031
#define IDI_OPTIONS 1032
#define IDI_DEFRAG 1035
#define IDI_ABOUT 1037
#define IDI_REDUCE 1041
#define IDI_RENAME 1045
#define IDI_HOMEPAGE 1048
#define IDI_RECYCLE 1054
#define IDI_TRANSPARENCY 1056

// Controls of the main window (template 102)
#define IDC_DRIVE_LABEL 1060 // the drive list's name for screen readers, never drawn
#define IDC_DRIVE_COMBO 1000
#define IDC_VOLUME_NAME 1001
#define IDC_CAPACITY 1002
#define IDC_SERIAL 1003
#define IDC_FILE_SYSTEM 1004
#define IDC_MAX_NAME_LENGTH 1005
#define IDC_USED 1006
#define IDC_FREE 1007
#define IDC_DRIVE_GROUP 1008
#define IDC_SYSTEM_DRIVE 1009
#define IDC_SUMMARY_GROUP 1010
#define IDC_DRIVE_COUNT 1011
#define IDC_TOTAL_CAPACITY 1012
#define IDC_TOTAL_FREE 1013
#define IDC_FREE_BAR 1014
#define IDC_USED_BAR 1015
#define IDC_TOTAL_USED 1016
#define IDC_SUMMARY_PICTURE 1018
#define IDC_TOTAL_USED_BAR 1050
#define IDC_TOTAL_FREE_BAR 1051
#define IDC_TRANSPARENCY 1055

// Controls of the about box (template 100)
#define IDC_ABOUT_PICTURE 1017
#define IDC_ABOUT_TEXT 1024
#define IDC_HOMEPAGE 1049

// Commands
#define IDM_ABOUTBOX 0x0010
#define ID_SCREENSHOT 1019
#define ID_REFRESH 1020
#define ID_SAVE_REPORT 1022
#define ID_EXPLORE 1025
#define ID_PROPERTIES 1028
#define ID_FORMAT 1030
#define ID_SEARCH 1033
#define ID_DEFRAG 1034
#define ID_ABOUT 1036
#define ID_TRAY_RESTORE 1038
#define ID_TRAY_EXIT 1039
#define ID_CLEAN 1040
#define ID_REDUCE 1042
#define ID_SHORTCUT 1043
#define ID_RENAME_VOLUME 1044
#define ID_EMPTY_RECYCLE_BIN 1053
#define ID_TOGGLE_TRANSPARENCY 1055
#define ID_COPY_TO_CLIPBOARD 1057

// The input box's edit control
#define IDC_INPUT_EDIT 11476
