#pragma once

class QWidget;

// The year-to-date report of the employee the manual entry window shows (EmployeeRec), straight
// to a preview owned by owner, without output options. Nothing is posted.
void ShowEmployeeYearToDate(QWidget* owner);
