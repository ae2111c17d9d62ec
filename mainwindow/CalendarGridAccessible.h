#pragma once

// Makes screen readers hear the header cells of a calendar's grid of days (QCalendarWidget)
// by name: the columns by their day names ("Monday"), the rows of weeks by their week numbers
// ("Week 50"), where Qt's own table names them "1" to "7". Everything else stays Qt's own.
// Takes effect for the grids made after the first call; later calls do nothing.
void InstallCalendarGridAccessible();
