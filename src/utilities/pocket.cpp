#include "utilities/pocket.h"

#include "platform/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qel {
namespace {

struct ButtonPlace {
    CalcKey key;
    const char* name;
    const char* caption;
    int row;
    int column;
};

constexpr ButtonPlace kButtons[] = {
    {CalcKey::Digit7, "Button7", "7", 0, 0},        {CalcKey::Digit8, "Button8", "8", 0, 1},
    {CalcKey::Digit9, "Button9", "9", 0, 2},        {CalcKey::Plus, "Button12", "+", 0, 3},
    {CalcKey::Reciprocal, "Button16", "1/x", 0, 4}, {CalcKey::Digit4, "Button4", "4", 1, 0},
    {CalcKey::Digit5, "Button5", "5", 1, 1},        {CalcKey::Digit6, "Button6", "6", 1, 2},
    {CalcKey::Minus, "Button13", "-", 1, 3},        {CalcKey::SquareRoot, "Button17", "sqr", 1, 4},
    {CalcKey::Digit1, "Button1", "1", 2, 0},        {CalcKey::Digit2, "Button2", "2", 2, 1},
    {CalcKey::Digit3, "Button3", "3", 2, 2},        {CalcKey::Times, "Button14", "*", 2, 3},
    {CalcKey::Clear, "Button18", "C", 2, 4},        {CalcKey::Comma, "Button10", ",", 3, 0},
    {CalcKey::Digit0, "Button0", "0", 3, 1},        {CalcKey::Equals, "Button11", "=", 3, 2},
    {CalcKey::Divide, "Button15", "/", 3, 3},
};

void fill(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

TPocket::TPocket(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Calculatrice"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildLayout();
}

void TPocket::buildLayout() {
    fill(this, QColor(0, 128, 128));

    auto* Panel1 = new QWidget(this);
    fill(Panel1, Qt::white);
    auto* Panel2 = new QFrame(Panel1);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fill(Panel2, QColor(0, 0, 128));
    Label1 = new QLabel(Panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette silver = Label1->palette();
    silver.setColor(QPalette::WindowText, QColor(192, 192, 192));
    Label1->setPalette(silver);
    auto* displayLayout = new QHBoxLayout(Panel2);
    displayLayout->setContentsMargins(4, 2, 4, 2);
    displayLayout->addWidget(Label1);
    auto* Label2 = new QWidget(Panel1);
    Label2->setFixedWidth(6);
    fill(Label2, Qt::red);
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->addWidget(Panel2, 1);
    panelLayout->addWidget(Label2);

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    for (const ButtonPlace& place : kButtons) {
        QPushButton* button = makeButton(QString::fromUtf8(place.caption), this);
        button->setObjectName(QString::fromLatin1(place.name));
        button->setFixedSize(34, 33);
        grid->addWidget(button, place.row, place.column);
        keyButtons_[static_cast<int>(place.key)] = button;
        const CalcKey key = place.key;
        connect(button, &QPushButton::clicked, this, [this, key] { ButtonClick(key); });
    }
    Button19 = makeButton(QStringLiteral("Fermer"), this);
    Button19->setObjectName(QStringLiteral("Button19"));
    Button19->setFixedHeight(33);
    grid->addWidget(Button19, 3, 5);
    grid->setColumnMinimumWidth(5, 70);
    connect(Button19, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Panel1);
    layout->addLayout(grid);
}

QString TPocket::displayText() const {
    return Label1->text();
}

void TPocket::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void TPocket::FormActivate() {
    engine_.reset();
    showText(Label1, engine_.display());
    focusEquals();
}

void TPocket::focusEquals() {
    // Enter and the space bar then press "=".
    keyButtons_[static_cast<int>(CalcKey::Equals)]->setFocus();
}

void TPocket::ButtonClick(CalcKey key) {
    if (auto error = engine_.press(key)) showError(this, *error);
    showText(Label1, engine_.display());
    if (key == CalcKey::Clear) focusEquals();
}

void TPocket::pressButton(QPushButton* button) {
    button->click();
    // Let the user see which button the key pressed.
    button->setDown(true);
    QTimer::singleShot(100, button, [button] { button->setDown(false); });
}

void TPocket::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1) {
        const CalcKey key = calcKeyForChar(text.front());
        if (key != CalcKey::None) {
            pressButton(keyButtons_[static_cast<int>(key)]);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace qel
