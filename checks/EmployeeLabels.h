#pragma once

class ReportCanvas;

// A mailing label for every employee record in file order, thirty to an Avery 5160 sheet: the
// name, the street and the city line, and a POSTNET bar code under them for a ZIP+4 code. The
// employee who was current is current again afterwards.
void PrintEmployeeLabels(ReportCanvas& report);
