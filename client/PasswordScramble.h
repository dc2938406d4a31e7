#pragma once

#include <QString>

// The stored form of a client-file password: each character of the 66-character password
// alphabet (letters, digits, "!", "@", "#", "$") is replaced through a fixed substitution.
// A character outside the alphabet is dropped, so it can never be part of a password.
QString ScramblePassword(const QString& text);
QString UnscramblePassword(const QString& text);
