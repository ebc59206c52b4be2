// The "Operator properties" dialog: a developer edits a component's operator table in a copy of
// its own, with a live preview of each operator's SQL form. The caller copies the table in before
// showing the dialog and takes the copy back when it ends with OK.
#pragma once

#include "framework/KRSet.h"
#include "parser/KROperators.h"

#include <cstdint>
#include <memory>

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvan {

//! Parts of the dialog that a caller locks.
enum TKREditRestriction : std::uint8_t { erAdd, erDelete, erName, erArgument };
using TKREditRestrictions = TSet<TKREditRestriction>;

class TKROperatorsEditor : public QDialog
{
public:
    explicit TKROperatorsEditor(QWidget *Parent = nullptr);
    ~TKROperatorsEditor() override;
    TKROperatorsEditor(const TKROperatorsEditor &) = delete;
    TKROperatorsEditor &operator=(const TKROperatorsEditor &) = delete;

    //! The table being edited; the caller fills it with Assign before showing the dialog.
    TKROperators &WorkingOperators() const { return *FWorkingOperators; }
    //! The operator shown in the fields; -1 when none.
    int EditIndex() const { return FEditIndex; }
    //! The fields were typed in since the operator was shown.
    bool Modified() const { return FModified; }
    TKREditRestrictions Restrictions() const { return FRestrictions; }
    void SetRestrictions(TKREditRestrictions Value);

    //! Fills the list from the table and shows its first operator (done when the dialog shows).
    void FormShow();
    //! Commits the operator being left when it was typed in, and shows the one selected in the list.
    void HandleOperatorsClick();
    //! One of the six fields changed; Sender is the edit, nullptr to refresh the preview only.
    void ChangeData(QLineEdit *Sender);
    void HandleAddClick();
    void HandleDeleteClick();
    //! Stores the fields of the operator shown and closes the dialog with OK.
    void HandleOKClick();

    // The controls, named as the dialog's parts.
    QGroupBox *gbOperators = nullptr;
    QListWidget *lbOperators = nullptr;
    QPushButton *buAdd = nullptr;
    QPushButton *buDelete = nullptr;
    QGroupBox *gbFeatures = nullptr;
    QLabel *laName = nullptr;
    QLabel *laCaption = nullptr;
    QLabel *laCount = nullptr;
    QLineEdit *edName = nullptr;
    QLineEdit *edCaption = nullptr;
    QLineEdit *edCount = nullptr;
    QLineEdit *edPrefix = nullptr;
    QLineEdit *edRelate = nullptr;
    QLineEdit *edPostfix = nullptr;
    QLabel *laPreview = nullptr;
    QPushButton *buOK = nullptr;
    QPushButton *buCancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    void changeEvent(QEvent *Event) override;

private:
    void FitTexts();
    //! Stores the six fields into the operator at EditIndex.
    void StoreFields();
    //! "Delete operator" and the features follow EditIndex and the restrictions.
    void UpdateButtons();

    std::unique_ptr<TKROperators> FWorkingOperators;
    int FEditIndex = -1;
    bool FModified = false;
    TKREditRestrictions FRestrictions;
};

} // namespace korvan
