#pragma once

namespace qel {

class RecoveryStore;
class TMainForm;

// Looks for copies left behind and asks what to do with them. Answers how many drawings were
// opened again.
int offerRecovery(TMainForm& frame, RecoveryStore& store);

} // namespace qel
