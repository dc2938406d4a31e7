#pragma once

// The employer's federal unemployment tax of the current employee for the current period, up to
// the year's wage base; the period that reaches the base brings the year's tax to exactly the
// maximum. There is no employee share.
void ComputeFUTATax();
