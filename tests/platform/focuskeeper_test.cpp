// After a modal box closes, the window that was active before has the keyboard again.

#include "platform/focuskeeper.h"
#include "platform/messages.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace qel;

namespace {

// Answers the modal box that open shows, as soon as it is up.
void answerBox(const std::function<void()>& open) {
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->reject();
    });
    open();
}

// Activation comes back through the window system's event queue.
bool becomesActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
}

} // namespace

TEST(FocusKeeper, TheActiveWindowGetsTheKeyboardBackAfterEachBox) {
    FocusKeeper keeper;
    QWidget frame;
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));

    answerBox([&] { showError(&frame, QStringLiteral("Erreur")); });
    EXPECT_TRUE(becomesActive(&frame));

    // A box over a dialog gives the keyboard back to the dialog, then the dialog to the frame.
    QDialog dialog(&frame);
    QTimer::singleShot(0, [&] {
        dialog.activateWindow();
        EXPECT_TRUE(becomesActive(&dialog));
        answerBox([&] { showWarning(&dialog, QStringLiteral("Attention")); });
        EXPECT_TRUE(becomesActive(&dialog));
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TRUE(becomesActive(&frame));
}
