// Resource and control identifiers: the contract between the templates and the code.
#pragma once

// Launcher
#define IDD_LAUNCHER 101
#define IDC_AIRCRAFT_CONFIGURATION 1000
#define IDC_LOAD_MANAGER 1001
#define IDC_FUEL_PLANNER 1002
#define IDC_KEY_ASSIGNMENTS 1003
#define IDI_APPLICATION_ICON 135
#define IDB_CONFIGURATION 132
#define IDB_LOAD_MANAGER 134
#define IDB_FUEL_PLANNER 138
#define IDB_KEY_CONFIG 162

// Aircraft selector
#define IDD_AIRCRAFT_SELECTOR 129
#define IDC_SELECT_A318 1008
#define IDC_SELECT_A319 1009
#define IDC_SELECT_A320 1010
#define IDC_SELECT_A321 1011
#define IDC_SELECT_ACJ 1012
#define IDB_SELECT_A318 151
#define IDB_SELECT_A319 152
#define IDB_SELECT_A320 153
#define IDB_SELECT_A321 154
#define IDB_SELECT_ACJ 155
