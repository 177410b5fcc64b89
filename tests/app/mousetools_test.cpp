// Shapes drawn with the mouse tools: the records a drag or clicks give through the window, and
// the rubber band that follows the mouse.

#include "support/drawingwindow.h"

#include "dialogs/textinput.h"
#include "render/painter_canvas.h"

#include <QScreen>
#include <QWindow>

namespace {

using namespace qel::testing;

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

// The tool's keyword and the block as the window hands the drag over; the writer's own tests
// have every direction of every shape. No body: nothing is stored.
TEST(MouseTools, DragRecordsTheShapeDrawn) {
    const std::tuple<Tool, QPoint, QPoint, Qt::KeyboardModifiers, const char*> cases[] = {
        {Tool::Rect, {40, 40}, {43, 42}, {}, "RECT 02802802B02A"},
        {Tool::Rect, {40, 40}, {40, 40}, {}, nullptr}, // a click
        {Tool::Rect, {40, 40}, {42, 42}, {}, nullptr}, // too short
        {Tool::Line, {10, 90}, {60, 20}, {}, "LINEU 00A01403C05A"},
        {Tool::Ellipse, {30, 30}, {90, 70}, {}, "ELLIPSE 01E01E05A046"},
        {Tool::RoundRect, {90, 70}, {30, 30}, {}, "ROUNDRECT 01E01E05A046"},
        {Tool::Arc, {80, 20}, {20, 60}, kCtrl, "ARCHU 01401405003C"},
        {Tool::Arc, {80, 20}, {20, 60}, {}, "ARCLU 01401405003C"},
        {Tool::Chord, {20, 20}, {80, 60}, kCtrl, "CHORDL 01401405003C"},
        {Tool::Rect, {300, 200}, {500, 400}, {}, "RECT 12C0C81750FC"}, // past the page's edges
        {Tool::Pointer, {20, 20}, {80, 60}, {}, nullptr},
    };
    for (const auto& [tool, from, to, mods, body] : cases) {
        SCOPED_TRACE(body ? body : "nothing");
        DrawingWindow w;
        w.pickTool(tool);
        w.drag(from, to, mods);
        EXPECT_EQ(w.child->drawing().isModified(), body != nullptr);
        if (!body) {
            EXPECT_TRUE(w.shapes().isEmpty());
            continue;
        }
        ASSERT_EQ(w.shapes().size(), 1);
        EXPECT_EQ(bodyOf(w.shapes()[0]), QString::fromLatin1(body));
        EXPECT_TRUE(w.shapes()[0].startsWith(" 0"));
    }
}

TEST(MouseTools, ClickedPointShapesEndWithADoubleClickOrAnotherTool) {
    for (const Tool tool : {Tool::Polygon, Tool::Polyline}) {
        DrawingWindow w;
        w.pickTool(tool);
        for (const QPoint p : {QPoint(20, 20), QPoint(100, 30), QPoint(90, 120)})
            w.click(p);
        EXPECT_TRUE(w.shapes().isEmpty());
        w.doubleClick({30, 110});
        ASSERT_EQ(w.shapes().size(), 1);
        EXPECT_EQ(bodyOf(w.shapes()[0]).mid(6), "01401406407801401406401E05A07801E06E");
        EXPECT_EQ(bodyOf(w.shapes()[0]).left(6), tool == Tool::Polygon ? "POLYG " : "POLYL ");
        // A double-click at once gives one vertex; a change of tool finishes an open shape.
        w.doubleClick({50, 60});
        EXPECT_EQ(bodyOf(w.shapes().value(1)).mid(6), "03203C03203C03203C");
        w.click({20, 20});
        w.click({60, 20});
        w.pickTool(Tool::Rect);
        EXPECT_EQ(w.shapes().size(), 3);
    }
}

TEST(MouseTools, FreehandKeepsEveryPointUpTo299) {
    DrawingWindow w;
    w.pickTool(Tool::Freehand);
    w.press({10, 10});
    w.moveTo({20, 15});
    w.release({20, 15});
    // The press, the previous and the new point of the move, and the last point once more.
    EXPECT_EQ(bodyOf(w.shapes().value(0)), "DRAW 00A00A01400F00A00A00A00A01400F01400F");
    w.press({10, 10});
    for (int i = 0; i < 400; ++i)
        w.moveTo({10 + i % 300, 10 + (i / 3) % 200});
    w.release({20, 200});
    const QString body = bodyOf(w.shapes().value(1));
    ASSERT_TRUE(body.startsWith("DRAW "));
    EXPECT_EQ((body.size() - 5 - 12) / 6, 299);
    EXPECT_EQ(body.mid(17, 6), "00A00A"); // the press point comes first
}

struct TextAnswer {
    std::optional<QString> text;
    qel::TextInputHook previous = qel::setTextInputHook([this] { return text; });
    ~TextAnswer() { qel::setTextInputHook(std::move(previous)); }
};

// Cancelled or empty, the text stores nothing.
TEST(MouseTools, TextRecordsItsExtentInTheCurrentFont) {
    const std::tuple<std::optional<QString>, int, bool, const char*> cases[] = {
        {"Bonjour à tous", 12, false, "Arial"},
        {"Bonjour à tous", 30, true, "Arial"},
        {"Bonjour à tous", 20, false, "DejaVu Sans"},
        {std::nullopt, 12, false, "Arial"},
        {"", 12, false, "Arial"}};
    for (const auto& [typed, size, bold, fontName] : cases) {
        SCOPED_TRACE(size);
        DrawingWindow w;
        TextAnswer answer{typed};
        w.frame.SpinEdit2->setValue(size);
        w.frame.FontName->setCurrentText(QString::fromLatin1(fontName));
        if (bold) QTest::mouseClick(w.frame.BoldButton, Qt::LeftButton);
        w.pickTool(Tool::Text);
        w.click({30, 40});
        ASSERT_EQ(w.shapes().size(), typed.value_or("").isEmpty() ? 0 : 1);
        if (w.shapes().isEmpty()) continue;
        QImage scratch(10, 10, QImage::Format_RGB32);
        qel::PainterCanvas measure(scratch);
        measure.setFontName(QString::fromLatin1(fontName));
        measure.setFontSize(size);
        measure.setBold(bold);
        const QSize extent = measure.textExtent(*typed);
        const qel::Box box{30, 40, 30 + extent.width(), 40 + extent.height()};
        EXPECT_EQ(bodyOf(w.shapes()[0]), "TEXT " + qel::encodeBox(box) + *typed);
        EXPECT_EQ(styleOf(w.shapes()[0]).mid(30, 1), bold ? "1" : "0");
    }
}

TEST(MouseTools, RecordCarriesThePaletteStyle) {
    DrawingWindow w;
    w.pickTool(Tool::Rect);
    w.drag({10, 10}, {60, 40});
    // Brush style and colour, pen style, width and colour, font colour, size and style, name.
    EXPECT_EQ(styleOf(w.shapes().value(0)), kPlainStyle.mid(1));
    QTest::mouseClick(w.palette().brushStyleButton(6), Qt::LeftButton);
    QTest::mouseClick(w.palette().penStyleButton(3), Qt::LeftButton);
    w.palette().SpinEdit1->setValue(11);
    QTest::mouseClick(w.frame.colourStrip()->swatch(2), Qt::LeftButton);   // red pen
    QTest::mouseClick(w.frame.colourStrip()->swatch(18), Qt::RightButton); // blue fill
    w.frame.SpinEdit2->setValue(24);
    QTest::mouseClick(w.frame.ItalButton, Qt::LeftButton);
    w.frame.FontName->setCurrentText(QStringLiteral("DejaVu Sans"));
    w.drag({100, 100}, {150, 130});
    EXPECT_EQ(styleOf(w.shapes().value(1)), "600FF000030B000000FF00000000182DejaVu Sans");
    // Two font styles at once cannot be stored: the code says none.
    QTest::mouseClick(w.frame.BoldButton, Qt::LeftButton);
    w.drag({100, 100}, {150, 130});
    EXPECT_EQ(styleOf(w.shapes().value(2)).mid(30, 1), "0");
}

// The band is drawn over the page as it is, never by inverting it: its release leaves the
// finished shape and no trace of any band, what a whole repaint paints. The first move of a
// line erases a band of zero length at the press point, which must draw nothing.
TEST(MouseTools, RubberBandLeavesNoTrace) {
    const std::tuple<Tool, Qt::KeyboardModifiers, int, int, int> cases[] = {
        {Tool::Rect, {}, 1, 1, 1},      {Tool::Rect, {}, 0, 0, 5}, {Tool::Ellipse, {}, 6, 2, 1},
        {Tool::RoundRect, {}, 2, 0, 3}, {Tool::Arc, {}, 1, 0, 1},  {Tool::Arc, kCtrl, 1, 3, 1},
        {Tool::Chord, {}, 7, 0, 2},     {Tool::Line, {}, 1, 0, 1}};
    for (const auto& [tool, mods, brush, pen, width] : cases) {
        SCOPED_TRACE(::testing::Message() << int(tool) << " " << brush << " " << pen);
        DrawingWindow w;
        QTest::mouseClick(w.palette().brushStyleButton(brush), Qt::LeftButton);
        QTest::mouseClick(w.palette().penStyleButton(pen), Qt::LeftButton);
        w.palette().SpinEdit1->setValue(width);
        QTest::mouseClick(w.frame.colourStrip()->swatch(5), Qt::LeftButton);
        // Something under the band: a filled shape and the grid.
        w.pickTool(Tool::Ellipse);
        w.drag({40, 30}, {160, 120});
        w.pickTool(tool);
        const QImage before = w.child->surfaceImage().copy();
        w.press({150, 40}, mods);
        for (const QPoint p : {QPoint(140, 60), QPoint(90, 90), QPoint(30, 130), QPoint(60, 110)})
            w.moveTo(p);
        EXPECT_NE(w.child->surfaceImage(), before);
        w.release({60, 110}, mods);
        const QImage live = w.child->surfaceImage().copy();
        w.child->Dessine();
        QRect where;
        EXPECT_EQ(differingPixels(w.child->surfaceImage(), live, 0, &where), 0)
            << where.x() << "," << where.y() << " " << where.width() << "x" << where.height();
    }
}

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

// The picture chosen lands at the click at its own size, column by column, each pixel as blue,
// green, red; a cancelled choice stores nothing.
TEST(MouseTools, PictureToolStoresTheChosenBitmap) {
    QTemporaryDir dir;
    QImage small(4, 3, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y)
            small.setPixelColor(x, y, QColor(x * 60, y * 100, 7));
    small.save(dir.filePath("small.bmp"), "BMP");
    for (const bool cancelled : {false, true}) {
        MessageLog messages;
        qel::ScopedFileChooserHook chooser([&](const qel::FileRequest& request) {
            EXPECT_TRUE(request.filter.startsWith("Tous  (*.bmp;*.ico;*.wmf;*.emf)"));
            return cancelled ? std::nullopt
                             : std::optional<qel::FileChoice>({dir.filePath("small.bmp"), 0});
        });
        DrawingWindow w;
        w.pickTool(Tool::Picture);
        w.click({50, 60});
        EXPECT_TRUE(messages.texts.isEmpty());
        EXPECT_EQ(w.shapes().size(), cancelled ? 0 : 1);
        EXPECT_EQ(bodyOf(w.shapes().value(0)),
                  cancelled ? ""
                            : "BITMAP 03203C03603F00400307000007640007C80007003C07643C07C83C07"
                              "007807647807C8780700B40764B407C8B4");
    }
}

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
