#include "dialects/qt/KROptionsPanels.h"

#include "dialects/KRIBSelectParser.h"
#include "framework/KRText.h"
#include "resources/KRResource.h"

#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace korvan {

namespace {

QString Text(const char *Resource)
{
    return QString::fromUtf8(Resource);
}

QLineEdit *NewCountEdit(QWidget *Parent, const char *Name)
{
    auto *Edit = new QLineEdit(Parent);
    Edit->setObjectName(QString::fromUtf8(Name));
    return Edit;
}

} // namespace

// TKROptionsPanel

TKROptionsPanel::TKROptionsPanel(QWidget *Parent)
    : QWidget(Parent)
{}

void TKROptionsPanel::SetParser(TKRIBSelectParser *Value)
{
    FParser = Value;
    Refresh();
}

void TKROptionsPanel::Refresh()
{
    if (FParser != nullptr)
        ShowOptions(*FParser);
}

int TKROptionsPanel::CountOf(const QLineEdit &Edit)
{
    return StrToIntDef(Edit.text().toStdString(), 0);
}

void TKROptionsPanel::ShowCount(QLineEdit &Edit, int Count)
{
    const QSignalBlocker Blocker(Edit);
    Edit.setText(Count == 0 ? QString() : QString::number(Count));
}

// TKRFBOptionsPanel

namespace {

// The places of the Firebird panel's controls. The edits' left of 30 leaves a caption 22 pixels,
// which the captions filled in the small dialog font this layout was made for; a wider font moves
// both edits right together, a caption's width plus a gap, so no caption runs under its edit.
constexpr int LabelLeft = 8;
constexpr int EditLeft = 30;
constexpr int CaptionGap = 4;
constexpr int FirstTop = 6;
constexpr int SkipTop = 30;
constexpr int EditWidth = 65;
constexpr int EditHeight = 21;
// The captions stand 2 pixels below their edits' tops, level with the edits' text.
constexpr int LabelDrop = 2;

} // namespace

TKRFBOptionsPanel::TKRFBOptionsPanel(QWidget *Parent)
    : TKROptionsPanel(Parent)
    , FFirstLabel(new QLabel(Text(SOptionFirst), this))
    , FFirstEdit(NewCountEdit(this, "FirstEdit"))
    , FSkipLabel(new QLabel(Text(SOptionSkip), this))
    , FSkipEdit(NewCountEdit(this, "SkipEdit"))
{
    FFirstLabel->setBuddy(FFirstEdit);
    FSkipLabel->setBuddy(FSkipEdit);
    connect(FFirstEdit, &QLineEdit::textChanged, this, [this] {
        Store([this](TKRIBSelectParser &P) { P.FBOptions()->SetFirst(CountOf(*FFirstEdit)); });
    });
    connect(FSkipEdit, &QLineEdit::textChanged, this,
            [this] { Store([this](TKRIBSelectParser &P) { P.FBOptions()->SetSkip(CountOf(*FSkipEdit)); }); });
    PlaceControls();
    resize(sizeHint());
}

QSize TKRFBOptionsPanel::sizeHint() const
{
    return { FFirstEdit->geometry().right() + 1 + LabelLeft, SkipTop + EditHeight + FirstTop };
}

void TKRFBOptionsPanel::changeEvent(QEvent *Event)
{
    TKROptionsPanel::changeEvent(Event);
    if (Event->type() == QEvent::FontChange)
        PlaceControls();
}

void TKRFBOptionsPanel::PlaceControls()
{
    FFirstLabel->adjustSize();
    FSkipLabel->adjustSize();
    FFirstLabel->move(LabelLeft, FirstTop + LabelDrop);
    FSkipLabel->move(LabelLeft, SkipTop + LabelDrop);
    const int Captions = std::max(FFirstLabel->width(), FSkipLabel->width());
    const int Left = std::max(EditLeft, LabelLeft + Captions + CaptionGap);
    FFirstEdit->setGeometry(Left, FirstTop, EditWidth, EditHeight);
    FSkipEdit->setGeometry(Left, SkipTop, EditWidth, EditHeight);
    updateGeometry();
}

void TKRFBOptionsPanel::ShowOptions(const TKRIBSelectParser &Parser)
{
    ShowCount(*FFirstEdit, Parser.FBOptions()->First());
    ShowCount(*FSkipEdit, Parser.FBOptions()->Skip());
}

// TKRIBOptionsPanel

TKRIBOptionsPanel::TKRIBOptionsPanel(QWidget *Parent)
    : TKROptionsPanel(Parent)
    , FRowsFromEdit(NewCountEdit(this, "RowsFromEdit"))
    , FRowsToEdit(NewCountEdit(this, "RowsToEdit"))
    , FRowsByEdit(NewCountEdit(this, "RowsByEdit"))
    , FPercentBox(new QCheckBox(Text(SOptionPercent), this))
    , FTiesBox(new QCheckBox(Text(SOptionWithTies), this))
{
    // Read left to right as the clause is written: ROWS n TO m BY k, then PERCENT and WITH TIES.
    auto *Grid = new QGridLayout(this);
    Grid->setContentsMargins(8, 6, 8, 6);
    Grid->setHorizontalSpacing(6);
    const auto AddCount = [this, Grid](const char *Caption, QLineEdit *Edit, int Column) {
        auto *Label = new QLabel(Text(Caption), this);
        Label->setBuddy(Edit);
        Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Edit->setFixedWidth(EditWidth);
        Grid->addWidget(Label, 0, Column);
        Grid->addWidget(Edit, 0, Column + 1);
    };
    AddCount(SOptionRows, FRowsFromEdit, 0);
    AddCount(SOptionRowsTo, FRowsToEdit, 2);
    AddCount(SOptionRowsBy, FRowsByEdit, 4);
    Grid->addWidget(FPercentBox, 1, 1);
    Grid->addWidget(FTiesBox, 1, 3, 1, 3);
    Grid->setColumnStretch(6, 1);
    Grid->setRowStretch(2, 1);
    FPercentBox->setObjectName(QStringLiteral("PercentBox"));
    FTiesBox->setObjectName(QStringLiteral("TiesBox"));

    connect(FRowsFromEdit, &QLineEdit::textChanged, this, [this] {
        Store([this](TKRIBSelectParser &P) { P.IBOptions()->SetRowsFrom(CountOf(*FRowsFromEdit)); });
    });
    connect(FRowsToEdit, &QLineEdit::textChanged, this, [this] {
        Store([this](TKRIBSelectParser &P) { P.IBOptions()->SetRowsTo(CountOf(*FRowsToEdit)); });
    });
    connect(FRowsByEdit, &QLineEdit::textChanged, this, [this] {
        Store([this](TKRIBSelectParser &P) { P.IBOptions()->SetRowsBy(CountOf(*FRowsByEdit)); });
    });
    // toggled rather than clicked: a box an application checks stores its state as a click does.
    connect(FPercentBox, &QCheckBox::toggled, this,
            [this](bool On) { Store([On](TKRIBSelectParser &P) { P.IBOptions()->SetPercent(On); }); });
    connect(FTiesBox, &QCheckBox::toggled, this,
            [this](bool On) { Store([On](TKRIBSelectParser &P) { P.IBOptions()->SetTies(On); }); });
}

void TKRIBOptionsPanel::ShowOptions(const TKRIBSelectParser &Parser)
{
    const TKRIBOptions &Options = *Parser.IBOptions();
    ShowCount(*FRowsFromEdit, Options.RowsFrom());
    ShowCount(*FRowsToEdit, Options.RowsTo());
    ShowCount(*FRowsByEdit, Options.RowsBy());
    const QSignalBlocker PercentBlocker(FPercentBox);
    FPercentBox->setChecked(Options.Percent());
    const QSignalBlocker TiesBlocker(FTiesBox);
    FTiesBox->setChecked(Options.Ties());
}

} // namespace korvan
