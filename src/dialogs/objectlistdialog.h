#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>

class QListWidget;
class QPushButton;
class QToolButton;

namespace qel {

// TList, "Liste des objets": every shape record by name and coordinates, back to front. The
// user deletes records, moves them one step in the stacking order, or picks one; all of it
// happens on a private copy that the window takes over after the dialog closed.
class TList : public QDialog {
    Q_OBJECT

public:
    explicit TList(QWidget* parent = nullptr);

    // Takes a copy of the shape list; item i of the list box shows line i + 2.
    void Init(const QStringList& shapeList);
    // Fills the list box from the private copy.
    void Affiche();
    // Deletes the highlighted record.
    void Supprime();
    // The private copy and the picked line index (-1 for none).
    void Result(QStringList& shapeList, int& picked) const;

    // Whether the private copy differs from the list given to Init.
    bool changed() const { return copy_ != original_; }

    // What a list line shows for a record: its name, two blanks, "(x1,y1,x2,y2)" in decimal,
    // or "(?)" when its coordinates do not read.
    static QString displayText(const QString& line);

    QToolButton* SpeedButton1 = nullptr; // "Un arrière"
    QToolButton* SpeedButton2 = nullptr; // "Un avant"
    QToolButton* SpeedButton3 = nullptr; // "Supprimer"
    QPushButton* Button1 = nullptr;      // "Fermer"
    QListWidget* ListBox1 = nullptr;

public slots:
    // Esc and the close box act as "Fermer": the dialog always ends with a result.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveBack();
    void moveForward();
    void pick();
    void refill(int highlighted);

    QStringList original_;
    QStringList copy_;
    int picked_ = -1;
};

struct ObjectListOutcome {
    bool changed = false; // the list differs from the one given
    QStringList lines;    // the whole shape list after the dialog
    int picked = -1;      // the index of the picked line, or -1
};

// "&Liste des objets": what the dialog did, or nothing when it left the list as it was and
// picked nothing. Tests drive the dialog through ScopedModalHook<TList> (platform/modalhook.h).
std::optional<ObjectListOutcome> runObjectList(QWidget* parent, const QStringList& lines);

} // namespace qel
