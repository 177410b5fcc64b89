#pragma once

#include <QStringList>

namespace qel {

// `qeldraw --export IN OUT [--scale N]`, given what follows `--export`: loads IN as the open
// command does and writes OUT as saving under that name would, without any window, a bitmap
// picture at N pixels per page pixel. Answers the process exit code (2 for arguments it cannot
// read); on failure one French line naming the file and the reason goes to standard error.
int exportFromCommandLine(const QStringList& arguments);

} // namespace qel
