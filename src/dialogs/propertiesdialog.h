#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QFormLayout;
class QLabel;
class QPushButton;

namespace qel {

// TAttributs, "Propriétés de l'image": the drawing's file, its size and what it holds.
class TAttributs : public QDialog {
    Q_OBJECT

public:
    explicit TAttributs(QWidget* parent = nullptr);

    // fileName may be empty (a drawing never saved); width and height are the drawing's
    // largest extent.
    void Init(const QString& fileName, const QStringList& shapeList, int width, int height);

    // The largest group digit from the background record on; a character that is not a digit
    // counts as 0.
    static int groupCount(const QStringList& shapeList);

    QLabel* FileName = nullptr;
    QLabel* FileSize = nullptr;
    QLabel* FileDate = nullptr;
    QLabel* PictureWidth = nullptr;
    QLabel* PictureHeight = nullptr;
    QLabel* Objects = nullptr;
    QLabel* Groups = nullptr;
    QPushButton* Button1 = nullptr; // "Fermer"

private:
    QLabel* addValue(QFormLayout* form, const QString& caption);
};

// "&Propriétés": shows the dialog until the user closes it. Tests see it through
// ScopedModalHook<TAttributs> (platform/modalhook.h).
void showProperties(QWidget* parent, const QString& fileName, const QStringList& shapeList,
                    int width, int height);

} // namespace qel
