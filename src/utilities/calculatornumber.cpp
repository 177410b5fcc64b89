#include "utilities/calculatornumber.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qel {
namespace {

constexpr int kDisplayWidth = 15;

} // namespace

ParsedNumber parseCalculatorNumber(const QString& text) {
    static const QRegularExpression grammar(
        QStringLiteral("^[+-]?(\\d+(,\\d*)?|,\\d+)([Ee][+-]?\\d+)?$"));
    if (!grammar.match(text).hasMatch()) return {};
    QByteArray c = text.toLatin1();
    c.replace(',', '.');
    const double value = std::strtod(c.constData(), nullptr);
    if (!std::isfinite(value) || std::fabs(value) > kCalculatorMaximum)
        return {ParsedNumber::Overflow, 0.0};
    // Values too small for a double read as zero, like a tiny result would.
    return {ParsedNumber::Ok, value};
}

QString formatGeneral(double value, int precision) {
    if (value == 0.0 || !std::isfinite(value)) return QStringLiteral("0");
    // %e gives the correctly rounded significant digits and the decimal exponent.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, std::fabs(value));
    const QString raw = QString::fromLatin1(buffer);
    const qsizetype ePos = raw.indexOf(QLatin1Char('e'));
    QString digits = raw.left(ePos).remove(QLatin1Char('.'));
    const int exponent = raw.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= precision || exponent < -5) {
        text += digits.left(1);
        if (digits.size() > 1) text += QLatin1Char(',') + digits.mid(1);
        text += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent >= 0) {
        const qsizetype integerDigits = exponent + 1;
        if (digits.size() <= integerDigits)
            text += digits + QString(integerDigits - digits.size(), QLatin1Char('0'));
        else
            text += digits.left(integerDigits) + QLatin1Char(',') + digits.mid(integerDigits);
    } else {
        text += QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    }
    return text;
}

QString formatResult(double value) {
    QString text = formatGeneral(value);
    for (int precision = 14;
         precision > 0 && text.contains(QLatin1Char(',')) && text.size() > kDisplayWidth;
         --precision)
        text = formatGeneral(value, precision);
    return text;
}

} // namespace qel
