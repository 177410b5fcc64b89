#pragma once

#include <QString>

namespace qel {

// Captions carry accelerator marks: "&" before the underlined letter, "&&" for an "&" that
// shows. Screen readers must get the caption as a person reads it.

// The caption as it is shown: every single "&" dropped, "&&" shown as "&".
QString withoutMnemonics(const QString& caption);

// The caption with only its first accelerator mark, the one Qt acts on. Qt shows it exactly
// like the original and, unlike the original, also speaks it as shown: its accessible names
// drop the first mark only, so "&A&rrière plan" would be read "A&rrière plan".
QString withFirstMnemonicOnly(const QString& caption);

} // namespace qel
