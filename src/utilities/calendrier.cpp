#include "utilities/calendrier.h"

#include "utilities/frenchformat.h"
#include "utilities/uihelpers.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qel {

TCalendrier::TCalendrier(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Calendrier"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* Panel1 = new QWidget(this);
    QPalette teal = Panel1->palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    Panel1->setPalette(teal);
    Panel1->setAutoFillBackground(true);

    BitBtn1 = makeButton(QStringLiteral("Mois"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    BitBtn1->setAccessibleDescription(QStringLiteral("Mois précédent"));
    BitBtn2 = makeButton(QStringLiteral("Mois"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    BitBtn2->setLayoutDirection(Qt::RightToLeft); // glyph on the right
    BitBtn2->setAccessibleDescription(QStringLiteral("Mois suivant"));
    Button1 = makeButton(QStringLiteral("Fermer"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));

    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumWidth(372);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->addLayout(buttons);
    panelLayout->addWidget(Label1);

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setLocale(QLocale(QLocale::French, QLocale::France));
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setSelectedDate(QDate::currentDate());
    Calendar1->setAccessibleName(QStringLiteral("Calendrier du mois"));
    auto* grid = Calendar1->findChild<QAbstractItemView*>();
    if (grid) {
        grid->setAccessibleName(QStringLiteral("Jours du mois"));
        QPalette lime = grid->palette();
        lime.setColor(QPalette::Base, QColor(0, 255, 0));
        grid->setPalette(lime);
        grid->installEventFilter(this);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Panel1);
    layout->addWidget(Calendar1);

    for (QPushButton* button : {BitBtn1, BitBtn2, Button1})
        button->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, &TCalendrier::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TCalendrier::BitBtn2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TCalendrier::Calendar1Change);
    // The mouse wheel turns pages without selecting; keep the selection on the page shown.
    connect(Calendar1, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        const QDate selected = Calendar1->selectedDate();
        if (selected.year() != year || selected.month() != month)
            stepMonth((year - selected.year()) * 12 + month - selected.month());
    });
    Calendar1Change();
    Calendar1->setFocus();
}

QDate TCalendrier::selectedDate() const {
    return Calendar1->selectedDate();
}

void TCalendrier::setSelectedDate(QDate date) {
    Calendar1->setSelectedDate(date);
}

QString TCalendrier::monthCaption() const {
    return Label1->text();
}

void TCalendrier::BitBtn1Click() {
    stepMonth(-1);
}

void TCalendrier::BitBtn2Click() {
    stepMonth(1);
}

void TCalendrier::stepMonth(int months) {
    // addMonths keeps the day, or takes the new month's last day when it is shorter.
    const QDate target = Calendar1->selectedDate().addMonths(months);
    if (target.isValid()) Calendar1->setSelectedDate(target);
}

void TCalendrier::Calendar1Change() {
    showText(Label1, frenchMonthCaption(Calendar1->selectedDate()));
}

bool TCalendrier::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_PageDown:
            stepMonth(1);
            return true;
        case Qt::Key_PageUp:
            stepMonth(-1);
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qel
