#include "framework/qt/KRPrompter.h"

#include <vector>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace korvan {

namespace {

TKRPrompter *Current = nullptr;

struct TButton
{
    QMessageBox::StandardButton Button;
    int Answer;
};

QMessageBox::Icon IconOf(unsigned Flags)
{
    switch (Flags & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void TKRPrompter::ShowException(QWidget *Parent, const std::string &Message)
{
    MessageBox(Parent, Message, KRApplicationTitle(), MB_OK | MB_ICONERROR);
}

int TKRWidgetPrompter::MessageBox(
        QWidget *Parent, const std::string &Text, const std::string &Caption, unsigned Flags)
{
    std::vector<TButton> Buttons;
    int Escape = IDOK;
    switch (Flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        Buttons = { { QMessageBox::Ok, IDOK }, { QMessageBox::Cancel, IDCANCEL } };
        Escape = IDCANCEL;
        break;
    case MB_YESNOCANCEL:
        Buttons = { { QMessageBox::Yes, IDYES }, { QMessageBox::No, IDNO },
            { QMessageBox::Cancel, IDCANCEL } };
        Escape = IDCANCEL;
        break;
    case MB_YESNO:
        Buttons = { { QMessageBox::Yes, IDYES }, { QMessageBox::No, IDNO } };
        Escape = IDNO;
        break;
    default:
        Buttons = { { QMessageBox::Ok, IDOK } };
        break;
    }
    // The texts break their lines with CR LF; a label shows a lone CR as a glyph.
    QString Shown = QString::fromStdString(Text);
    Shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox Box(IconOf(Flags), QString::fromStdString(Caption), Shown, QMessageBox::NoButton, Parent);
    Box.setTextFormat(Qt::PlainText);
    for (const TButton &B : Buttons) {
        QPushButton *Button = Box.addButton(B.Button);
        if (B.Answer == Escape)
            Box.setEscapeButton(Button);
    }
    Box.setDefaultButton(Buttons.front().Button);
    Box.exec();
    for (const TButton &B : Buttons)
        if (Box.clickedButton() == Box.button(B.Button))
            return B.Answer;
    return Escape;
}

int TKRWidgetPrompter::ExecDialog(QDialog &Dialog)
{
    return Dialog.exec();
}

QAction *TKRWidgetPrompter::ExecMenu(QMenu &Menu, QPoint Global)
{
    return Menu.exec(Global);
}

TKRPrompter &KRPrompter()
{
    static TKRWidgetPrompter Widgets;
    return Current ? *Current : Widgets;
}

void KRSetPrompter(TKRPrompter *Prompter)
{
    Current = Prompter;
}

std::string KRApplicationTitle()
{
    return QGuiApplication::applicationDisplayName().toStdString();
}

} // namespace korvan
