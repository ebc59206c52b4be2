// A prompter for widget tests: the answers are queued before the code asks, and every question is
// recorded. Made on the stack of a test, it is the prompter in use until it goes.
//
//     TKRScriptedPrompter Prompter;
//     Prompter.Answer(IDYES);
//     Editor.DeleteCondition();
//     QCOMPARE(Prompter.Questions().at(0).Text, std::string(SDeleteConditionsQuestion));
//     QCOMPARE(Prompter.Unanswered(), 0);
#pragma once

#include "framework/qt/KRPrompter.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QDialog>
#include <QMenu>

namespace korvan {

class TKRScriptedPrompter : public TKRPrompter
{
public:
    struct TQuestion
    {
        std::string Text;
        std::string Caption;
        unsigned Flags = 0;
    };
    struct TMenuItem
    {
        std::string Text; // as shown, "&" markers removed
        bool Enabled = true;
        bool Checked = false;
    };

    TKRScriptedPrompter() { KRSetPrompter(this); }
    ~TKRScriptedPrompter() override { KRSetPrompter(nullptr); }
    TKRScriptedPrompter(const TKRScriptedPrompter &) = delete;
    TKRScriptedPrompter &operator=(const TKRScriptedPrompter &) = delete;

    //! Queues the answer (IDOK, IDYES, ...) to the next message box that has more than an OK
    //! button; a box with OK alone is answered IDOK without one.
    void Answer(int Id) { FAnswers.push_back(Id); }
    //! Queues what the next dialog does: Fill sets its fields; the dialog returns Result.
    void AnswerDialog(int Result, std::function<void(QDialog &)> Fill = {})
    {
        FDialogs.push_back([Result, Fill = std::move(Fill)](QDialog &Dialog) {
            if (Fill)
                Fill(Dialog);
            return Result;
        });
    }
    //! Queues the choice of the next menu: the enabled action shown as Text ("&" markers
    //! ignored), or nullptr for an empty Text (the menu closed without a choice).
    void AnswerMenu(const std::string &Text)
    {
        FMenus.push_back([Text](QMenu &Menu) -> QAction * {
            if (Text.empty())
                return nullptr;
            for (QAction *Action : Menu.actions())
                if (Action->isEnabled() && Shown(*Action) == Text)
                    return Action;
            return nullptr;
        });
    }

    const std::vector<TQuestion> &Questions() const { return FQuestions; }
    //! Titles of the dialogs run, in order.
    const std::vector<std::string> &Dialogs() const { return FDialogTitles; }
    //! The items of each menu popped up, in order, and where it was popped up.
    const std::vector<std::vector<TMenuItem>> &Menus() const { return FMenuItems; }
    const std::vector<QPoint> &MenuPositions() const { return FMenuPositions; }
    //! Questions, dialogs and menus that found no answer queued (each got the cautious answer:
    //! Cancel, No, Rejected, no action).
    int Unanswered() const { return FUnanswered; }
    //! Answers queued and not used yet.
    std::size_t Pending() const { return FAnswers.size() + FDialogs.size() + FMenus.size(); }

    int MessageBox(QWidget *, const std::string &Text, const std::string &Caption, unsigned Flags) override
    {
        FQuestions.push_back({ Text, Caption, Flags });
        const unsigned Buttons = Flags & MB_TYPEMASK;
        if (Buttons == MB_OK)
            return IDOK;
        if (FAnswers.empty()) {
            ++FUnanswered;
            return Buttons == MB_YESNO ? IDNO : IDCANCEL;
        }
        const int Id = FAnswers.front();
        FAnswers.pop_front();
        return Id;
    }

    int ExecDialog(QDialog &Dialog) override
    {
        FDialogTitles.push_back(Dialog.windowTitle().toStdString());
        if (FDialogs.empty()) {
            ++FUnanswered;
            return QDialog::Rejected;
        }
        const auto Respond = std::move(FDialogs.front());
        FDialogs.pop_front();
        return Respond(Dialog);
    }

    QAction *ExecMenu(QMenu &Menu, QPoint Global) override
    {
        std::vector<TMenuItem> Items;
        for (QAction *Action : Menu.actions())
            if (!Action->isSeparator() && Action->isVisible())
                Items.push_back({ Shown(*Action), Action->isEnabled(), Action->isChecked() });
        FMenuItems.push_back(std::move(Items));
        FMenuPositions.push_back(Global);
        if (FMenus.empty()) {
            ++FUnanswered;
            return nullptr;
        }
        const auto Choose = std::move(FMenus.front());
        FMenus.pop_front();
        return Choose(Menu);
    }

private:
    static std::string Shown(const QAction &Action)
    {
        QString Text = Action.text();
        Text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        Text.remove(u'&');
        Text.replace(u'\x01', u'&');
        return Text.toStdString();
    }

    std::deque<int> FAnswers;
    std::deque<std::function<int(QDialog &)>> FDialogs;
    std::deque<std::function<QAction *(QMenu &)>> FMenus;
    std::vector<TQuestion> FQuestions;
    std::vector<std::string> FDialogTitles;
    std::vector<std::vector<TMenuItem>> FMenuItems;
    std::vector<QPoint> FMenuPositions;
    int FUnanswered = 0;
};

} // namespace korvan
