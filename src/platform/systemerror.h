#pragma once

#include <QString>

namespace qel {

// The system's reason for a failed file operation, in French whatever the system's language
// for the reasons a user meets; others as the system words them.
QString systemErrorText(int error);

} // namespace qel
