#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace qel {

// Every open and save dialog goes through chooseFile, so that tests can answer in the user's
// place. Filters are written as pairs "Description|patterns|Description|patterns".

enum class FileChooserMode { Open, Save };

struct FileRequest {
    QWidget* parent = nullptr;
    FileChooserMode mode = FileChooserMode::Open;
    QString title;
    QString filter;
    // The folder the dialog starts in; empty for the current folder.
    QString folder;
    // The name proposed in the file-name field; empty leaves the field empty.
    QString fileName;
};

struct FileChoice {
    QString path;
    int filterIndex = 0; // 0-based index of the chosen filter
};

using FileChooserHook = std::function<std::optional<FileChoice>(const FileRequest&)>;

std::optional<FileChoice> chooseFile(const FileRequest& request);
FileChooserHook setFileChooserHook(FileChooserHook hook);

class ScopedFileChooserHook {
public:
    explicit ScopedFileChooserHook(FileChooserHook hook)
        : previous_(setFileChooserHook(std::move(hook))) {}
    ~ScopedFileChooserHook() { setFileChooserHook(std::move(previous_)); }
    ScopedFileChooserHook(const ScopedFileChooserHook&) = delete;
    ScopedFileChooserHook& operator=(const ScopedFileChooserHook&) = delete;

private:
    FileChooserHook previous_;
};

} // namespace qel
