#pragma once

// State and city income tax of the current employee (EmployeeRec) by the annualised percentage
// method, over the state and city tables as they are positioned (StateTaxRec, CityTaxRec). The
// pipeline steps ComputeStateWithholding and ComputeCityWithholding position the tables at the
// employee's own records and then call these.
void WithholdStateTax();
void WithholdCityTax();
