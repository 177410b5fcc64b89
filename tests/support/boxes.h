#pragma once

// Message boxes and windows answered by the test in the user's place.

#include "platform/messages.h"

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace qel::testing {

// Records the text of every message box instead of showing it, and answers each with `answer`.
struct MessageLog {
    QStringList texts;
    MessageResult answer = MessageResult::Ok;
    ScopedMessageHook hook{[this](const Message& m) {
        texts << m.text;
        return answer;
    }};
};

// Closes every window other than `frame` that opens while it lives (a dialog answers
// "Annuler"), noting its class; `look` sees each window while it is up.
struct BoxCatcher : QObject {
    QStringList opened;
    QWidget* frame;
    std::function<void(QWidget*)> look;
    explicit BoxCatcher(QWidget* f = nullptr, std::function<void(QWidget*)> l = {})
        : frame(f), look(std::move(l)) {
        qApp->installEventFilter(this);
    }
    ~BoxCatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(watched);
        const Qt::WindowType type = w->windowType();
        if (!w->isWindow() || w == frame || (type != Qt::Dialog && type != Qt::Window))
            return false;
        opened << QString::fromLatin1(w->metaObject()->className());
        QTimer::singleShot(0, w, [this, w] {
            if (look) look(w);
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
        });
        return false;
    }
};

// Runs `answer` on the modal window of type T once it is up and active.
template <typename T, typename F> void whenShown(F answer) {
    QTimer::singleShot(0, [answer] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        answer(w);
    });
}

} // namespace qel::testing
