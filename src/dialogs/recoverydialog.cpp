#include "dialogs/recoverydialog.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qel {

QString describeRecovery(const RecoveryEntry& e) {
    const QString file = e.data.fileName.isEmpty() ? QStringLiteral("jamais enregistré")
                                                   : QFileInfo(e.data.fileName).fileName();
    const QString caption =
        e.data.caption.isEmpty() ? QStringLiteral("Dessin sans nom") : e.data.caption;
    QString text =
        QStringLiteral("%1 (%2), copie du %3")
            .arg(caption, file, e.data.time.toString(QStringLiteral("dd/MM/yyyy à HH:mm:ss")));
    if (!e.readable) text += QStringLiteral(" : illisible");
    return text;
}

TRecuperation::TRecuperation(const std::vector<RecoveryEntry>& entries, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Récupération des dessins"));
    setAccessibleName(windowTitle());
    auto* intro = new QLabel(QStringLiteral("Des dessins n'avaient pas été enregistrés quand "
                                            "Qel Draw s'est arrêté. Que faut-il en faire ?"),
                             this);
    intro->setWordWrap(true);
    List = new QListWidget(this);
    List->setAccessibleName(QStringLiteral("Dessins à récupérer"));
    for (const RecoveryEntry& e : entries)
        List->addItem(describeRecovery(e));
    intro->setBuddy(List);
    RecoverButton = new QPushButton(QStringLiteral("Récupérer"), this);
    DiscardButton = new QPushButton(QStringLiteral("Supprimer"), this);
    RecoverButton->setAccessibleName(QStringLiteral("Récupérer"));
    DiscardButton->setAccessibleName(QStringLiteral("Supprimer"));
    RecoverButton->setDefault(true);
    connect(RecoverButton, &QPushButton::clicked, this, [this] {
        choice_ = Recover;
        accept();
    });
    connect(DiscardButton, &QPushButton::clicked, this, [this] {
        choice_ = Discard;
        accept();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DiscardButton);
    buttons->addWidget(RecoverButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(List);
    layout->addLayout(buttons);
    resize(520, 260);
}

} // namespace qel
