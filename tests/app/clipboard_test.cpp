// The desktop's clipboard in a drawing window.

#include "support/drawingwindow.h"

#include "edit/clipboardformats.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

using namespace qel;
using namespace qel::testing;

const QString& S = kStyle;

TEST(Clipboard, ShapesTravelExactlyAndAsAPicture) {
    LoadedWindow w;
    w.load({"*3RECT 010010064064", "*0LINE 020020050030", " 0ELLIPSE 100100120120"});
    w.run("EditCopyItem");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QString::fromLatin1(kRecordsMimeType)));
    EXPECT_EQ(QString::fromUtf8(data->data(QString::fromLatin1(kRecordsMimeType))),
              " 3RECT 010010064064" + S + "\n 0LINE 020020050030" + S);
    QImage png;
    ASSERT_TRUE(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
    EXPECT_EQ(png.size(), QSize(84 + 16, 84 + 16)) << "the shapes' box and a margin of 8";
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0) << "the background is transparent";
    EXPECT_EQ(png.pixel(8, 8), qRgb(0, 0, 0)) << "the rectangle's corner";

    TMDIChild* other = w.frame.FileNewItemClick();
    w.frame.action(QStringLiteral("EditPasteItem"))->trigger();
    EXPECT_EQ(other->drawing().lines().mid(2),
              QStringList({"*3RECT 010010064064" + S, "*0LINE 020020050030" + S}))
        << "pasted shapes land selected";
}

TEST(Clipboard, PicturesAndTextFromElsewherePaste) {
    LoadedWindow w;
    QImage small(12, 7, QImage::Format_RGB32);
    small.fill(qRgb(255, 0, 0));
    QGuiApplication::clipboard()->setImage(small);
    w.run("EditPasteItem");
    ASSERT_EQ(w.shapes().size(), 1);
    EXPECT_TRUE(w.shapes()[0].startsWith(QStringLiteral("*0BITMAP 00800801400F00C007")));

    QGuiApplication::clipboard()->setImage(QImage(200, 200, QImage::Format_RGB32));
    w.run("EditPasteItem");
    EXPECT_EQ(w.told, QStringList{"Image trop grande"});
    EXPECT_EQ(w.shapes().size(), 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("Bonjour\nle monde"));
    w.run("EditPasteItem");
    ASSERT_EQ(w.shapes().size(), 2);
    EXPECT_TRUE(w.shapes()[1].startsWith(QStringLiteral("*0TEXT 008008")));
    EXPECT_TRUE(w.shapes()[1].contains(QStringLiteral("Bonjour\t")));
}

} // namespace
