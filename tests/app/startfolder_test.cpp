// Where the open and save dialogs start, and what their file-name field proposes.

#include "app/mainform.h"
#include "app/mdichild.h"
#include "document/drawing.h"
#include "platform/filechooser.h"
#include "support/boxes.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qel;

namespace {

struct Seen {
    QString folder;
    QString name;
};

// Runs the real dialog for request and reads its folder and name field while it is up.
Seen shownBy(const FileRequest& request) {
    Seen seen;
    qel::testing::BoxCatcher boxes(nullptr, [&](QWidget* box) {
        auto* dialog = qobject_cast<QFileDialog*>(box);
        if (!dialog) return;
        seen.folder = dialog->directory().absolutePath();
        if (auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            seen.name = field->text();
    });
    chooseFile(request);
    return seen;
}

} // namespace

TEST(FileDialogs, StartInTheFolderWithTheProposedName) {
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).absolutePath();
    const QString filter = QStringLiteral("Fichiers Qel Draw (*.drf)|*.drf");
    struct Case {
        FileChooserMode mode;
        QString folder, name, expectedFolder, expectedName;
    };
    const Case cases[] = {
        {FileChooserMode::Open, folder, {}, folder, {}},
        {FileChooserMode::Save, folder, QStringLiteral("plan.drf"), folder, "plan.drf"},
        {FileChooserMode::Save, {}, QStringLiteral("Dessin1"), QDir::currentPath(), "Dessin1"},
    };
    for (const Case& c : cases) {
        const Seen seen =
            shownBy({nullptr, c.mode, QStringLiteral("Titre"), filter, c.folder, c.name});
        EXPECT_EQ(seen.folder.toStdString(), c.expectedFolder.toStdString());
        EXPECT_EQ(seen.name.toStdString(), c.expectedName.toStdString());
    }
}

TEST(FileDialogs, OpenStartsInStartDirAndSaveAsWhereTheDrawingIs) {
    QTemporaryDir dir;
    TMainForm frame;
    frame.StartDir = dir.path();
    std::vector<FileRequest> asked;
    ScopedFileChooserHook record([&](const FileRequest& request) {
        asked.push_back(request);
        return request.mode == FileChooserMode::Save
                   ? std::optional<FileChoice>(FileChoice{dir.filePath("plan.drf"), 0})
                   : std::nullopt;
    });
    frame.FileOpenItemClick();
    TMDIChild* child = frame.FileNewItemClick();
    child->drawing().markUnsaved();
    child->Sauve(1); // never saved: current folder, the window's name
    child->drawing().markUnsaved();
    child->Sauve(1); // saved: its own folder and name
    ASSERT_EQ(asked.size(), 3u);
    const std::pair<QString, QString> expected[] = {{dir.path(), {}},
                                                    {{}, QStringLiteral("Dessin1")},
                                                    {dir.path(), QStringLiteral("plan.drf")}};
    for (size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(asked[i].folder, expected[i].first) << i;
        EXPECT_EQ(asked[i].fileName, expected[i].second) << i;
    }
}
