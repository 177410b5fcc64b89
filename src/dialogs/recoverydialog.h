#pragma once

#include "platform/recoverystore.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

namespace qel {

// Offered at start when drawings were left with unsaved changes by an instance that ended
// without closing them: "Récupérer" opens them as they were, "Supprimer" throws the copies away;
// closing the dialog keeps them for the next start.
class TRecuperation : public QDialog {
    Q_OBJECT

public:
    explicit TRecuperation(const std::vector<RecoveryEntry>& entries, QWidget* parent = nullptr);
    enum Choice { Later, Recover, Discard };
    Choice choice() const { return choice_; }

    QListWidget* List = nullptr;
    QPushButton* RecoverButton = nullptr;
    QPushButton* DiscardButton = nullptr;

private:
    Choice choice_ = Later;
};

// How a recovered drawing is named in the list: its caption, its file (or that it was never
// saved) and when the copy was made.
QString describeRecovery(const RecoveryEntry& entry);

} // namespace qel
