#pragma once

#include <QChar>
#include <QString>

// The password of the open client, kept scrambled in its company record.

inline constexpr int kMaxPasswordLength = 15;
inline constexpr int kMinPasswordLength = 5;

// Letters, digits and "!", "@", "#", "$": the characters a password may hold.
bool IsPasswordChar(QChar c);

// The open client's password as the user typed it; empty when it has none.
QString CurrentClientPassword();

// Sets the open client's password from the two fields of the password dialog and writes the
// company record. A blank first field removes the password. Otherwise the fields must match, the
// password must hold 5 to 15 characters, all of them allowed; a password that breaks a rule is
// refused with a message and false, and nothing changes.
bool SaveClientPassword(const QString& password, const QString& confirmation);
