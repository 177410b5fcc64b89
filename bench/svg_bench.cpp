// The 10,000-shape reference drawing as SVG, to compare our BMP export with a dedicated SVG
// rasteriser (bench/svg_compare runs both). As a benchmark it times the conversion itself.
//   svg_bench --emit DIR          writes DIR/mixed10000.svg and DIR/mixed10000.drf
//   svg_bench --export IN OUT     exports a drawing file as our save command does

#include "referencedrawings.h"

#include "document/record.h"
#include "render/ecran.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

using namespace qel;

QString svgColour(Colour c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(redOf(c)).arg(greenOf(c)).arg(blueOf(c));
}

class SvgWriter {
public:
    QString convert(const QStringList& list, QSize page) {
        body_.clear();
        defs_.clear();
        patterns_.clear();
        for (qsizetype i = 2; i < list.size(); ++i)
            record(QStringView(list[i]).mid(2));
        return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                              "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"%1\" "
                              "height=\"%2\" shape-rendering=\"crispEdges\"><defs>%3</defs>"
                              "<rect width=\"%1\" height=\"%2\" fill=\"white\"/>%4</svg>\n")
            .arg(page.width())
            .arg(page.height())
            .arg(defs_, body_);
    }

private:
    QString fill() {
        if (style_.brushStyle == 1) return QStringLiteral("none");
        if (style_.brushStyle == 0) return svgColour(style_.brushColour);
        const QString id = QStringLiteral("h%1_%2").arg(style_.brushStyle).arg(style_.brushColour);
        if (!patterns_.contains(id)) {
            patterns_ << id;
            static const char* lines[] = {
                "",         "",         "M0 4H8",       "M4 0V8",
                "M0 8L8 0", "M0 0L8 8", "M0 4H8M4 0V8", "M0 8L8 0M0 0L8 8"};
            defs_ += QStringLiteral("<pattern id=\"%1\" width=\"8\" height=\"8\" "
                                    "patternUnits=\"userSpaceOnUse\"><path d=\"%2\" stroke=\"%3\"/>"
                                    "</pattern>")
                         .arg(id, QString::fromLatin1(lines[style_.brushStyle]),
                              svgColour(style_.brushColour));
        }
        return QStringLiteral("url(#%1)").arg(id);
    }
    QString stroke() {
        if (style_.penStyle == 5) return QStringLiteral("stroke=\"none\"");
        static const char* dashes[] = {"", "18 6", "3 3", "9 6 3 6", "9 3 3 3 3 3", "", ""};
        QString s = QStringLiteral("stroke=\"%1\" stroke-width=\"%2\"")
                        .arg(svgColour(style_.penColour))
                        .arg(std::max(1, style_.penWidth));
        if (*dashes[style_.penStyle])
            s += QStringLiteral(" stroke-dasharray=\"%1\"")
                     .arg(QLatin1String(dashes[style_.penStyle]));
        return s;
    }
    void record(QStringView text) {
        const RecordView v = splitBody(text);
        if (v.hasTab) applyStyleField(v.style, style_);
        const auto box = decodeBox(v.data);
        if (!box) return;
        const Box b = *box;
        const QStringView k = v.keyword;
        const QString paint = QStringLiteral("fill=\"%1\" %2").arg(fill(), stroke());
        if (k == u"LINE" || k == u"LINEU") {
            const bool up = k == u"LINEU";
            body_ += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5/>")
                         .arg(b.left)
                         .arg(up ? b.bottom : b.top)
                         .arg(b.right)
                         .arg(up ? b.top : b.bottom)
                         .arg(stroke());
        } else if (k == u"RECT" || k == u"ROUNDRECT") {
            const bool round = k == u"ROUNDRECT";
            body_ += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                                    "ry=\"%6\" %7/>")
                         .arg(b.left)
                         .arg(b.top)
                         .arg(b.width())
                         .arg(b.height())
                         .arg(round ? b.width() / 4 : 0)
                         .arg(round ? b.height() / 4 : 0)
                         .arg(paint);
        } else if (k == u"ELLIPSE") {
            body_ += QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" %5/>")
                         .arg((b.left + b.right) / 2.0)
                         .arg((b.top + b.bottom) / 2.0)
                         .arg(b.width() / 2.0)
                         .arg(b.height() / 2.0)
                         .arg(paint);
        } else if (k.startsWith(u"ARC") || k.startsWith(u"CHORD")) {
            const bool chord = k.startsWith(u"CHORD");
            const bool lower = k.contains(u'L');
            const bool rising = k.endsWith(u'U');
            const double cx = (b.left + b.right) / 2.0, cy = (b.top + b.bottom) / 2.0;
            const double a = b.width() / 2.0, r = b.height() / 2.0, f = 0.70710678;
            const double sx = rising ? -1 : -1, sy = rising ? 1 : -1; // the diagonal's first corner
            const double x1 = cx + sx * a * f, y1 = cy + sy * r * f;
            const double x2 = cx - sx * a * f, y2 = cy - sy * r * f;
            const double fx = lower ? x1 : x2, fy = lower ? y1 : y2;
            const double tx = lower ? x2 : x1, ty = lower ? y2 : y1;
            body_ += QStringLiteral("<path d=\"M%1 %2A%3 %4 0 0 0 %5 %6%7\" %8/>")
                         .arg(fx)
                         .arg(fy)
                         .arg(a)
                         .arg(r)
                         .arg(tx)
                         .arg(ty)
                         .arg(chord ? QStringLiteral("Z") : QString())
                         .arg(chord ? paint : QStringLiteral("fill=\"none\" ") + stroke());
        } else if (k == u"POLYG" || k == u"POLYL" || k == u"DRAW") {
            PointBuffer points;
            SetArray(v.payload(), points);
            QString list;
            for (int i = 0; i < points.count(); ++i)
                list +=
                    QStringLiteral("%1,%2 ").arg(points.points[i].x()).arg(points.points[i].y());
            body_ += k == u"POLYG" ? QStringLiteral("<polygon points=\"%1\" %2/>").arg(list, paint)
                                   : QStringLiteral("<polyline points=\"%1\" fill=\"none\" %2/>")
                                         .arg(list, stroke());
        } else if (k == u"TEXT") {
            body_ += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-size=\"%4pt\" "
                                    "fill=\"%5\">%6</text>")
                         .arg(b.left)
                         .arg(b.top + style_.fontSize)
                         .arg(style_.fontName.toHtmlEscaped())
                         .arg(style_.fontSize)
                         .arg(svgColour(style_.fontColour), v.payload().toString().toHtmlEscaped());
        } else if (k == u"BITMAP" || k == u"META") {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            decodePixels(v.payload()).save(&buffer, "PNG");
            body_ += QStringLiteral("<image x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                                    "preserveAspectRatio=\"none\" xlink:href=\"data:image/png;"
                                    "base64,%5\"/>")
                         .arg(b.left)
                         .arg(b.top)
                         .arg(b.width())
                         .arg(b.height())
                         .arg(QString::fromLatin1(png.toBase64()));
        }
    }

    Style style_;
    QString body_;
    QString defs_;
    QStringList patterns_;
};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void BM_ConvertToSvg(benchmark::State& state) {
    const QStringList list = bench::mixedDrawing(10000);
    SvgWriter writer;
    for (auto _ : state)
        benchmark::DoNotOptimize(writer.convert(list, bench::kReferencePage));
}
BENCHMARK(BM_ConvertToSvg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--emit") == 0) {
        const QDir dir(QString::fromLocal8Bit(argv[2]));
        const QStringList list = bench::mixedDrawing(10000);
        const bool ok = writeFile(dir.filePath(QStringLiteral("mixed10000.svg")),
                                  SvgWriter().convert(list, bench::kReferencePage).toUtf8()) &&
                        writeFile(dir.filePath(QStringLiteral("mixed10000.drf")),
                                  bench::drawingFileBytes(list));
        return ok ? 0 : 1;
    }
    if (argc == 4 && std::strcmp(argv[1], "--export") == 0) {
        QFile in(QString::fromLocal8Bit(argv[2]));
        if (!in.open(QIODevice::ReadOnly)) return 1;
        QStringList lines = QString::fromLatin1(in.readAll()).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        Verifie(lines);
        const QString header = lines.value(0);
        const int width = parseHex(QStringView(header).left(3)).value_or(640);
        const int height = parseHex(QStringView(header).mid(3, 3)).value_or(480);
        return exportPicture(lines, width, height, 100, QString::fromLocal8Bit(argv[3])).ok() ? 0
                                                                                              : 1;
    }
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
