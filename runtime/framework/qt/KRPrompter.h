// Everything that waits for the user (message boxes, modal dialogs, popup menus) goes through one
// prompter, so that a test can answer in place of a person.
#pragma once

#include <string>

#include <QPoint>

class QAction;
class QDialog;
class QMenu;
class QWidget;

namespace korvan {

// Message box buttons and icons, and the answers.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_TYPEMASK = 0x0F;
inline constexpr unsigned MB_ICONMASK = 0xF0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class TKRPrompter
{
public:
    virtual ~TKRPrompter() = default;

    //! Shows Text under Caption (both UTF-8, Text plain, not rich) with the buttons and icon of
    //! Flags (MB_...) and returns the button pressed (ID...). Escape answers Cancel where there
    //! is one, No on a Yes/No box, OK on an OK box.
    virtual int MessageBox(
            QWidget *Parent, const std::string &Text, const std::string &Caption, unsigned Flags) = 0;
    //! Runs Dialog modally; returns its result (QDialog::Accepted or Rejected, or its own).
    virtual int ExecDialog(QDialog &Dialog) = 0;
    //! Pops Menu up at the screen position Global; returns the action chosen, nullptr for none.
    virtual QAction *ExecMenu(QMenu &Menu, QPoint Global) = 0;
    //! Shows an error's message as the framework did: a box under the application's title with the
    //! error icon and OK (through MessageBox).
    virtual void ShowException(QWidget *Parent, const std::string &Message);
};

//! The prompter on QMessageBox, QDialog::exec and QMenu::exec.
class TKRWidgetPrompter : public TKRPrompter
{
public:
    int MessageBox(
            QWidget *Parent, const std::string &Text, const std::string &Caption, unsigned Flags) override;
    int ExecDialog(QDialog &Dialog) override;
    QAction *ExecMenu(QMenu &Menu, QPoint Global) override;
};

//! The prompter in use.
TKRPrompter &KRPrompter();
//! Makes Prompter the one in use (the caller keeps it alive while it is); nullptr brings back the
//! widget prompter.
void KRSetPrompter(TKRPrompter *Prompter);

//! The application's title, the caption of error boxes.
std::string KRApplicationTitle();

} // namespace korvan
