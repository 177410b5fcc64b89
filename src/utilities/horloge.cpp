#include "utilities/horloge.h"

#include "platform/messages.h"
#include "utilities/clockfields.h"
#include "utilities/frenchformat.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace qel {
namespace {

const QString kRefused = QStringLiteral("Impossible de régler l'horloge système");

// Radio items in order; the id of each is its ClockField.
constexpr const char* kFieldCaptions[] = {"Hr", "Mn", "Jo", "Mo", "An"};

QLabel* sunkenLabel(QWidget* parent, QLayout* into) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette grey = panel->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    grey.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(grey);
    auto* label = new QLabel(panel);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    label->setFont(bold);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(label);
    into->addWidget(panel);
    return label;
}

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    // The panel's white text would draw the arrows white on white.
    QPalette dark = button->palette();
    dark.setColor(QPalette::WindowText, Qt::black);
    dark.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(dark);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

THorloge::THorloge(QWidget* parent) : THorloge(realSystemClock(), parent) {}

THorloge::THorloge(SystemClock& clock, QWidget* parent) : QDialog(parent), clock_(clock) {
    setWindowTitle(QStringLiteral("Horloge"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &THorloge::Timer1Timer);
    buildLayout();
    Timer1Timer();
}

void THorloge::buildLayout() {
    auto* panel = new QWidget(this);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(black);

    auto* faces = new QVBoxLayout;
    Label1 = sunkenLabel(panel, faces);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = sunkenLabel(panel, faces);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto* Label3 = new QLabel(QStringLiteral("QEL"), panel);
    Label3->setAccessibleName(Label3->text());
    QFont brand = Label3->font();
    brand.setBold(true);
    brand.setItalic(true);
    brand.setPointSizeF(brand.pointSizeF() * 1.5);
    Label3->setFont(brand);
    auto* Label4 = new QFrame(panel);
    Label4->setFrameShape(QFrame::HLine);
    Label4->setFixedHeight(1);
    Label4->setAutoFillBackground(true);
    QPalette white = Label4->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label4->setPalette(white);

    auto* radios = new QWidget(panel);
    auto* radioLayout = new QHBoxLayout(radios);
    radioLayout->setContentsMargins(0, 0, 0, 0);
    RadioGroup1 = new QButtonGroup(this);
    int id = 0;
    for (const char* caption : kFieldCaptions) {
        auto* radio = new QRadioButton(QString::fromLatin1(caption), radios);
        radio->setObjectName(QString::fromLatin1(caption));
        radio->setAccessibleName(radio->text());
        RadioGroup1->addButton(radio, id++);
        radioLayout->addWidget(radio);
    }
    upArrow_ = arrowButton(Qt::UpArrow, QStringLiteral("Augmenter"), panel);
    upArrow_->setObjectName(QStringLiteral("SpinButton1Up"));
    downArrow_ = arrowButton(Qt::DownArrow, QStringLiteral("Diminuer"), panel);
    downArrow_->setObjectName(QStringLiteral("SpinButton1Down"));
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(upArrow_);
    arrows->addWidget(downArrow_);

    Button2 = makeButton(QStringLiteral("Set"), panel);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = makeButton(QStringLiteral("Fermer"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));

    auto* grid = new QGridLayout(panel);
    grid->addLayout(faces, 0, 0, 1, 2);
    grid->addWidget(Label3, 0, 2, Qt::AlignCenter);
    grid->addWidget(Label4, 1, 0, 1, 3);
    grid->addWidget(radios, 2, 0);
    grid->addLayout(arrows, 2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    grid->addLayout(buttons, 2, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(panel);

    connect(upArrow_, &QToolButton::clicked, this, &THorloge::SpinButton1UpClick);
    connect(downArrow_, &QToolButton::clicked, this, &THorloge::SpinButton1DownClick);
    connect(Button2, &QPushButton::clicked, this, &THorloge::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

QString THorloge::timeText() const {
    return Label1->text();
}

QString THorloge::dateText() const {
    return Label2->text();
}

bool THorloge::isRunning() const {
    return Timer1->isActive();
}

void THorloge::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void THorloge::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow())
        FormActivate();
    else
        FormDeactivate();
}

void THorloge::FormActivate() {
    // Coming back to the window abandons an edit without writing anything.
    editing_ = false;
    Timer1->start();
    Timer1Timer();
}

void THorloge::FormDeactivate() {
    Timer1->stop();
}

void THorloge::Timer1Timer() {
    const QDateTime now = clock_.localNow();
    showText(Label1, frenchLongTime(now.time()));
    showText(Label2, frenchShortDate(now.date()));
}

void THorloge::SpinButton1UpClick() {
    changeField(1);
}

void THorloge::SpinButton1DownClick() {
    changeField(-1);
}

void THorloge::changeField(int delta) {
    const int id = RadioGroup1->checkedId();
    if (id < 0) return;
    QString time = Label1->text();
    QString date = Label2->text();
    if (!stepClockField(static_cast<ClockField>(id), delta, time, date)) return;
    showText(Label1, time);
    showText(Label2, date);
}

void THorloge::Button2Click() {
    editing_ = !editing_;
    if (editing_) {
        Timer1->stop();
        return;
    }
    Modifie();
    Timer1->start();
}

void THorloge::Modifie() {
    const auto utc = shownTimeAsUniversal(Label1->text(), Label2->text(), clock_.timeZone());
    if (!utc || !clock_.setUniversalTime(*utc)) showError(this, kRefused);
    // Whether set or refused, the display goes back to what the system clock says.
    Timer1Timer();
}

} // namespace qel
