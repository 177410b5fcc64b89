// Page setup, preview and print from the frame, as a user reaches them by keyboard; the
// printer is a PDF file, so no printer is needed.

#include "dialogs/mep.h"
#include "dialogs/printpreview.h"
#include "render/ecran.h"
#include "support/drawingwindow.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

using namespace qel;
using namespace qel::testing;

namespace {

const QString kRect = QStringLiteral(" 0RECT 064032096050\t000FF000000100000000000000000C0Arial");
const QString kBroken = " 0RECT 0Z0032096050" + kPlainStyle;

void pdfPrinter(QPrinter& printer, const QString& path) {
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

TEST(PageSetup, TypedValuesGoToTheFrameAndTheDrawingOnlyWithOk) {
    DrawingWindow w;
    // Keyboard only: each box is typed over, Tab moves on, Enter in the last box confirms.
    whenShown<TMep>([](TMep* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Mise en page"));
        EXPECT_EQ(QApplication::focusWidget(), d->MargeGauche);
        for (const char* value : {"5", "6", "7", "1200", "150"}) {
            QWidget* box = QApplication::focusWidget();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, QString::fromLatin1(value));
            QTest::keyClick(box, box == d->Agrandissement ? Qt::Key_Return : Qt::Key_Tab);
        }
    });
    w.frame.FilePageSetupItemClick();
    const int expected[4] = {5, 6, 7, 120}; // "1200" stops at the box's 999: "120" is kept
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.frame.PageMargins[i], expected[i]) << i;
        EXPECT_EQ(w.child->pageSettings().margins[i], expected[i]) << i;
    }
    EXPECT_EQ(w.child->pageSettings().enlargement, 150);

    whenShown<TMep>([](TMep* d) {
        d->MargeGauche->setValue(99);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    w.frame.FilePageSetupItemClick();
    EXPECT_EQ(w.frame.PageMargins[0], 5);
    EXPECT_EQ(w.child->pageSettings().margins[0], 5);
}

// An unreadable record keeps neither the preview nor the print from the page; both say so.
TEST(Print, ThePrintedPageIsThePreviewedPage) {
    DrawingWindow w;
    addLine(w.child, kBroken);
    addLine(w.child, kRect);
    bool shown = false;
    whenShown<PrintPreview>([&shown](PrintPreview* p) {
        shown = true;
        EXPECT_EQ(p->windowTitle(), QStringLiteral("Aperçu avant impression"));
        EXPECT_FALSE(p->shownPage().isNull());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // "Fermer" has the focus
    });
    w.frame.FilePreviewItemClick();
    EXPECT_TRUE(shown);
    EXPECT_EQ(w.frame.statusText(0), QStringLiteral("1 objet n'a pas pu être dessiné"));
    w.frame.setStatusText(0, QString());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    pdfPrinter(w.frame.printer(), path);
    ASSERT_TRUE(w.frame.printActive(2));
    EXPECT_EQ(w.frame.statusText(0), QStringLiteral("1 objet n'a pas pu être dessiné"));
    // A PDF file cannot make copies by itself: it gets one page per copy.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           2"));

    const QImage printed = rasterisePdf(path, dir.filePath(QStringLiteral("back")));
    if (printed.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is needed";
    TEcran preview;
    preview.Init(20, 20, 20, 20, 200, w.child->drawing().lines(), Paper::a4());
    const QImage previewed = preview.renderPage();
    // A4 is 595 x 842 points: 793.3 pixels wide, which the rasteriser rounds up.
    EXPECT_NEAR(printed.width(), previewed.width(), 1);
    EXPECT_EQ(printed.height(), previewed.height());
    EXPECT_LE(clearlyDifferent(printed, previewed), 0.03);
    // The rectangle's outline at 200 % with 20 mm margins, on paper as in the preview.
    EXPECT_EQ(printed.pixel(427, 300), qRgb(0, 0, 0));
    EXPECT_EQ(printed.pixel(526, 300), qRgb(0, 0, 0));
}

// A cancelled print dialog prints nothing; a job that cannot begin is reported, not called done.
TEST(Print, CancelledOrFailedJobPrintsNothing) {
    DrawingWindow w;
    QTemporaryDir dir;
    const QString path = dir.filePath("page.pdf");
    pdfPrinter(w.frame.printer(), path);
    whenShown<QPrintDialog>([](QPrintDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    w.frame.FilePrintItemClick();
    EXPECT_FALSE(QFile::exists(path));
    pdfPrinter(w.frame.printer(), dir.filePath("absent/page.pdf"));
    MessageLog said;
    EXPECT_FALSE(w.frame.printActive(1));
    EXPECT_EQ(said.texts, QStringList{"Impression impossible."});
}

} // namespace
