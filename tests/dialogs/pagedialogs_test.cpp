// The enlarge and properties dialogs, driven in the user's place.

#include "dialogs/propertiesdialog.h"
#include "dialogs/supportdialog.h"
#include "platform/modalhook.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace qel;

namespace {

// Types a value over what a spin box shows.
void type(QSpinBox* spin, const char* text) {
    spin->selectAll();
    QTest::keyClicks(spin, QString::fromUtf8(text));
}

} // namespace

TEST(SupportDialog, SizesStayBetweenTheCurrentOneAndTheMaximum) {
    struct Case {
        const char* width;
        const char* height;
        Qt::Key key; // in the height box; none: OK
        std::optional<QSize> expected;
    } cases[] = {
        {"1000", "700", Qt::Key_unknown, QSize(1000, 700)},
        {"100", "900", Qt::Key_Return, QSize(800, 900)}, // below the current width
        {"800", "600", Qt::Key_Return, std::nullopt},
        {"900", "700", Qt::Key_Escape, std::nullopt},
    };
    for (const Case& c : cases) {
        ScopedModalHook<TSupport> hook([&](TSupport& d) {
            d.show(); // Enter finds the default button only on a dialog that shows
            type(d.SpinEdit1, c.width);
            type(d.SpinEdit2, c.height);
            if (c.key != Qt::Key_unknown)
                QTest::keyClick(d.SpinEdit2, c.key);
            else
                d.Button2->click();
        });
        EXPECT_EQ(chooseSurfaceSize(nullptr, QSize(800, 600)), c.expected)
            << c.width << "x" << c.height;
    }
    // The maximum is 2000, or the current size when the page is already larger.
    TSupport dialog;
    dialog.Init(800, 2400);
    EXPECT_EQ(dialog.SpinEdit1->maximum(), 2000);
    EXPECT_EQ(dialog.SpinEdit2->maximum(), 2400);
    EXPECT_EQ(dialog.SpinEdit2->value(), 2400);
}

TEST(PropertiesDialog, ShowsTheFileAndWhatTheDrawingHolds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.drf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1234, 'x'));
    file.flush();
    file.setFileTime(QDateTime(QDate(2021, 3, 7), QTime(10, 0)), QFileDevice::FileModificationTime);
    file.close();

    const QStringList grouped{"2801E0", " 0BLANK", " 1RECT 010010064064\t", "*3LINE 010010064064\t",
                              " 0TEXT 010010064064\t"};
    const QStringList oddGroups{"2801E0", " 0BLANK", " ARECT 010010064064\t", "x"};
    struct Case {
        QString file;
        QStringList lines;
        QString name, size, date, objects, groups;
    } cases[] = {
        {path, grouped, "plan.drf", "1234 octets", "07/03/2021", "4", "3"},
        {QString(),
         {"2801E0", " 0BLANK"},
         "",
         "0 octets",
         QDate::currentDate().toString("dd/MM/yyyy"),
         "1",
         "0"},
        {dir.filePath("absent.drf"), oddGroups, "absent.drf", "0 octets",
         QDate::currentDate().toString("dd/MM/yyyy"), "3", "0"},
    };
    for (const Case& c : cases) {
        bool shown = false;
        ScopedModalHook<TAttributs> hook([&](TAttributs& d) {
            shown = true;
            EXPECT_EQ(d.FileName->text(), c.name);
            EXPECT_EQ(d.FileSize->text(), c.size);
            EXPECT_EQ(d.FileDate->text(), c.date);
            EXPECT_EQ(d.PictureWidth->text(), "640 pixels");
            EXPECT_EQ(d.PictureHeight->text(), "480 pixels");
            EXPECT_EQ(d.Objects->text(), c.objects);
            EXPECT_EQ(d.Groups->text(), c.groups);
            d.Button1->click();
        });
        showProperties(nullptr, c.file, c.lines, 640, 480);
        EXPECT_TRUE(shown);
    }
}
