// The chart dialog: what the grid writes, what it refuses, and typing a chart in.

#include "dialogs/chartdialog.h"
#include "document/record.h"
#include "platform/messages.h"
#include "platform/modalhook.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace qel;

namespace {

const QString kHead = QStringLiteral("*3CHART 0140140DC0B4");
const QString kTail = QStringLiteral("\t>1000FFFFFF00100000000000000000C0Times New Roman");

QString series(const char* legend, std::initializer_list<const char*> values) {
    QString s = QString::fromLatin1(legend).leftJustified(10);
    for (const char* v : values)
        s += QString::fromLatin1(v);
    return s + QChar(0x01);
}

QString labels(const char* first = "", const char* second = "") {
    return QChar(0x02) + QString::fromLatin1(first).leftJustified(10) +
           QString::fromLatin1(second).leftJustified(310);
}

std::optional<QString> edit(const QString& line, std::function<void(THisto&)> act) {
    ScopedModalHook<THisto> hook(std::move(act));
    return editChart(nullptr, line);
}

TEST(ChartDialog, NewChartFromTheGrid) {
    const auto payload = edit(QString(), [](THisto& h) {
        EXPECT_EQ(h.Cells(1, 0), QStringLiteral("Légendes"));
        EXPECT_EQ(h.Cells(33, 0), QStringLiteral("32"));
        EXPECT_EQ(h.Cells(0, 1), QStringLiteral("Libellés"));
        EXPECT_EQ(h.Cells(0, 5), QStringLiteral("D"));
        h.setCells(1, 2, QStringLiteral("Ventes"));
        h.setCells(2, 2, QStringLiteral("10"));
        h.setCells(3, 2, QStringLiteral("20"));
        h.setCells(2, 1, QStringLiteral("Jan"));
        h.setCells(3, 1, QStringLiteral("Fev"));
        h.OkButton->click();
    });
    EXPECT_EQ(payload,
              QStringLiteral("1") + series("Ventes", {"00000A", "000014"}) + labels("Jan", "Fev"));
}

TEST(ChartDialog, EditingRewritesOnlyThePayload) {
    // Rows A and C: two series, which reopen as rows A and B.
    const QString stored = kHead + QStringLiteral("2") + series("A", {"00000A"}) +
                           series("C", {"0000FF", "000000", "000003"}) + labels("Un") + kTail;
    const auto line = edit(stored, [](THisto& h) {
        EXPECT_EQ(h.Cells(1, 2), QStringLiteral("A"));
        EXPECT_EQ(h.Cells(1, 3), QStringLiteral("C"));
        EXPECT_EQ(h.Cells(2, 3), QStringLiteral("255"));
        EXPECT_EQ(h.Cells(3, 3), QStringLiteral("0"));
        EXPECT_EQ(h.Cells(2, 1), QStringLiteral("Un"));
        EXPECT_TRUE(h.Cells(2, 4).isEmpty());
        h.setCells(3, 2, QStringLiteral("7"));
        h.OkButton->click();
    });
    EXPECT_EQ(line, kHead + QStringLiteral("2") + series("A", {"00000A", "000007"}) +
                        series("C", {"0000FF", "000000", "000003"}) + labels("Un") + kTail);

    // Unchanged, cancelled or emptied: nothing to store.
    EXPECT_FALSE(edit(stored, [](THisto& h) { h.OkButton->click(); }));
    EXPECT_FALSE(edit(stored, [](THisto& h) {
        h.setCells(2, 2, QStringLiteral("1"));
        h.CancelButton->click();
    }));
    EXPECT_FALSE(edit(stored, [](THisto& h) {
        h.setCells(2, 2, QString());
        h.setCells(2, 3, QString());
        h.OkButton->click();
    }));
    EXPECT_FALSE(edit(QStringLiteral(" 0RECT 0140140DC0B4\t0"), [](THisto&) { FAIL(); }));
}

TEST(ChartDialog, UnreadableChartOpensEmpty) {
    const QString stored = kHead + QStringLiteral("1") + series("A", {"00000A", "0000ZZ"}) + kTail;
    const auto line = edit(stored, [](THisto& h) {
        EXPECT_TRUE(h.Cells(1, 2).isEmpty());
        EXPECT_TRUE(h.Cells(2, 2).isEmpty());
        h.setCells(2, 2, QStringLiteral("5"));
        h.OkButton->click();
    });
    EXPECT_EQ(line, kHead + QStringLiteral("1") + series("", {"000005"}) + labels() + kTail);
}

TEST(ChartDialog, RefusedValuesKeepTheDialogOpen) {
    struct Case {
        const char* value;
        const char* message;
    } cases[] = {{"16777216", "Valeur trop grande : 16777215 au plus."},
                 {"12x", "Valeur incorrecte"}};
    for (const Case& c : cases) {
        QStringList shown;
        ScopedMessageHook messages([&](const Message& m) {
            shown << m.text;
            return MessageResult::Ok;
        });
        THisto h;
        h.Init();
        h.setCells(2, 3, QStringLiteral("4"));
        h.setCells(5, 3, QString::fromLatin1(c.value));
        h.OkButton->click();
        EXPECT_EQ(shown, QStringList{QString::fromUtf8(c.message)});
        EXPECT_NE(h.result(), QDialog::Accepted);
        EXPECT_EQ(h.Cells(5, 3), QString::fromLatin1(c.value));
        EXPECT_EQ(h.StringGrid1->currentRow(), 2); // the refused cell is made current
        EXPECT_EQ(h.StringGrid1->currentColumn(), 4);
        h.setCells(5, 3, QStringLiteral("16777215"));
        h.OkButton->click();
        QString out;
        h.Result(out);
        EXPECT_EQ(out, QStringLiteral("1") + series("", {"000004", "000000", "000000", "FFFFFF"}) +
                           labels());
    }
}

TEST(ChartDialog, FilledWithTheKeyboardAlone) {
    const auto payload = edit(QString(), [](THisto& h) {
        h.show();
        h.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h));
        QTableWidget* grid = h.StringGrid1;
        grid->setFocus();
        // Each key goes where the focus is at that moment, as a user's would; the grid closes
        // an editor after Return through its event queue.
        auto key = [&](Qt::Key k) {
            QTest::keyClick(QApplication::focusWidget(), k);
            QCoreApplication::processEvents();
        };
        auto type = [&](const char* text) {
            for (QChar c : QString::fromUtf8(text))
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        };
        type("Jan");
        key(Qt::Key_Tab);
        type("Fev");
        key(Qt::Key_Return);
        key(Qt::Key_Down); // series A, category 2
        type("2x0");       // the letter is refused in a value cell
        key(Qt::Key_Return);
        key(Qt::Key_Left);
        type("10");
        key(Qt::Key_Return);
        key(Qt::Key_Left);
        type("Ventes du mois"); // at most 10 characters
        key(Qt::Key_Return);
        key(Qt::Key_Up); // the corner cannot be made current
        EXPECT_EQ(grid->currentRow(), 1);
        key(Qt::Key_Return); // "OK", the default button
    });
    EXPECT_EQ(payload, QStringLiteral("1") + series("Ventes du ", {"00000A", "000014"}) +
                           labels("Jan", "Fev"));
}

} // namespace
