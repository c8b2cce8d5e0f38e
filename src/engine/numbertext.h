#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace quarnix::engine {

// Numbers typed by the user, read with their locale: decimal separator, digit
// grouping, a sign, an exponent and blanks around the number. The value fields'
// checks and the split job read numbers through this one function, so whatever
// passes the check is also what the job can read.
[[nodiscard]] std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());

// A number as the value fields show it ("1.25", or "1,25" in German).
QString numberText(double value, const QLocale& locale = QLocale());

} // namespace quarnix::engine
