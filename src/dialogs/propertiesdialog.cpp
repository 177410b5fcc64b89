#include "dialogs/propertiesdialog.h"

#include "document/record.h"
#include "platform/modalhook.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qel {

TAttributs::TAttributs(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Propriétés de l'image"));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    FileName = addValue(form, QStringLiteral("Nom du fichier"));
    FileSize = addValue(form, QStringLiteral("Taille du fichier"));
    FileDate = addValue(form, QStringLiteral("Date de modification"));
    PictureWidth = addValue(form, QStringLiteral("Largeur"));
    PictureHeight = addValue(form, QStringLiteral("Hauteur"));
    Objects = addValue(form, QStringLiteral("Nombre d'objets"));
    Groups = addValue(form, QStringLiteral("Nombre de groupes"));

    Button1 = new QPushButton(QStringLiteral("Fermer"), this);
    Button1->setAccessibleName(QStringLiteral("Fermer"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// A value a keyboard user can reach with Tab and a screen reader reads with its caption.
QLabel* TAttributs::addValue(QFormLayout* form, const QString& caption) {
    auto* value = new QLabel(this);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setFocusPolicy(Qt::StrongFocus);
    value->setAccessibleName(caption);
    value->setProperty("caption", caption);
    value->setMinimumWidth(160);
    auto* label = new QLabel(caption, this);
    label->setBuddy(value);
    form->addRow(label, value);
    return value;
}

int TAttributs::groupCount(const QStringList& shapeList) {
    int largest = 0;
    for (qsizetype i = 1; i < shapeList.size(); ++i)
        largest = std::max(largest, groupOf(shapeList[i]));
    return largest;
}

void TAttributs::Init(const QString& fileName, const QStringList& shapeList, int width,
                      int height) {
    const QFileInfo file(fileName);
    const bool exists = !fileName.isEmpty() && file.exists();
    FileName->setText(fileName.isEmpty() ? QString() : file.fileName());
    FileSize->setText(QStringLiteral("%1 octets").arg(exists ? file.size() : 0));
    const QDate date = exists ? file.lastModified().date() : QDate::currentDate();
    FileDate->setText(date.toString(QStringLiteral("dd/MM/yyyy")));
    PictureWidth->setText(QStringLiteral("%1 pixels").arg(width));
    PictureHeight->setText(QStringLiteral("%1 pixels").arg(height));
    Objects->setText(QString::number(std::max<qsizetype>(shapeList.size() - 1, 0)));
    Groups->setText(QString::number(groupCount(shapeList)));
    for (QLabel* value :
         {FileName, FileSize, FileDate, PictureWidth, PictureHeight, Objects, Groups})
        value->setAccessibleName(value->property("caption").toString() + QStringLiteral(" : ") +
                                 value->text());
}

void showProperties(QWidget* parent, const QString& fileName, const QStringList& shapeList,
                    int width, int height) {
    TAttributs dialog(parent);
    dialog.Init(fileName, shapeList, width, height);
    runModal(dialog);
}

} // namespace qel
