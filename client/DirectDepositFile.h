#pragma once

// Writes the direct-deposit file of the pay run beside the client file, with the client's name
// and the extension ".txt": one line per employee paid by direct deposit with net pay above 0.
// A file of an earlier run is removed first; when no employee qualifies no file is left. A text
// field that would break the comma-separated line (a comma or a line break) is refused with
// ECustomException naming the employee, and no file is written. File failures raise EInOutError.
void ExportDirectDeposit();
