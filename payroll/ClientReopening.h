#pragma once

class TFrmDataModule;

// Opens the client of CurFileName again after the program closed it for a step of its own (a
// posting, Close Quarter): no password is asked. Raises ECustomException when it does not open.
void ReopenClient(TFrmDataModule& module);
