#include "app/recoveryoffer.h"

#include "app/mainform.h"
#include "dialogs/recoverydialog.h"
#include "platform/modalhook.h"
#include "platform/recoverystore.h"

namespace qel {

int offerRecovery(TMainForm& frame, RecoveryStore& store) {
    const std::vector<RecoveryEntry> entries = store.orphans();
    if (entries.empty()) return 0;
    TRecuperation dialog(entries, &frame);
    runModal(dialog);
    int opened = 0;
    switch (dialog.choice()) {
    case TRecuperation::Recover:
        for (const RecoveryEntry& e : entries) {
            if (!e.readable) continue; // an unreadable copy stays until it is thrown away
            frame.restoreDrawing(e.data);
            store.discard(e); // the window's own copy takes over
            ++opened;
        }
        break;
    case TRecuperation::Discard:
        for (const RecoveryEntry& e : entries)
            store.discard(e);
        break;
    case TRecuperation::Later:
        break;
    }
    store.forget();
    return opened;
}

} // namespace qel
