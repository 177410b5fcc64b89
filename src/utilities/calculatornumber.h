#pragma once

#include <QString>

namespace qel {

// Text <-> number conversions of the calculator display. The comma is the decimal separator
// whatever the machine's locale.

// The largest magnitude the calculator accepts; beyond it a value overflows.
constexpr double kCalculatorMaximum = 1.7e38;

struct ParsedNumber {
    enum Status { Ok, NotNumber, Overflow };
    Status status = NotNumber;
    double value = 0.0;
};

// Reads a display text: optional sign, digits with at most one comma, optional exponent
// ("E-6"). Leading zeros are allowed; "," alone, "1,2,3" and the empty text are not numbers.
ParsedNumber parseCalculatorNumber(const QString& text);

// General format: up to `precision` significant digits, no trailing zeros, exponent form
// ("1,5E20", "1E-6") for values of more than `precision` integer digits or below 0,00001.
QString formatGeneral(double value, int precision = 15);

// A computed result as the display shows it: general format, rounded to fewer digits when a
// decimal text would be wider than the display's 15 characters.
QString formatResult(double value);

} // namespace qel
