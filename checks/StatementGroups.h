#pragma once

// The amount groups the earnings statements and the Payroll Summary print, by their number in
// the employee record (PayHistoryMap.h).
namespace StatementGroup {
inline constexpr int Wages = 0;
inline constexpr int OverTimePay = 1;
inline constexpr int HolidayPay = 2;
inline constexpr int VacationPay = 3;
inline constexpr int SickPay = 4;
inline constexpr int OtherTimePay = 5;
inline constexpr int Bonus = 6;
inline constexpr int Tips = 7;
inline constexpr int DepCareBen = 8;
inline constexpr int FringeBen = 9;
inline constexpr int GTLIAmount = 10;
inline constexpr int UserPay1 = 11;       // to UserPay5 = 15
inline constexpr int GrossWages = 16;
inline constexpr int FICATax = 17;
inline constexpr int FederalTax = 19;
inline constexpr int TPSPFederalTax = 20;
inline constexpr int MedicareTax = 21;
inline constexpr int StateTax = 25;
inline constexpr int CityTax = 26;
inline constexpr int UnempTax = 27;
inline constexpr int DisbTax = 28;
inline constexpr int HealthIns = 29;
inline constexpr int PensionPlans = 30;
inline constexpr int UserDeduct1 = 31;    // to UserDeduct5 = 35
inline constexpr int TotalDeduct = 36;
inline constexpr int NetPay = 37;
inline constexpr int FICALib = 38;
inline constexpr int MedicareLib = 39;
inline constexpr int FUTALib = 40;
inline constexpr int UnempLib = 41;
inline constexpr int DisbLib = 42;
inline constexpr int UserLib1 = 43;       // to UserLib5 = 47
inline constexpr int TotalLib = 48;
inline constexpr int AllocatedTip = 49;
inline constexpr int Plan401k = 57;
inline constexpr int Plan403b = 58;
inline constexpr int Plan408k6 = 59;
inline constexpr int Plan457b = 60;
inline constexpr int IRASimple = 61;
inline constexpr int NonQualPlan = 62;
inline constexpr int CafePlan = 63;
inline constexpr int FedEarnings = 64;
inline constexpr int StateEarning = 65;
inline constexpr int CityEarnings = 66;
inline constexpr int FICAEarnings = 67;
inline constexpr int MedEarnings = 68;
inline constexpr int FUTAEarnings = 69;
inline constexpr int TPSPGross = 70;
inline constexpr int TPSPTaxable = 71;
inline constexpr int UnempEarning = 72;
inline constexpr int DisbEarnings = 73;
inline constexpr int QualifiedOT = 76;
} // namespace StatementGroup
