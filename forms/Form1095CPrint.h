#pragma once

class FormProjectRun;

// Draws the Forms 1095-C of the employee records first to last, one page each, on the running
// report of the run. The employee current before, with what the screen holds of it in the
// employee buffer, is current again afterwards, also when drawing fails.
void Print1095CForms(FormProjectRun& run, int first, int last, bool maskNumbers);
