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

    void click(const std::vector<const char*>& names) {
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

// Buttons and typed keys (reaching the window through the focused "=" button) give the
// display and the boxes shown; each case starts with "C".
TEST_F(PocketWindow, ButtonsAndKeysChainTheOperations) {
    const struct {
        std::vector<const char*> buttons;
        const char* typed;
        const char* display;
        const char* message;
    } cases[] = {
        {{"Button2", "Button12", "Button3", "Button11", "Button12", "Button4", "Button11"},
         "",
         "14",
         ""},
        {{}, "12.5*2=", "25", ""},
        {{}, "c9s", "3", ""},
        {{"Button2", "Button12", "Button18"}, "3\r", "3", ""}, // "C" gives the focus back to "="
        {{"Button1", "Button15", "Button0", "Button11"}, "", "0", "Division flottante par zéro"},
        {{}, "2+1,2,3=", "1,2,3", "'1,2,3' n'est pas une valeur flottante correcte"},
    };
    EXPECT_EQ(pocket.focusWidget(), button("Button11")) << "Enter presses = after opening";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        messages.clear();
        click({"Button18"});
        click(c.buttons);
        for (const QChar k : QString::fromUtf8(c.typed))
            k == u'\r' ? QTest::keyClick(pocket.focusWidget(), Qt::Key_Return)
                       : QTest::keyClick(pocket.focusWidget(), k.toLatin1());
        EXPECT_EQ(pocket.displayText(), QString::fromUtf8(c.display));
        EXPECT_EQ(messages.join('|'), QString::fromUtf8(c.message));
    }
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

TEST_F(PocketWindow, AssistiveTechnologyReadsTheDisplay) {
    QTest::keyClicks(pocket.focusWidget(), QStringLiteral("4x"));
    auto* display = pocket.findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(display->text(), QStringLiteral("0,25"));
    EXPECT_EQ(display->accessibleName(), QStringLiteral("0,25"));
}

} // namespace
} // namespace qel
