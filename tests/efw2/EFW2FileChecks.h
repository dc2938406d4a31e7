#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What a receiver of an EFW2 file would refuse in it, checked on the bytes as written: every
// line 512 printable ASCII characters ended by CR LF; RA, then per employer RE, its employees'
// RW (each perhaps with RO and RS), RT (perhaps RU), and RF last; each RT counting its RW lines
// and RF counting them all; every name of an RW or RS line (first, middle and last name, suffix)
// in capitals A-Z with blanks, hyphens and apostrophes only, a suffix with periods too, and
// first and last name present. Returns the faults, one per line; empty for a file to accept.
inline QStringList EFW2FileFaults(const QByteArray& file)
{
    QStringList faults;
    if (!file.endsWith("\r\n")) {
        faults << QStringLiteral("the file does not end with CR LF");
        return faults;
    }
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast();
    const auto field = [](const QByteArray& line, int position, int width) { return line.mid(position - 1, width); };
    const auto nameFault = [](const QByteArray& name, bool suffix) {
        for (const char c : name)
            if (!((c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '\'' || (suffix && c == '.')))
                return true;
        return false;
    };
    QByteArray previous;
    int employeesOfEmployer = 0;
    int employees = 0;
    for (int n = 0; n < lines.size(); ++n) {
        QByteArray line = lines[n];
        const QString where = QStringLiteral("line %1").arg(n + 1);
        if (!line.endsWith('\r')) {
            faults << where + QStringLiteral(": no CR before LF");
            continue;
        }
        line.chop(1);
        if (line.size() != 512)
            faults << where + QStringLiteral(": %1 characters").arg(line.size());
        for (const char c : line)
            if (c < 0x20 || c > 0x7E) {
                faults << where + QStringLiteral(": a character outside printable ASCII");
                break;
            }
        const QByteArray kind = line.left(2);
        const bool expected = (n == 0 && kind == "RA") || (kind == "RE" && (previous == "RA" || previous == "RT" || previous == "RU"))
                           || (kind == "RW" && (previous == "RE" || previous == "RW" || previous == "RO" || previous == "RS"))
                           || (kind == "RO" && previous == "RW") || (kind == "RS" && (previous == "RW" || previous == "RO"))
                           || (kind == "RT" && (previous == "RW" || previous == "RO" || previous == "RS"))
                           || (kind == "RU" && previous == "RT")
                           || (kind == "RF" && n == lines.size() - 1 && (previous == "RT" || previous == "RU"));
        if (!expected)
            faults << where + QStringLiteral(": %1 after %2").arg(QString::fromLatin1(kind), QString::fromLatin1(previous));
        // The names stand at 12 on an RW line and at 19 on an RS line: first 15, middle 15, last 20, suffix 4.
        if (kind == "RW" || kind == "RS") {
            const int at = kind == "RW" ? 12 : 19;
            const QByteArray first = field(line, at, 15);
            const QByteArray last = field(line, at + 30, 20);
            if (nameFault(first, false) || nameFault(field(line, at + 15, 15), false) || nameFault(last, false)
                || nameFault(field(line, at + 50, 4), true))
                faults << where + QStringLiteral(": a name holds a character the SSA does not match");
            if (first.trimmed().isEmpty() || last.trimmed().isEmpty())
                faults << where + QStringLiteral(": first or last name missing");
        }
        if (kind == "RE")
            employeesOfEmployer = 0;
        if (kind == "RW") {
            ++employeesOfEmployer;
            ++employees;
        }
        if (kind == "RT" && field(line, 3, 7).toInt() != employeesOfEmployer)
            faults << where + QStringLiteral(": RT counts %1 of %2 RW lines").arg(QString::fromLatin1(field(line, 3, 7))).arg(employeesOfEmployer);
        if (kind == "RF" && field(line, 8, 9).toInt() != employees)
            faults << where + QStringLiteral(": RF counts %1 of %2 RW lines").arg(QString::fromLatin1(field(line, 8, 9))).arg(employees);
        previous = kind;
    }
    return faults;
}
