#include "support/drawingwindow.h"

#include "dialogs/textinput.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "render/painter_canvas.h"

#include <QImage>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>

namespace {

using namespace qel::testing;

struct DragCase {
    const char* what;
    Tool tool;
    QPoint from, to;
    Qt::KeyboardModifiers mods;
    const char* body; // nullptr: nothing stored
};

class DragRecords : public ::testing::TestWithParam<DragCase> {};

TEST_P(DragRecords, StoreTheShapeDrawn) {
    const DragCase& c = GetParam();
    DrawingWindow w;
    w.pickTool(c.tool);
    w.drag(c.from, c.to, c.mods);
    if (!c.body) {
        EXPECT_TRUE(w.shapes().isEmpty()) << c.what;
        EXPECT_FALSE(w.child->drawing().canUndo()) << c.what;
        return;
    }
    ASSERT_EQ(w.shapes().size(), 1) << c.what;
    EXPECT_EQ(bodyOf(w.shapes()[0]), QString::fromLatin1(c.body)) << c.what;
    EXPECT_TRUE(w.shapes()[0].startsWith(" 0")) << c.what;
    EXPECT_TRUE(w.child->drawing().isModified());
}

const DragCase kDrags[] = {
    {"3 right 2 down", Tool::Rect, {40, 40}, {43, 42}, {}, "RECT 02802802B02A"},
    {"click", Tool::Rect, {40, 40}, {40, 40}, {}, nullptr},
    {"4 pixels", Tool::Rect, {40, 40}, {42, 42}, {}, nullptr},
    {"rectangle up left", Tool::Rect, {200, 100}, {16, 32}, {}, "RECT 0100200C8064"},
    {"line rising leftwards", Tool::Line, {10, 90}, {60, 20}, {}, "LINEU 00A01403C05A"},
    {"line falling leftwards", Tool::Line, {60, 20}, {10, 90}, {}, "LINEU 00A01403C05A"},
    {"line falling", Tool::Line, {10, 20}, {60, 90}, {}, "LINE 00A01403C05A"},
    {"line horizontal", Tool::Line, {10, 20}, {60, 20}, {}, "LINE 00A01403C014"},
    {"ellipse", Tool::Ellipse, {30, 30}, {90, 70}, {}, "ELLIPSE 01E01E05A046"},
    {"rounded", Tool::RoundRect, {90, 70}, {30, 30}, {}, "ROUNDRECT 01E01E05A046"},
    {"convex arc falling", Tool::Arc, {20, 20}, {80, 60}, {}, "ARCH 01401405003C"},
    {"concave arc upper right to lower left",
     Tool::Arc,
     {80, 20},
     {20, 60},
     Qt::ControlModifier,
     "ARCHU 01401405003C"},
    {"convex arc upper right to lower left",
     Tool::Arc,
     {80, 20},
     {20, 60},
     {},
     "ARCLU 01401405003C"},
    {"concave chord falling",
     Tool::Chord,
     {20, 20},
     {80, 60},
     Qt::ControlModifier,
     "CHORDL 01401405003C"},
    {"past the right and bottom edges",
     Tool::Rect,
     {300, 200},
     {500, 400},
     {},
     "RECT 12C0C81750FC"},
    {"pointer", Tool::Pointer, {20, 20}, {80, 60}, {}, nullptr},
};

INSTANTIATE_TEST_SUITE_P(MouseTools, DragRecords, ::testing::ValuesIn(kDrags));

struct ClickedPoints {
    Tool tool;
    const char* body;
};

class ClickedShapes : public ::testing::TestWithParam<ClickedPoints> {};

TEST_P(ClickedShapes, DoubleClickStoresTheClickedPoints) {
    DrawingWindow w;
    w.pickTool(GetParam().tool);
    w.click({20, 20});
    w.click({100, 30});
    w.click({90, 120});
    EXPECT_TRUE(w.shapes().isEmpty());
    w.doubleClick({30, 110});
    ASSERT_EQ(w.shapes().size(), 1);
    EXPECT_EQ(bodyOf(w.shapes()[0]), QString::fromLatin1(GetParam().body));
}

INSTANTIATE_TEST_SUITE_P(
    MouseTools, ClickedShapes,
    ::testing::Values(ClickedPoints{Tool::Polygon, "POLYG 014014064078014014064"
                                                   "01E05A07801E06E"},
                      ClickedPoints{Tool::Polyline, "POLYL 014014064078014014064"
                                                    "01E05A07801E06E"}));

TEST(MouseTools, PolygonStartedByADoubleClickHasOneVertex) {
    DrawingWindow w;
    w.pickTool(Tool::Polygon);
    w.doubleClick({50, 60});
    ASSERT_EQ(w.shapes().size(), 1);
    EXPECT_EQ(bodyOf(w.shapes()[0]), "POLYG 03203C03203C03203C");
}

TEST(MouseTools, ChangingToolFinishesAnOpenPolyline) {
    DrawingWindow w;
    w.pickTool(Tool::Polyline);
    w.click({20, 20});
    w.click({60, 20});
    w.pickTool(Tool::Rect);
    ASSERT_EQ(w.shapes().size(), 1);
    EXPECT_TRUE(bodyOf(w.shapes()[0]).startsWith("POLYL "));
}

TEST(MouseTools, LongFreehandStrokeStopsAt299Points) {
    DrawingWindow w;
    w.pickTool(Tool::Freehand);
    w.press({10, 10});
    for (int i = 0; i < 400; ++i)
        w.moveTo({10 + i % 300, 10 + (i / 3) % 200});
    w.release({20, 200});
    ASSERT_EQ(w.shapes().size(), 1);
    const QString body = bodyOf(w.shapes()[0]);
    ASSERT_TRUE(body.startsWith("DRAW "));
    EXPECT_EQ((body.size() - 5 - 12) / 6, 299);
    EXPECT_EQ(body.mid(17, 6), "00A00A"); // the press point comes first
}

TEST(MouseTools, ShortFreehandStrokeKeepsEveryPoint) {
    DrawingWindow w;
    w.pickTool(Tool::Freehand);
    w.press({10, 10});
    w.moveTo({20, 15});
    w.release({20, 15});
    ASSERT_EQ(w.shapes().size(), 1);
    // The press, the previous and the new point of the move, and the last point once more.
    EXPECT_EQ(bodyOf(w.shapes()[0]), "DRAW 00A00A01400F00A00A00A00A01400F01400F");
}

// ---- text ----

struct TextAnswer {
    std::optional<QString> text;
    TextAnswer(std::optional<QString> t) : text(std::move(t)) {
        previous = qel::setTextInputHook([this] { return text; });
    }
    ~TextAnswer() { qel::setTextInputHook(std::move(previous)); }
    qel::TextInputHook previous;
};

struct TextCase {
    int size;
    bool bold;
    const char* fontName;
};

class TextRecords : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRecords, BoxIsTheTextExtentInTheCurrentFont) {
    const TextCase& c = GetParam();
    DrawingWindow w;
    TextAnswer answer(QStringLiteral("Bonjour à tous"));
    w.frame.SpinEdit2->setValue(c.size);
    w.frame.FontName->setCurrentText(QString::fromLatin1(c.fontName));
    if (c.bold) QTest::mouseClick(w.frame.BoldButton, Qt::LeftButton);
    w.pickTool(Tool::Text);
    w.click({30, 40});
    ASSERT_EQ(w.shapes().size(), 1);

    QImage scratch(10, 10, QImage::Format_RGB32);
    qel::PainterCanvas measure(scratch);
    measure.setFontName(QString::fromLatin1(c.fontName));
    measure.setFontSize(c.size);
    measure.setBold(c.bold);
    const QSize extent = measure.textExtent(QStringLiteral("Bonjour à tous"));
    const qel::Box box{30, 40, 30 + extent.width(), 40 + extent.height()};
    EXPECT_EQ(bodyOf(w.shapes()[0]), "TEXT " + qel::encodeBox(box) + "Bonjour à tous");
    EXPECT_EQ(styleOf(w.shapes()[0]).mid(30, 1), c.bold ? "1" : "0");
}

INSTANTIATE_TEST_SUITE_P(MouseTools, TextRecords,
                         ::testing::Values(TextCase{12, false, "Arial"},
                                           TextCase{30, true, "Arial"},
                                           TextCase{20, false, "DejaVu Sans"}));

TEST(MouseTools, CancelledOrEmptyTextStoresNothing) {
    for (const std::optional<QString>& typed :
         {std::optional<QString>(), std::optional(QString())}) {
        DrawingWindow w;
        TextAnswer answer(typed);
        w.pickTool(Tool::Text);
        w.click({30, 40});
        EXPECT_TRUE(w.shapes().isEmpty());
    }
}

// ---- style field ----

TEST(MouseTools, RecordCarriesThePaletteStyle) {
    DrawingWindow w;
    w.pickTool(Tool::Rect);
    w.drag({10, 10}, {60, 40});
    // Brush style and colour, pen style, width and colour, font colour, size and style, name.
    EXPECT_EQ(styleOf(w.shapes().value(0)), "1"
                                            "00FFFFFF"
                                            "0"
                                            "01"
                                            "00000000"
                                            "00000000"
                                            "0C"
                                            "0"
                                            "Arial");

    QTest::mouseClick(w.palette().brushStyleButton(6), Qt::LeftButton);
    QTest::mouseClick(w.palette().penStyleButton(3), Qt::LeftButton);
    w.palette().SpinEdit1->setValue(11);
    QTest::mouseClick(w.frame.colourStrip()->swatch(2), Qt::LeftButton);   // red pen
    QTest::mouseClick(w.frame.colourStrip()->swatch(18), Qt::RightButton); // blue fill
    w.frame.SpinEdit2->setValue(24);
    QTest::mouseClick(w.frame.ItalButton, Qt::LeftButton);
    w.frame.FontName->setCurrentText(QStringLiteral("DejaVu Sans"));
    w.drag({100, 100}, {150, 130});
    EXPECT_EQ(styleOf(w.shapes().value(1)), "6"
                                            "00FF0000"
                                            "3"
                                            "0B"
                                            "000000FF"
                                            "00000000"
                                            "18"
                                            "2"
                                            "DejaVu Sans");

    // Two font styles at once cannot be stored: the code says none.
    QTest::mouseClick(w.frame.BoldButton, Qt::LeftButton);
    w.drag({100, 100}, {150, 130});
    EXPECT_EQ(styleOf(w.shapes().value(2)).mid(30, 1), "0");
}

// ---- rubber band ----

struct BandCase {
    Tool tool;
    Qt::KeyboardModifiers mods;
    int brush;
    int pen;
    int width;
};

// Where two images differ, for the failure message.
std::string differences(const QImage& a, const QImage& b) {
    QStringList where;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) where << QStringLiteral("(%1,%2)").arg(x).arg(y);
    return QStringLiteral("%1 pixels differ: %2")
        .arg(where.size())
        .arg(where.mid(0, 8).join(u' '))
        .toStdString();
}

class RubberBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(RubberBand, ErasingAndRedrawingRestoresEveryPixel) {
    const BandCase& c = GetParam();
    DrawingWindow w;
    QTest::mouseClick(w.palette().brushStyleButton(c.brush), Qt::LeftButton);
    QTest::mouseClick(w.palette().penStyleButton(c.pen), Qt::LeftButton);
    w.palette().SpinEdit1->setValue(c.width);
    QTest::mouseClick(w.frame.colourStrip()->swatch(5), Qt::LeftButton);
    // Something under the band: a filled shape and the grid.
    w.pickTool(Tool::Ellipse);
    w.drag({40, 30}, {160, 120});
    w.pickTool(c.tool);
    const QImage before = w.child->surfaceImage().copy();

    w.press({150, 40}, c.mods);
    for (const QPoint p : {QPoint(140, 60), QPoint(90, 90), QPoint(30, 130), QPoint(60, 110)})
        w.moveTo(p);
    const QImage banded = w.child->surfaceImage().copy();
    EXPECT_NE(banded, before);

    // The release leaves the finished shape and no trace of any band: what a repaint paints.
    w.release({60, 110}, c.mods);
    const QImage live = w.child->surfaceImage().copy();
    w.child->Dessine();
    EXPECT_TRUE(w.child->surfaceImage() == live) << differences(w.child->surfaceImage(), live);
}

INSTANTIATE_TEST_SUITE_P(MouseTools, RubberBand,
                         ::testing::Values(BandCase{Tool::Rect, {}, 1, 1, 1},
                                           BandCase{Tool::Rect, {}, 0, 0, 5},
                                           BandCase{Tool::Ellipse, {}, 6, 2, 1},
                                           BandCase{Tool::RoundRect, {}, 2, 0, 3},
                                           BandCase{Tool::Arc, {}, 1, 0, 1},
                                           BandCase{Tool::Arc, Qt::ControlModifier, 1, 3, 1},
                                           BandCase{Tool::Chord, {}, 7, 0, 2}));
// The first move erases a band of zero length at the press point, which must draw nothing.
INSTANTIATE_TEST_SUITE_P(ZeroLengthLine, RubberBand,
                         ::testing::Values(BandCase{Tool::Line, {}, 1, 0, 1}));

// ---- high-density screen ----

// Run by its own ctest entry on two screens, of 2 and 1 pixels per page pixel (skipped
// elsewhere): the page is painted at the screen's pixels, while the mouse and the records stay in
// page pixels.
TEST(HighDensityScreen, PagePaintedAtScreenPixelsShapesStoredInPagePixels) {
    DrawingWindow w;
    if (w.surface->devicePixelRatioF() != 2) GTEST_SKIP() << "needs tests/data/screens.json";
    w.child->SetGrille(false);
    w.pickTool(Tool::Rect);
    w.drag({50, 50}, {150, 100});
    w.pickTool(Tool::Ellipse);
    w.drag({170, 40}, {330, 200});
    ASSERT_EQ(w.shapes().size(), 2);
    EXPECT_EQ(bodyOf(w.shapes()[0]), QStringLiteral("RECT 032032096064"));
    const QImage shown = w.child->surfaceImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), w.surface->size() * 2);
    // Along the ellipse's outline (blocks unlike a neighbour), blocks of one page pixel are not
    // one flat colour: the curve steps by screen pixels.
    int edge = 0, notFlat = 0;
    for (int y = 40; y < 200; ++y)
        for (int x = 170; x < 330; ++x) {
            const QRgb c = shown.pixel(2 * x, 2 * y);
            const bool flat = shown.pixel(2 * x + 1, 2 * y) == c &&
                              shown.pixel(2 * x, 2 * y + 1) == c &&
                              shown.pixel(2 * x + 1, 2 * y + 1) == c;
            if (flat && shown.pixel(2 * x + 2, 2 * y) == c && shown.pixel(2 * x, 2 * y + 2) == c)
                continue;
            ++edge;
            notFlat += !flat;
        }
    EXPECT_GT(notFlat * 10, edge) << notFlat << " of " << edge;

    // Moved to the plain screen beside it, the window paints its page again at one pixel.
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    w.frame.windowHandle()->setScreen(screens[1]);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.child->surfaceImage().devicePixelRatio(), 1.0);
    EXPECT_EQ(w.child->surfaceImage().size(), w.surface->size());
    EXPECT_EQ(w.shapes().size(), 2);
}

// ---- undo ----

TEST(MouseTools, FreshShapeIsUndoneFromTheMenuAndTheToolbar) {
    for (const bool fromToolbar : {false, true}) {
        DrawingWindow w;
        const QImage blank = w.child->surfaceImage().copy();
        w.pickTool(Tool::Rect);
        w.drag({20, 20}, {80, 60});
        ASSERT_EQ(w.shapes().size(), 1);
        EXPECT_NE(w.child->surfaceImage(), blank);
        if (fromToolbar)
            QTest::mouseClick(w.frame.findChild<QToolButton*>("UndoBtn"), Qt::LeftButton);
        else
            w.frame.action("EditUndoItem")->trigger();
        EXPECT_TRUE(w.shapes().isEmpty()) << fromToolbar;
        EXPECT_EQ(w.child->surfaceImage(), blank) << fromToolbar;
    }
}

// ---- pictures ----

struct PictureFile {
    QTemporaryDir dir;
    QString path;
    explicit PictureFile(const QImage& image) : path(dir.filePath("image.bmp")) {
        image.save(path, "BMP");
    }
};

struct Messages {
    QStringList texts;
    qel::ScopedMessageHook hook{[this](const qel::Message& m) {
        texts << m.text;
        return qel::MessageResult::Ok;
    }};
};

TEST(MouseTools, PictureAboveTheSizeLimitIsRefused) {
    QImage big(150, 150, QImage::Format_RGB32);
    big.fill(Qt::red);
    PictureFile file(big);
    Messages messages;
    qel::ScopedFileChooserHook chooser([&](const qel::FileRequest&) {
        return std::optional<qel::FileChoice>({file.path, 0});
    });
    DrawingWindow w;
    w.pickTool(Tool::Picture);
    w.click({10, 10});
    EXPECT_EQ(messages.texts, QStringList{"Image trop grande"});
    EXPECT_TRUE(w.shapes().isEmpty());
}

TEST(MouseTools, SmallBitmapIsStoredWithItsPixels) {
    QImage small(4, 3, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y)
            small.setPixelColor(x, y, QColor(x * 60, y * 100, 7));
    PictureFile file(small);
    Messages messages;
    qel::ScopedFileChooserHook chooser([&](const qel::FileRequest& request) {
        EXPECT_TRUE(request.filter.startsWith("Tous  (*.bmp;*.ico;*.wmf;*.emf)"));
        return std::optional<qel::FileChoice>({file.path, 0});
    });
    DrawingWindow w;
    w.pickTool(Tool::Picture);
    w.click({50, 60});
    EXPECT_TRUE(messages.texts.isEmpty());
    ASSERT_EQ(w.shapes().size(), 1);
    // Column by column, each pixel as blue, green, red.
    EXPECT_EQ(bodyOf(w.shapes()[0]), "BITMAP 03203C03603F004003"
                                     "07000007640007C800"
                                     "07003C07643C07C83C"
                                     "07007807647807C878"
                                     "0700B40764B407C8B4");
}

TEST(MouseTools, CancelledPictureDialogStoresNothing) {
    qel::ScopedFileChooserHook chooser(
        [](const qel::FileRequest&) { return std::optional<qel::FileChoice>(); });
    DrawingWindow w;
    w.pickTool(Tool::Picture);
    w.click({50, 60});
    EXPECT_TRUE(w.shapes().isEmpty());
}

// ---- status bar ----

TEST(MouseTools, StatusBarShowsPositionAndDrawingSize) {
    DrawingWindow w;
    w.pickTool(Tool::Rect);
    w.press({15, 25});
    EXPECT_EQ(w.frame.statusText(0), "Position : (15,25)");
    w.moveTo({70, 45});
    EXPECT_EQ(w.frame.statusText(0), "Position : (70,45)");
    w.release({70, 45});
    EXPECT_EQ(w.frame.statusText(1), "70 x 45");
    w.drag({100, 30}, {120, 90});
    EXPECT_EQ(w.frame.statusText(1), "120 x 90");
    EXPECT_EQ(w.child->drawing().largestExtent(), QSize(120, 90));
}

} // namespace
