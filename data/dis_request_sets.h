// The sets of data jobs the link asks for at start-up and cyclically.
#pragma once

// Queued at once after the identification has been answered.
void DIS_RequestStartupSet();
// Marked wanted every 30 s.
void DIS_RequestFastSet();
// Marked wanted every minute.
void DIS_RequestSlowSet();

// Job 18 is of interest only while status byte 7 reports more than 3.
bool DIS_Job18Wanted();
