#pragma once

#include <QStringList>

namespace qel {

// `qeldraw --export IN OUT`: loads IN as the open command does and writes OUT as saving under
// that name would, without any window. Answers the process exit code; on failure one French
// line naming the file and the reason goes to standard error.
int exportFromCommandLine(const QString& input, const QString& output);

} // namespace qel
