#pragma once

#include "platform/systemclock.h"
#include "utilities/uihelpers.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace qel {

// The clock window. It follows the system clock every second; "Set" freezes the display so
// the arrows can change the chosen field, and a second "Set" writes the shown local date and
// time to the system clock.
class THorloge : public QDialog {
    Q_OBJECT
public:
    explicit THorloge(QWidget* parent = nullptr);
    explicit THorloge(SystemClock& clock, QWidget* parent = nullptr);

    QString timeText() const;
    QString dateText() const;
    bool isEditing() const { return editing_; }
    bool isRunning() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Timer1Timer();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void Button2Click();
    void FormActivate();
    void FormDeactivate();
    void Modifie();
    void changeField(int delta);
    void buildLayout();

    SystemClock& clock_;
    bool editing_ = false;
    QTimer* Timer1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QButtonGroup* RadioGroup1 = nullptr;
    QToolButton* upArrow_ = nullptr;
    QToolButton* downArrow_ = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};

} // namespace qel
