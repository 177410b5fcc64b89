#include "dialogs/textinput.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qel {

namespace {

TextInputHook& hookSlot() {
    static TextInputHook hook;
    return hook;
}

} // namespace

TEditext::TEditext(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Editeur de texte"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Texte"));
    Edit1->setMinimumWidth(320);
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    ok->setAccessibleName(QStringLiteral("OK"));
    cancel->setAccessibleName(QStringLiteral("Annuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Edit1);
    layout->addWidget(buttons);
}

void TEditext::Result(QString& text) const {
    text = result() == QDialog::Accepted ? Edit1->text() : QString();
    // A record is one line and the TAB ends its body.
    text.replace(u'\t', u' ');
}

std::optional<QString> askShapeText(QWidget* parent) {
    if (hookSlot()) return hookSlot()();
    TEditext dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QString text;
    dialog.Result(text);
    return text;
}

TextInputHook setTextInputHook(TextInputHook hook) {
    TextInputHook previous = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return previous;
}

} // namespace qel
