#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace qel {

// The month calendar window: today's month at opening, Sunday first, month back and forward
// with the two "Mois" buttons or Page Up and Page Down.
class TCalendrier : public QDialog {
    Q_OBJECT
public:
    explicit TCalendrier(QWidget* parent = nullptr);

    QDate selectedDate() const;
    void setSelectedDate(QDate date);
    QString monthCaption() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BitBtn1Click(); // month back
    void BitBtn2Click(); // month forward
    void Calendar1Change();
    void stepMonth(int months);

    QCalendarWidget* Calendar1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace qel
