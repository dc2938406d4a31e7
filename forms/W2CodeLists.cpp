#include "forms/W2CodeLists.h"

namespace {

QString Item(const char* code, const char* description)
{
    return QString::fromLatin1(code) + QLatin1Char('\t') + QString::fromLatin1(description);
}

} // namespace

QStringList Box12CodeItems()
{
    return {
        Item("A", "Uncollected social security or RRTA tax on tips"),
        Item("B", "Uncollected Medicare tax on tips"),
        Item("C", "Taxable cost of group-term life insurance over $50,000"),
        Item("D", "Elective deferrals under a section 401(k)  cash or deferred arrangement. (Including a SIMPLE 401(k) "
                  "arrangement)"),
        Item("E", "Elective deferrals under a section 403(b) salary reduction agreement"),
        Item("F", "Elective deferrals under a section 408(k)(6) salary reduction SEP (includes elective deferrals made to a "
                  "Roth SEP IRA)"),
        Item("G", "Elective deferrals and employer contributions (including nonelective deferrals) to a section  457(b) "
                  "deferred compensation plan"),
        Item("H", "Elective deferrals under section 501(c)(18)(D) tax-exempt organization plan"),
        Item("J", "Nontaxable sick pay"),
        Item("K", "20% excise tax on excess golden parachute payments"),
        Item("L", "Substantiated employee business expense reimbursements"),
        Item("M", "Uncollected social security or RRTA tax on taxable cost of group-term life insurance over $50,000 "
                  "(former employees only)"),
        Item("N", "Uncollected Medicare tax on taxable cost of group-term life insurance over $50,000 (former employees "
                  "only)"),
        Item("P", "Excludable moving expense reimbursements paid directly to a member of the U.S. Armed Forces or "
                  "intelligence community"),
        Item("Q", "Nontaxable combat pay"),
        Item("R", "Employer contributions to an Archer MSA"),
        Item("S", "Employee salary reduction contributions under a section 408(p) SIMPLE plan (includes salary reduction "
                  "contributions made to a Roth SEP IRA)"),
        Item("T", "Adoption benefits"),
        Item("V", "Income from the exercise of nonstatutory stock option(s)"),
        Item("W", "Employer contributions (including employee contributions using a section 125  (cafeteria) plan) to a "
                  "health savings account"),
        Item("Y", "Deferrals under a section 409A nonqualified deferred compensation plan"),
        Item("Z", "Income under a nonqualified deferred compensation plan that fails to satisfy section 409A"),
        Item("AA", "Designated Roth contributions under a section 401(k) plan"),
        Item("BB", "Designated Roth contributions under a  section 403(b) plan"),
        Item("DD", "Cost of employer-sponsored health coverage"),
        Item("EE", "Designated Roth Contributions under a government section 457(b) plan"),
        Item("FF", "Permitted benefits under a qualified small employer health reimbursement arrangement"),
        Item("GG", "Income from qualified equity grants under section 83(i)"),
        Item("HH", "Aggregate deferrals under setion 83(i) elections as of the close of the calendar year"),
        Item("II", "Medicaid waiver payments excluded from gross income under Notice 2014-7"),
        Item("TA", "Employer contributions under a section 128 Trump account contribution program paid to an employee or "
                   "dependent of employee"),
        Item("TP", "Total amount of cash tips reported to the employer. The employer is not a specified service trade or "
                   "business"),
        Item("TT", "Total amount of qualified overtime compensation"),
    };
}

QStringList TippedOccupationCodeItems()
{
    return {
        Item("000", "Cash tips are not qualified tips"),
        QStringLiteral("BEVERAGE AND FOOD SERVICE:"),
        Item("101", "Bartenders"),
        Item("102", "Wait Staff"),
        Item("103", "Food Servers, Non Restaurant"),
        Item("104", "Dining Room and Cafeteria Attendants and Bartender Helpers"),
        Item("105", "Chefs and Cooks"),
        Item("106", "Food Preparation Workers"),
        Item("107", "Fast Food and Counter Workers"),
        Item("108", "Dishwashers"),
        Item("109", "Host Staff, Restaurant Lounge and Coffee Shop"),
        Item("110", "Bakers"),
        QStringLiteral("ENTERTAINMENT AND EVENTS:"),
        Item("201", "Gambling Dealers"),
        Item("202", "Gambling Change Persons and Booth Cashiers"),
        Item("203", "Gambling Cage Workers"),
        Item("204", "Gambling and Sports Book Writers and Runners"),
        Item("205", "Dancers"),
        Item("206", "Musicians and Singers"),
        Item("207", "Disc Jockeys, Except Radio"),
        Item("208", "Entertainers and Performers"),
        Item("209", "Digital Content Creators"),
        Item("210", "Ushers, Lobby Attendants, and Ticket Takers"),
        Item("211", "Locker Room, Coat Room, and Dressing Room Attendants"),
        QStringLiteral("HOSPITALITY AND GUEST SERVICES:"),
        Item("301", "Baggage Porters and Bellhops"),
        Item("302", "Concierges"),
        Item("303", "Hotel, Motel, and Resort Desk Clerks"),
        Item("304", "Maids and Housekeeping Cleaners"),
        QStringLiteral("HOME SERVICES:"),
        Item("401", "Home Maintenance and Repair Workers"),
        Item("402", "Home Landscaping and Grounds Keeping Workers"),
        Item("403", "Home Electricians"),
        Item("404", "Home Plumbers"),
        Item("405", "Home Heating and Air Conditioning Mechanics and Installers"),
        Item("406", "Home Appliance Installers and Repairers"),
        Item("407", "Home Cleaning Service Workers"),
        Item("408", "Locksmiths"),
        Item("409", "Roadside Assistance Workers"),
        QStringLiteral("PERSONAL SERVICES:"),
        Item("501", "Personal Care and Service Workers"),
        Item("502", "Private Event Planners"),
        Item("503", "Private Event and Portrait Photographers"),
        Item("504", "Private Event Videographers"),
        Item("505", "Event Officiants"),
        Item("506", "Pet Caretakers"),
        Item("507", "Tutors"),
        Item("508", "Nannies and Babysitters"),
        QStringLiteral("PERSONAL APPEARANCE AND WELLNESS:"),
        Item("601", "Skincare Specialists"),
        Item("602", "Massage Therapists"),
        Item("603", "Barbers, Hairdressers, Hairstylists, and Cosmetologists"),
        Item("604", "Shampooers"),
        Item("605", "Manicurists and Pedicurists"),
        Item("606", "Makeup Artists"),
        Item("607", "Exercise Trainers and Group Fitness Instructors"),
        Item("608", "Tattoo Artists and Piercers"),
        Item("609", "Tailors"),
        Item("610", "Shoe and Leather Workers and Repairers"),
        Item("611", "Eyebrow Threading and Waxing Technicians"),
        QStringLiteral("RECREATION AND INSTRUCTION:"),
        Item("701", "Golf Caddies"),
        Item("702", "Self-Enrichment Teachers"),
        Item("703", "Sports and Recreation Instructors"),
        Item("704", "Tour Guides and Escorts"),
        Item("705", "Travel Guides"),
        Item("706", "Recreational and Tour Pilots"),
        QStringLiteral("TRANSPORTATION AND DELIVERY:"),
        Item("801", "Parking and Valet Attendants"),
        Item("802", "Taxi and Rideshare Drivers and Chauffeurs"),
        Item("803", "Shuttle Drivers"),
        Item("804", "Goods Delivery Workers"),
        Item("805", "Personal Vehicle and Equipment Cleaners"),
        Item("806", "Private and Charter Bus Drivers"),
        Item("807", "Water Taxi Operators and Charter Boat Workers"),
        Item("808", "Rickshaw, Pedicab and Carriage Drivers"),
        Item("809", "Home Movers"),
    };
}

bool IsCodeListHeading(const QString& item)
{
    return !item.contains(QLatin1Char('\t'));
}

QString CodeOfItem(const QString& item)
{
    return item.section(QLatin1Char('\t'), 0, 0);
}
