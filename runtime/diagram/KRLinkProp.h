// The link properties dialog: the comparison between a link's two fields and whether its join takes
// all rows of the first table, of the second, or of both. Each work area has one; it reads the link
// afresh every time it is shown and writes the link, the join of the window pair and the model's
// join definitions when it is confirmed.
#pragma once

#include "diagram/KRWorkArea.h"
#include "parser/KRJoinDefs.h"

#include <cstdint>

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace korvan {

class TKRLink;

class TfmLinkProp : public QDialog, public TKRLinkEditor
{
public:
    //! The client size the dialog is laid out for; the height never changes.
    static constexpr int DesignWidth = 333;
    static constexpr int DesignHeight = 132;
    //! The narrowest the dialog gets, whatever it shows.
    static constexpr int LeastWidth = 360;

    //! A dialog owned by Owner (the work area), hidden until it is run.
    explicit TfmLinkProp(QWidget *Owner = nullptr);
    ~TfmLinkProp() override;
    TfmLinkProp(const TfmLinkProp &) = delete;
    TfmLinkProp &operator=(const TfmLinkProp &) = delete;

    //! Shows the dialog for Link through the prompter; on OK stores what it shows and returns true.
    //! False on Cancel, and when Link went away while the dialog was open.
    bool Execute(TKRLink &Link) override;

    //! The link being edited; nullptr for none or once it has been freed.
    TKRLink *CurrentLnk() const;
    void SetCurrentLnk(TKRLink *Link);
    //! The narrowest width allowed for what the dialog shows now.
    int MinWidth() const { return FMinWidth; }

    //! Fills the controls from CurrentLnk and sizes the dialog. Raises "Invalid link" without a
    //! link or when the link has lost one of its windows.
    void FormShow();
    //! Measures the captions and labels: MinWidth fits them all and is at least LeastWidth.
    void CalcMinWidth();
    //! Centres the rows of controls on the dialog's width.
    void FormResize();
    //! The window system's limits: the height stays as it is, the width never goes below MinWidth.
    void FormCanResize();
    //! Stores the dialog's choices in CurrentLnk, its join and the model; nothing without a link.
    void buOKClick();

    // The controls; each has its name as object name, by which scripted answers find it too.
    QLabel *laCaption;
    QLabel *laLeftField;
    QComboBox *cbConditions;
    QLabel *laRightField;
    QCheckBox *chLeftOuter;
    QCheckBox *chRightOuter;
    QPushButton *buOK;
    QPushButton *buCancel;

protected:
    void resizeEvent(QResizeEvent *Event) override;

private:
    //! The kind the two boxes choose.
    TKRJoinKind CheckedKind() const;

    std::uint64_t FCurrentLnk = 0;
    int FMinWidth = LeastWidth;
};

//! The link dialog being shown, else the last one made that still lives; nullptr for none.
TfmLinkProp *fmLinkProp();

} // namespace korvan
