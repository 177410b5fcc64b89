#pragma once

// A frame with one new drawing window, driven with QTest mouse events on its surface, and what
// the tests of such windows use.

#include "app/colourpanel.h"
#include "app/drawingsurface.h"
#include "app/mainform.h"
#include "app/mdichild.h"
#include "app/toolpalette.h"
#include "document/drawing.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/modalhook.h"
#include "support/boxes.h"
#include "support/files.h"
#include "support/pixels.h"
#include "support/records.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace qel::testing {

using qel::Tool;

struct DrawingWindow {
    TMainForm frame;
    TMDIChild* child = nullptr;
    QWidget* surface = nullptr;

    DrawingWindow() {
        frame.show();
        child = frame.FileNewItemClick();
        surface = child->surface();
    }

    // The windows go before the frame, whose own teardown would otherwise still hear them.
    ~DrawingWindow() { closeAll(frame); }
    static void closeAll(TMainForm& frame) {
        for (TMDIChild* c : frame.children())
            c->drawing().markSaved();
        frame.mdiArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ToolPalette& palette() { return *frame.toolPalette(); }
    void pickTool(Tool tool) { QTest::mouseClick(palette().toolButton(tool), Qt::LeftButton); }

    void press(QPoint p, Qt::KeyboardModifiers mods = {}) {
        QTest::mousePress(surface, Qt::LeftButton, mods, p);
    }
    void moveTo(QPoint p) { QTest::mouseMove(surface, p); }
    void release(QPoint p, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseRelease(surface, Qt::LeftButton, mods, p);
    }
    // A press, moves along the straight way in a few steps, and a release.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}, int steps = 4) {
        press(from, mods);
        for (int i = 1; i <= steps; ++i)
            moveTo(from + (to - from) * i / steps);
        release(to, mods);
    }
    void click(QPoint p) { QTest::mouseClick(surface, Qt::LeftButton, {}, p); }
    // What the window system delivers for a double-click: a click, then a double-click press
    // and its release.
    void doubleClick(QPoint p) {
        click(p);
        QTest::mouseDClick(surface, Qt::LeftButton, {}, p);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, p);
    }

    // The records after the header and the background.
    QStringList shapes() const { return child->drawing().lines().mid(2); }
};

// A window whose drawing is given as lines (each followed by the default style), on a
// 640 x 480 page unless told otherwise, and which records the messages it shows.
struct LoadedWindow : DrawingWindow {
    MessageLog log;
    QStringList& told = log.texts;
    explicit LoadedWindow(std::initializer_list<QString> shapes = {}, QSize page = {640, 480}) {
        load(QStringList(shapes), page);
    }
    void load(const QStringList& shapes, QSize page = {640, 480}) {
        QStringList lines = {headerLine(page.width(), page.height()), kBlankBackground};
        for (const QString& s : shapes)
            lines << s + kPlainStyle;
        child->drawing().load(lines, page);
    }
    void load(std::initializer_list<QString> shapes, QSize page = {640, 480}) {
        load(QStringList(shapes), page);
    }
    QString line(int i) const { return child->drawing().line(i + 2); }
    void run(const char* action) { frame.action(QString::fromLatin1(action))->trigger(); }
};

// Appends a line to the drawing as a change: undoable, and the drawing becomes modified.
inline void addLine(TMDIChild* child, const QString& line) {
    child->drawing().apply([&](QStringList& lines) { lines.append(line); });
}

// The body of a record: from the keyword to the TAB.
inline QString bodyOf(const QString& record) {
    return record.mid(2, record.indexOf(u'\t') - 2);
}
inline QString styleOf(const QString& record) {
    return record.mid(record.indexOf(u'\t') + 1);
}

} // namespace qel::testing
