#pragma once
// Resource and control ids of Regsweep, shared by regsweep.rc and the code.
// Plain #defines: windres reads this file too.

#define IDD_REGSWEEP 102       // the log window
#define IDI_REGSWEEP 128       // large and small window icon
#define IDC_REGSWEEP_LOG 1000  // static text that shows the log, newest line first

#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif

#define REGSWEEP_WORK_TIMER 1001  // fires once, right after the window is up
