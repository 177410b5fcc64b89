#include "dialogs/aboutbox.h"

#include "render/logo.h"
#include "qelversion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qel {

namespace {

QLabel* textLabel(const QString& text, bool title = false) {
    auto* label = new QLabel(text);
    label->setAccessibleName(text);
    if (title) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.6);
        label->setFont(font);
    }
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("A propos de Qel Draw"));
    setAccessibleName(windowTitle());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* emblem = new QLabel;
    emblem->setPixmap(drawLogo(QSize(72, 72), false));
    emblem->setAccessibleName(QStringLiteral("Emblème de Qel Draw"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(textLabel(QStringLiteral("Qel Draw"), true));
    texts->addWidget(textLabel(QStringLiteral("Version " QEL_VERSION)));
    texts->addWidget(
        textLabel(QStringLiteral("Dessins, schémas et histogrammes, simplement, en français.")));
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(emblem, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void showAboutBox(QWidget* parent) {
    AboutBox box(parent);
    box.exec();
}

} // namespace qel
