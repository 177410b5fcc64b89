#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace qel {

// The French layouts the utilities show whatever the machine's locale.

// "18:23:00"
QString frenchLongTime(QTime time);

// "20/10/1998"
QString frenchShortDate(QDate date);

// The full month name, two spaces and the year: "octobre  1998".
QString frenchMonthCaption(QDate date);

} // namespace qel
