// Message boxes through the prompter, the scripted prompter of the widget tests, and the guarded
// call that keeps exceptions out of Qt's event dispatch.
#include "framework/qt/KRPrompter.h"

#include "KRScriptedPrompter.h"
#include "framework/KRException.h"
#include "framework/qt/KRGuarded.h"

#include <stdexcept>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

//! Calls Answer with the first modal widget or popup of type T that shows.
template <class T, class F>
void WhenShown(F Answer)
{
    auto *Poll = new QTimer(QCoreApplication::instance());
    QObject::connect(Poll, &QTimer::timeout, [Poll, Answer] {
        QWidget *Shown = QApplication::activePopupWidget();
        if (!qobject_cast<T *>(Shown))
            Shown = QApplication::activeModalWidget();
        if (auto *Found = qobject_cast<T *>(Shown)) {
            Poll->stop();
            Poll->deleteLater();
            Answer(Found);
        }
    });
    Poll->start(10);
}

} // namespace

class TKRPrompterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Korvan Tests")); }

    // The real path: the error shows in a message box under the application's title, with the
    // error icon and OK alone, and the text exactly as raised (plain, not rich text).
    void GuardedCallShowsTheErrorInAMessageBox()
    {
        QWidget Context;
        Context.show();
        QString Text;
        QString Title;
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
        int Buttons = 0;
        Qt::TextFormat Format = Qt::RichText;
        WhenShown<QMessageBox>([&](QMessageBox *Box) {
            Text = Box->text();
            Title = Box->windowTitle();
            Icon = Box->icon();
            Buttons = static_cast<int>(Box->buttons().size());
            Format = Box->textFormat();
            Box->button(QMessageBox::Ok)->click();
        });
        const bool Completed = KRGuarded(&Context, [] { throw EConvertError("Can't delete <first> row"); });
        QVERIFY(!Completed);
        QCOMPARE(Text, QStringLiteral("Can't delete <first> row"));
        QCOMPARE(Title, QStringLiteral("Korvan Tests"));
        QCOMPARE(Icon, QMessageBox::Critical);
        QCOMPARE(Buttons, 1);
        QCOMPARE(Format, Qt::PlainText);
    }

    // Escape on a Yes/No question answers No; the buttons map to the old answers.
    void QuestionBoxAnswers()
    {
        WhenShown<QMessageBox>([](QMessageBox *Box) { QTest::keyClick(Box, Qt::Key_Escape); });
        QCOMPARE(KRPrompter().MessageBox(nullptr, "Delete?", "Confirmation", MB_YESNO | MB_ICONQUESTION),
                IDNO);
        WhenShown<QMessageBox>([](QMessageBox *Box) { Box->button(QMessageBox::Yes)->click(); });
        QCOMPARE(KRPrompter().MessageBox(nullptr, "Delete?", "Confirmation", MB_YESNO | MB_ICONQUESTION),
                IDYES);
        WhenShown<QMessageBox>([](QMessageBox *Box) { QTest::keyClick(Box, Qt::Key_Escape); });
        QCOMPARE(KRPrompter().MessageBox(nullptr, "Save?", "Confirmation", MB_YESNOCANCEL), IDCANCEL);
    }

    void GuardedCallPassesOrReportsThroughThePrompter()
    {
        TKRScriptedPrompter Prompter;
        int Ran = 0;
        QVERIFY(KRGuarded(nullptr, [&] { ++Ran; }));
        QCOMPARE(Ran, 1);
        QVERIFY(Prompter.Questions().empty());

        QVERIFY(!KRGuarded(nullptr, [] { throw Exception("There is no active button"); }));
        QVERIFY(!KRGuarded(nullptr, [] { throw std::out_of_range("index 7"); }));
        QCOMPARE(Prompter.Questions().size(), 2u);
        QCOMPARE(Prompter.Questions()[0].Text, std::string("There is no active button"));
        QCOMPARE(Prompter.Questions()[0].Caption, std::string("Korvan Tests"));
        QCOMPARE(Prompter.Questions()[0].Flags, MB_OK | MB_ICONERROR);
        QCOMPARE(Prompter.Questions()[1].Text, std::string("index 7"));
        QCOMPARE(Prompter.Unanswered(), 0);
    }

    void ScriptedPrompterAnswersInOrderAndRecords()
    {
        {
            TKRScriptedPrompter Prompter;
            QCOMPARE(&KRPrompter(), &Prompter);
            Prompter.Answer(IDYES);
            Prompter.Answer(IDCANCEL);
            QCOMPARE(KRPrompter().MessageBox(nullptr, "Delete?", "Confirmation", MB_YESNO | MB_ICONQUESTION),
                    IDYES);
            QCOMPARE(KRPrompter().MessageBox(nullptr, "Done", "Korvan", MB_OK), IDOK); // needs no answer
            QCOMPARE(KRPrompter().MessageBox(nullptr, "Save?", "Korvan", MB_YESNOCANCEL), IDCANCEL);
            QCOMPARE(Prompter.Unanswered(), 0);
            // Nothing queued: the cautious answer, and the question counts as unanswered.
            QCOMPARE(KRPrompter().MessageBox(nullptr, "Again?", "Korvan", MB_YESNO), IDNO);
            QCOMPARE(KRPrompter().MessageBox(nullptr, "Go on?", "Korvan", MB_OKCANCEL), IDCANCEL);
            QCOMPARE(Prompter.Unanswered(), 2);
            QCOMPARE(Prompter.Questions().size(), 5u);
            QCOMPARE(Prompter.Questions()[2].Text, std::string("Save?"));
            QCOMPARE(Prompter.Questions()[0].Flags, MB_YESNO | MB_ICONQUESTION);
        }
        QVERIFY(dynamic_cast<TKRWidgetPrompter *>(&KRPrompter()));
    }

    void ScriptedPrompterRunsDialogsAndMenus()
    {
        TKRScriptedPrompter Prompter;
        QDialog Dialog;
        Dialog.setWindowTitle(QStringLiteral("Link properties"));
        auto *Edit = new QLineEdit(&Dialog);
        Prompter.AnswerDialog(QDialog::Accepted,
                [](QDialog &D) { D.findChild<QLineEdit *>()->setText(QStringLiteral("=")); });
        QCOMPARE(KRPrompter().ExecDialog(Dialog), int(QDialog::Accepted));
        QCOMPARE(Edit->text(), QStringLiteral("="));
        QCOMPARE(KRPrompter().ExecDialog(Dialog), int(QDialog::Rejected));
        QCOMPARE(Prompter.Dialogs(), (std::vector<std::string>{ "Link properties", "Link properties" }));
        QCOMPARE(Prompter.Unanswered(), 1);

        QMenu Menu;
        QAction *Properties = Menu.addAction(QStringLiteral("&Properties..."));
        Menu.addSeparator();
        QAction *Delete = Menu.addAction(QStringLiteral("&Delete link"));
        QAction *Disabled = Menu.addAction(QStringLiteral("Fish && chips"));
        Disabled->setEnabled(false);
        Prompter.AnswerMenu("Delete link");
        Prompter.AnswerMenu("Fish & chips"); // disabled: nothing chosen
        Prompter.AnswerMenu("");
        QCOMPARE(KRPrompter().ExecMenu(Menu, QPoint(10, 20)), Delete);
        QCOMPARE(KRPrompter().ExecMenu(Menu, QPoint(10, 20)), nullptr);
        QCOMPARE(KRPrompter().ExecMenu(Menu, QPoint(10, 20)), nullptr);
        QCOMPARE(Prompter.Pending(), 0u);
        QCOMPARE(Prompter.Menus().size(), 3u);
        const auto &Items = Prompter.Menus()[0];
        QCOMPARE(Items.size(), 3u);
        QCOMPARE(Items[0].Text, std::string("Properties..."));
        QCOMPARE(Items[2].Text, std::string("Fish & chips"));
        QVERIFY(Items[1].Enabled && !Items[2].Enabled);
        QCOMPARE(Prompter.MenuPositions()[0], QPoint(10, 20));
        Q_UNUSED(Properties);
    }
};

QTEST_MAIN(TKRPrompterTest)
#include "KRPrompterTest.moc"
