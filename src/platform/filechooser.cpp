#include "platform/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace qel {

namespace {

FileChooserHook& hookSlot() {
    static FileChooserHook hook;
    return hook;
}

// "Desc|*.a;*.b|Other|*.c" becomes Qt's "Desc (*.a *.b);;Other (*.c)" list.
QStringList qtFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        QString description = parts[i];
        // The description often repeats the patterns in brackets already.
        if (description.contains(u'('))
            description = description.left(description.indexOf(u'(')).trimmed();
        out << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return out;
}

} // namespace

std::optional<FileChoice> chooseFile(const FileRequest& request) {
    if (hookSlot()) return hookSlot()(request);
    QFileDialog dialog(request.parent, request.title);
    dialog.setAcceptMode(request.mode == FileChooserMode::Save ? QFileDialog::AcceptSave
                                                               : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mode == FileChooserMode::Save ? QFileDialog::AnyFile
                                                             : QFileDialog::ExistingFile);
    const QStringList filters = qtFilters(request.filter);
    dialog.setNameFilters(filters);
    dialog.setDirectory(request.folder.isEmpty() ? QDir::currentPath() : request.folder);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    FileChoice choice;
    choice.path = dialog.selectedFiles().first();
    choice.filterIndex = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    if (choice.path.isEmpty()) return std::nullopt;
    return choice;
}

FileChooserHook setFileChooserHook(FileChooserHook hook) {
    FileChooserHook previous = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return previous;
}

} // namespace qel
