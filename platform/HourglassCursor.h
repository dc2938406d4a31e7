#pragma once

// Shows the hourglass while long work runs; the previous cursor returns when the scope ends,
// however it ends.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

private:
    bool active_ = false;
};
