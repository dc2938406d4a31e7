#include "payroll/PayRunHooks.h"

PayRunHooks PayRunWindows;
