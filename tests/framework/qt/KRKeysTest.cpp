// Virtual keys and shift states, and controls that take Tab, Shift+Tab and the arrows.
#include "framework/qt/KRKeys.h"

#include <vector>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

//! Notes each key it is given as its virtual key; ignores Tab when told to.
class TRecorder : public QWidget
{
public:
    explicit TRecorder(QWidget *Parent = nullptr)
        : QWidget(Parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }
    std::vector<int> Keys;
    std::vector<TKRShiftState> Shifts;
    bool IgnoreTab = false;

protected:
    void keyPressEvent(QKeyEvent *Event) override
    {
        const int Key = KRVirtualKey(*Event);
        if (Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU)
            return;
        if (IgnoreTab && KRVirtualKey(*Event) == VK_TAB) {
            Event->ignore();
            return;
        }
        Keys.push_back(KRVirtualKey(*Event));
        Shifts.push_back(KRShiftState(*Event));
    }
};

//! A form: an edit, the control, a button; the window has a shortcut on the left arrow.
struct TForm
{
    template <class TControl>
    explicit TForm(TControl *Made)
        : Control(Made)
    {
        auto *Layout = new QVBoxLayout(&Window);
        Layout->addWidget(Edit = new QLineEdit);
        Layout->addWidget(Made);
        Layout->addWidget(Button = new QPushButton(QStringLiteral("OK")));
        auto *Left = new QAction(&Window);
        Left->setShortcut(Qt::Key_Left);
        QObject::connect(Left, &QAction::triggered, [this] { ++Shortcuts; });
        Window.addAction(Left);
    }
    QWidget Window;
    QLineEdit *Edit = nullptr;
    TRecorder *Control = nullptr;
    QPushButton *Button = nullptr;
    int Shortcuts = 0;
};

void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget *>(nullptr), Key, Modifiers);
}

} // namespace

class TKRKeysTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void VirtualKeys_data()
    {
        QTest::addColumn<int>("Key");
        QTest::addColumn<int>("Modifiers");
        QTest::addColumn<int>("Expected");
        QTest::addColumn<bool>("Shift");
        QTest::addColumn<bool>("Alt");
        QTest::addColumn<bool>("Ctrl");
        const int None = Qt::NoModifier;
        QTest::newRow("tab") << int(Qt::Key_Tab) << None << VK_TAB << false << false << false;
        QTest::newRow("backtab") << int(Qt::Key_Backtab) << None << VK_TAB << true << false << false;
        QTest::newRow("enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << VK_RETURN << false << false
                               << false;
        QTest::newRow("shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << VK_SHIFT << true << false
                               << false;
        QTest::newRow("alt") << int(Qt::Key_Alt) << int(Qt::AltModifier) << VK_MENU << false << true << false;
        QTest::newRow("home") << int(Qt::Key_Home) << int(Qt::ControlModifier) << VK_HOME << false << false
                              << true;
        QTest::newRow("right") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << VK_RIGHT << true << false
                               << false;
        QTest::newRow("delete") << int(Qt::Key_Delete) << None << VK_DELETE << false << false << false;
        QTest::newRow("9") << int(Qt::Key_9) << None << 57 << false << false << false;
        QTest::newRow("keypad 3") << int(Qt::Key_3) << int(Qt::KeypadModifier) << VK_NUMPAD0 + 3 << false
                                  << false << false;
        QTest::newRow("shift z") << int(Qt::Key_Z) << int(Qt::ShiftModifier) << 90 << true << false << false;
        QTest::newRow("alt ctrl q") << int(Qt::Key_Q) << int(Qt::AltModifier | Qt::ControlModifier) << 81
                                    << false << true << true;
        QTest::newRow("f12") << int(Qt::Key_F12) << None << 123 << false << false << false;
        QTest::newRow("none") << int(Qt::Key_Exclam) << None << 0 << false << false << false;
    }

    void VirtualKeys()
    {
        QFETCH(int, Key);
        QFETCH(int, Modifiers);
        QFETCH(int, Expected);
        QFETCH(bool, Shift);
        QFETCH(bool, Alt);
        QFETCH(bool, Ctrl);
        const QKeyEvent Event(QEvent::KeyPress, Key, Qt::KeyboardModifiers(Modifiers));
        QCOMPARE(KRVirtualKey(Event), Expected);
        const TKRShiftState State = KRShiftState(Event);
        QCOMPARE(State.Contains(ssShift), Shift);
        QCOMPARE(State.Contains(ssAlt), Alt);
        QCOMPARE(State.Contains(ssCtrl), Ctrl);
    }

    // In a form, Tab and Shift+Tab reach the control instead of moving the focus, and so do the
    // arrows, even with a shortcut of the window on one of them.
    void AllKeysControlTakesTabBacktabAndArrows()
    {
        TForm Form(new TKRAllKeys<TRecorder>);
        Form.Window.show();
        QVERIFY(QTest::qWaitForWindowActive(&Form.Window));
        Form.Control->setFocus();
        QCOMPARE(QApplication::focusWidget(), Form.Control);
        Press(Qt::Key_Tab);
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        Press(Qt::Key_Tab, Qt::ShiftModifier);
        Press(Qt::Key_Left);
        Press(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), Form.Control);
        QCOMPARE(Form.Control->Keys, (std::vector<int>{ VK_TAB, VK_TAB, VK_TAB, VK_LEFT, VK_DOWN }));
        QVERIFY(!Form.Control->Shifts[0].Contains(ssShift));
        QVERIFY(Form.Control->Shifts[1].Contains(ssShift));
        QVERIFY(Form.Control->Shifts[2].Contains(ssShift));
        QCOMPARE(Form.Shortcuts, 0);

        // A Tab the control ignores goes on to the form, which moves the focus.
        Form.Control->IgnoreTab = true;
        Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Form.Button);
    }

    // The same form with a plain control: Tab moves the focus and never reaches it.
    void PlainControlLosesTabToTheFocusChain()
    {
        TForm Form(new TRecorder);
        Form.Window.show();
        QVERIFY(QTest::qWaitForWindowActive(&Form.Window));
        Form.Control->setFocus();
        Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Form.Button);
        Form.Control->setFocus();
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), Form.Edit);
        QVERIFY(Form.Control->Keys.empty());
    }
};

QTEST_MAIN(TKRKeysTest)
#include "KRKeysTest.moc"
