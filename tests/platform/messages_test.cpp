#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using qel::MessageButtons;
using qel::MessageResult;

TEST(Messages, HookSeesTheBoxAndAnswersForTheUser) {
    qel::Message seen;
    qel::ScopedMessageHook hook([&](const qel::Message& m) {
        seen = m;
        return MessageResult::No;
    });
    EXPECT_EQ(qel::askYesNoCancel(nullptr, "Enregistrer ?"), MessageResult::No);
    EXPECT_EQ(seen.title, "Qel Draw");
    EXPECT_EQ(seen.text, "Enregistrer ?");
    EXPECT_EQ(seen.icon, qel::MessageIcon::Question);
    EXPECT_EQ(seen.buttons, MessageButtons::YesNoCancel);
    {
        qel::ScopedMessageHook inner([](const qel::Message&) { return MessageResult::Cancel; });
        EXPECT_EQ(qel::askYesNoCancel(nullptr, "x"), MessageResult::Cancel);
    }
    EXPECT_EQ(qel::askYesNoCancel(nullptr, "y"), MessageResult::No) << "the outer hook is back";
}

// Presses a button of the real box by its French caption, or Escape when caption is empty.
void answerNextBox(const QString& caption) {
    QTimer::singleShot(0, [caption] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (caption.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons())
            if (button->text() == caption) return button->click();
        ADD_FAILURE() << "no button " << caption.toStdString();
        box->reject();
    });
}

TEST(Messages, RealBoxHasFrenchButtonsAndReportsThePressedOne) {
    struct Case {
        MessageButtons buttons;
        QString press;
        MessageResult expected;
    };
    const Case cases[] = {
        {MessageButtons::Ok, "OK", MessageResult::Ok},
        {MessageButtons::Ok, "", MessageResult::Ok},
        {MessageButtons::YesNoCancel, "&Oui", MessageResult::Yes},
        {MessageButtons::YesNoCancel, "&Non", MessageResult::No},
        {MessageButtons::YesNoCancel, "Annuler", MessageResult::Cancel},
        {MessageButtons::YesNoCancel, "", MessageResult::Cancel},
        {MessageButtons::YesNo, "", MessageResult::No},
        {MessageButtons::OkCancel, "Annuler", MessageResult::Cancel},
    };
    for (const Case& c : cases) {
        answerNextBox(c.press);
        EXPECT_EQ(qel::showMessage(nullptr, qel::MessageIcon::Warning, "Titre", "Texte", c.buttons),
                  c.expected)
            << c.press.toStdString();
    }
}

} // namespace
