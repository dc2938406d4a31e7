#pragma once

#include <cstdint>

// How a user field computes its amount (the employee's UserAction of the field).
enum UserFieldAction : std::uint8_t {
    fa_NoAction = 0,
    fa_Wages = 1,        // percent of regular wages
    fa_GrossWages = 2,   // percent of gross pay
    fa_RegularTime = 3,  // amount per regular hour
    fa_TotalTime = 4,    // amount per hour of every kind
    fa_NetPay = 5,       // percent of net pay
    fa_FedWages = 6,     // percent of federal wages
    fa_MedWages = 7,     // percent of Medicare wages
};

// ApplyUserFieldActions (a step of the pay computation) computes every user field that has an
// action from the results of the pass before, within the field's year-to-date maximum, and then
// runs the pass again with the new amounts.
