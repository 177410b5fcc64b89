#include "platform/messages.h"
#include "utilities/pocket.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qel {
namespace {

class PocketWindow : public ::testing::Test {
protected:
    void SetUp() override { pocket.show(); }

    QPushButton* button(const char* name) { return pocket.findChild<QPushButton*>(name); }

    void click(std::initializer_list<const char*> names) {
        for (const char* name : names)
            QTest::mouseClick(button(name), Qt::LeftButton);
    }

    QStringList messages;
    ScopedMessageHook hook{[this](const Message& m) {
        messages << m.text;
        return MessageResult::Ok;
    }};
    TPocket pocket;
};

TEST_F(PocketWindow, ButtonsChainTheOperations) {
    click({"Button2", "Button12", "Button3", "Button11", "Button12", "Button4", "Button11"});
    EXPECT_EQ(pocket.displayText(), QStringLiteral("14"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PocketWindow, TypedCharactersPressTheButtons) {
    // The keys reach the window through the focused "=" button.
    QTest::keyClicks(pocket.focusWidget(), QStringLiteral("12.5*2="));
    EXPECT_EQ(pocket.displayText(), QStringLiteral("25"));
    QTest::keyClicks(pocket.focusWidget(), QStringLiteral("c9s"));
    EXPECT_EQ(pocket.displayText(), QStringLiteral("3"));
}

TEST_F(PocketWindow, EnterPressesEqualsAfterOpening) {
    EXPECT_EQ(pocket.focusWidget(), button("Button11"));
    QTest::keyClicks(pocket.focusWidget(), QStringLiteral("2+3"));
    QTest::keyClick(pocket.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(pocket.displayText(), QStringLiteral("5"));
}

TEST_F(PocketWindow, ClearGivesTheFocusBackToEquals) {
    click({"Button2", "Button12", "Button18"});
    EXPECT_EQ(pocket.focusWidget(), button("Button11"));
    QTest::keyClick(pocket.focusWidget(), '3');
    QTest::keyClick(pocket.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(pocket.displayText(), QStringLiteral("3"));
}

TEST_F(PocketWindow, DivisionByZeroShowsTheErrorBox) {
    click({"Button1", "Button15", "Button0", "Button11"});
    EXPECT_EQ(messages, QStringList{QStringLiteral("Division flottante par zéro")});
    EXPECT_EQ(pocket.displayText(), QStringLiteral("0"));
}

TEST_F(PocketWindow, BadNumberShowsItsText) {
    QTest::keyClicks(pocket.focusWidget(), QStringLiteral("2+1,2,3="));
    EXPECT_EQ(messages,
              QStringList{QStringLiteral("'1,2,3' n'est pas une valeur flottante correcte")});
}

TEST_F(PocketWindow, OpeningAgainStartsFromScratch) {
    QTest::keyClicks(pocket.focusWidget(), QStringLiteral("2+5"));
    pocket.hide();
    pocket.show();
    EXPECT_EQ(pocket.displayText(), QString());
    QTest::keyClicks(pocket.focusWidget(), QStringLiteral("3="));
    EXPECT_EQ(pocket.displayText(), QStringLiteral("3"));
}

TEST_F(PocketWindow, EscapeAndFermerClose) {
    QTest::keyClick(pocket.focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(pocket.isVisible());
    EXPECT_EQ(pocket.result(), QDialog::Rejected);
    pocket.show();
    click({"Button19"});
    EXPECT_FALSE(pocket.isVisible());
}

TEST_F(PocketWindow, AssistiveTechnologyReadsCaptionsAndDisplay) {
    const auto buttons = pocket.findChildren<QPushButton*>();
    EXPECT_EQ(buttons.size(), 20);
    for (QPushButton* b : buttons)
        EXPECT_EQ(b->accessibleName(), b->text());
    QTest::keyClicks(pocket.focusWidget(), QStringLiteral("4x"));
    auto* display = pocket.findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(display->text(), QStringLiteral("0,25"));
    EXPECT_EQ(display->accessibleName(), QStringLiteral("0,25"));
}

} // namespace
} // namespace qel
