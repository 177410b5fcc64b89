#include "utilities/frenchformat.h"

#include <QLocale>

namespace qel {
namespace {

QString padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

QString frenchLongTime(QTime time) {
    return padded(time.hour(), 2) + QLatin1Char(':') + padded(time.minute(), 2) + QLatin1Char(':') +
           padded(time.second(), 2);
}

QString frenchShortDate(QDate date) {
    return padded(date.day(), 2) + QLatin1Char('/') + padded(date.month(), 2) + QLatin1Char('/') +
           padded(date.year(), 4);
}

QString frenchMonthCaption(QDate date) {
    const QLocale french(QLocale::French, QLocale::France);
    return french.standaloneMonthName(date.month(), QLocale::LongFormat) + QStringLiteral("  ") +
           padded(date.year(), 4);
}

} // namespace qel
