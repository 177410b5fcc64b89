#include "dialogs/objectlistdialog.h"

#include "document/record.h"
#include "document/recordkind.h"
#include "platform/modalhook.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qel {

namespace {

constexpr int kFirstShape = 2; // the header and the background are not listed

QToolButton* toolButton(QWidget* parent, const QString& caption) {
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setToolTip(caption);
    b->setAccessibleName(caption);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

} // namespace

TList::TList(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Liste des objets"));
    resize(340, 320);

    SpeedButton1 = toolButton(this, QStringLiteral("Un arrière"));
    SpeedButton2 = toolButton(this, QStringLiteral("Un avant"));
    SpeedButton3 = toolButton(this, QStringLiteral("Supprimer"));
    Button1 = new QPushButton(QStringLiteral("Fermer"), this);
    Button1->setAccessibleName(QStringLiteral("Fermer"));
    // Enter belongs to the list (it picks), so no button takes it.
    Button1->setAutoDefault(false);
    connect(SpeedButton1, &QToolButton::clicked, this, &TList::moveBack);
    connect(SpeedButton2, &QToolButton::clicked, this, &TList::moveForward);
    connect(SpeedButton3, &QToolButton::clicked, this, &TList::Supprime);
    connect(Button1, &QPushButton::clicked, this, &TList::accept);

    ListBox1 = new QListWidget(this);
    ListBox1->setAccessibleName(QStringLiteral("Objets du dessin"));
    ListBox1->setAccessibleDescription(
        QStringLiteral("Du plus en arrière au plus en avant ; Entrée sélectionne l'objet"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TList::pick);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(2);
    tools->addWidget(SpeedButton1);
    tools->addWidget(SpeedButton2);
    tools->addWidget(SpeedButton3);
    tools->addStretch();
    tools->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(ListBox1, 1);
    ListBox1->setFocus();
}

QString TList::displayText(const QString& line) {
    const RecordView view = splitRecord(line);
    QString text = listNameOf(view.keyword) + QStringLiteral("  ");
    if (const std::optional<Box> box = decodeBox(view.data))
        text += QStringLiteral("(%1,%2,%3,%4)")
                    .arg(box->left)
                    .arg(box->top)
                    .arg(box->right)
                    .arg(box->bottom);
    else
        text += QStringLiteral("(?)");
    return text;
}

void TList::Init(const QStringList& shapeList) {
    setResult(QDialog::Rejected);
    original_ = shapeList;
    copy_ = shapeList;
    picked_ = -1;
    Affiche();
}

void TList::Affiche() {
    refill(-1);
}

void TList::refill(int highlighted) {
    ListBox1->clear();
    for (qsizetype i = kFirstShape; i < copy_.size(); ++i)
        ListBox1->addItem(displayText(copy_[i]));
    if (highlighted >= 0 && highlighted < ListBox1->count()) ListBox1->setCurrentRow(highlighted);
}

void TList::Supprime() {
    const int i = ListBox1->currentRow();
    if (i < 0 || i + kFirstShape >= copy_.size()) return;
    copy_.removeAt(i + kFirstShape);
    picked_ = -1;
    // The next record is highlighted, so that Del may be pressed again.
    refill(std::min(i, int(copy_.size()) - kFirstShape - 1));
}

void TList::moveBack() {
    const int i = ListBox1->currentRow();
    if (i < 1 || i + kFirstShape >= copy_.size()) return;
    copy_.swapItemsAt(i + kFirstShape, i + kFirstShape - 1);
    picked_ = -1;
    refill(i - 1);
}

void TList::moveForward() {
    const int i = ListBox1->currentRow();
    if (i < 0 || i + kFirstShape + 1 >= copy_.size()) return;
    copy_.swapItemsAt(i + kFirstShape, i + kFirstShape + 1);
    picked_ = -1;
    refill(i + 1);
}

void TList::pick() {
    const int i = ListBox1->currentRow();
    if (i < 0) return;
    picked_ = i;
    accept();
}

void TList::reject() {
    accept();
}

bool TList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Delete:
            Supprime();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pick();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TList::Result(QStringList& shapeList, int& picked) const {
    shapeList = copy_;
    picked = picked_ >= 0 ? picked_ + kFirstShape : -1;
}

std::optional<ObjectListOutcome> runObjectList(QWidget* parent, const QStringList& lines) {
    TList dialog(parent);
    dialog.Init(lines);
    runModal(dialog);
    ObjectListOutcome outcome;
    dialog.Result(outcome.lines, outcome.picked);
    outcome.changed = dialog.changed();
    if (!outcome.changed && outcome.picked < 0) return std::nullopt;
    return outcome;
}

} // namespace qel
