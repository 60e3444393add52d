#pragma once

#include <windows.h>

// The Configuration dialog (template 145): a plain dialog procedure over
// CommonPreferences. It loads every preference when it starts, "Ok" saves them all in
// one write and ends the dialog with IDOK, "Cancel" ends it with IDCANCEL; "Cold && Dark"
// writes its request at once. A save that fails is reported and the dialog stays open.
INT_PTR CALLBACK ConfigurationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

