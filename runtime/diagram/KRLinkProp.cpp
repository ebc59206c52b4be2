#include "diagram/KRLinkProp.h"

#include "diagram/KRLink.h"
#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "framework/KRException.h"
#include "framework/KRText.h"
#include "framework/qt/KRPrompter.h"
#include "parser/KRJoinDefs.h"
#include "parser/KRTableDefs.h"
#include "resources/KRResource.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace korvan {

namespace {

// Where the controls sit: three rows under the heading, centred on the width by FormResize.
constexpr int CaptionHeight = 25;
constexpr int FieldsTop = 32;
constexpr int ConditionsWidth = 49;
constexpr int BoxesTop = 64;
constexpr int ButtonsTop = 96;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

TfmLinkProp *ShownDialog = nullptr;

std::vector<TfmLinkProp *> &LiveDialogs()
{
    static std::vector<TfmLinkProp *> Dialogs;
    return Dialogs;
}

//! Marks a dialog as the one being shown while it runs.
class TShownDialog
{
public:
    explicit TShownDialog(TfmLinkProp *Dialog)
        : FPrevious(ShownDialog)
    {
        ShownDialog = Dialog;
    }
    ~TShownDialog()
    {
        const bool Lives =
                std::find(LiveDialogs().begin(), LiveDialogs().end(), FPrevious) != LiveDialogs().end();
        ShownDialog = Lives ? FPrevious : nullptr;
    }
    TShownDialog(const TShownDialog &) = delete;
    TShownDialog &operator=(const TShownDialog &) = delete;

private:
    TfmLinkProp *FPrevious;
};

QString Q(const std::string &Text)
{
    return QString::fromStdString(Text);
}

QFont PixelFont(int Pixels, bool Bold = false)
{
    QFont Font(QStringLiteral("DejaVu Sans"));
    Font.setPixelSize(Pixels);
    Font.setBold(Bold);
    return Font;
}

QLabel *NewLabel(QWidget *Parent, const char *Name, const QFont &Font, Qt::Alignment Alignment)
{
    auto *Label = new QLabel(Parent);
    Label->setObjectName(QString::fromLatin1(Name));
    Label->setFont(Font);
    // Table and field names are shown as they are, never read as markup.
    Label->setTextFormat(Qt::PlainText);
    Label->setAlignment(Alignment);
    return Label;
}

//! A check box caption shows "&" as itself, not as a mnemonic.
QString BoxCaption(const std::string &Text)
{
    QString Caption = Q(Text);
    Caption.replace(QStringLiteral("&"), QStringLiteral("&&"));
    return Caption;
}

QString ShownCaption(const QAbstractButton &Button)
{
    QString Text = Button.text();
    Text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return Text;
}

//! A check box as wide as its caption and 20 pixels for the box and the gap, or as the style
//! needs when it draws them wider: a caption is never cut off.
int BoxWidth(const QCheckBox &Box)
{
    const int Caption = QFontMetrics(Box.font()).horizontalAdvance(ShownCaption(Box));
    return std::max(Caption + 20, Box.sizeHint().width());
}

//! The index of Text in the condition list, -1 for a typed comparison.
int ConditionIndex(const std::string &Text)
{
    const auto Begin = std::begin(KRLinkConditions);
    const auto End = std::end(KRLinkConditions);
    const auto Found = std::find_if(Begin, End, [&](const char *Item) { return Text == Item; });
    return Found == End ? -1 : static_cast<int>(Found - Begin);
}

// A join definition stored on the second window's table names the pair the other way round: its
// kind has the outer sides swapped and its comparison the operands swapped.
TKRJoinKind Mirrored(TKRJoinKind Kind)
{
    return Kind == krjLOuterJoin ? krjROuterJoin : Kind == krjROuterJoin ? krjLOuterJoin : Kind;
}

TKRTableDefs *ModelOf(const TKRJoin &Join)
{
    const TKRWorkArea *Area = Join.WorkArea();
    const TKRWorkAreaOwner *Owner = Area ? Area->Owner() : nullptr;
    return Owner ? Owner->TableDefs() : nullptr;
}

struct TFoundJoinDef
{
    TKRJoinDef *Def = nullptr;
    //! Stored on the second window's table.
    bool Reversed = false;
};

//! The model's definition of Link: on the first window's table, naming the second; a link drawn
//! from the second window to the first left it on the second window's table.
TFoundJoinDef FindJoinDef(const TKRLink &Link)
{
    const TKRJoin &Join = *Link.Join();
    TKRTableDefs *Defs = ModelOf(Join);
    const TKRTable *First = Join.Tables(0);
    const TKRTable *Second = Join.Tables(1);
    if (!Defs || !First || !Second)
        return {};
    const std::string &FirstField = Link.FirstItem()->Name();
    const std::string &SecondField = Link.SecondItem()->Name();
    if (const TKRTableDef *Def = Defs->FindByAlias(First->GetAlias()))
        if (TKRJoinDef *Found = Def->JoinDefs()->Find(FirstField, Second->GetAlias(), SecondField))
            return { Found, false };
    if (const TKRTableDef *Def = Defs->FindByAlias(Second->GetAlias()))
        if (TKRJoinDef *Found = Def->JoinDefs()->Find(SecondField, First->GetAlias(), FirstField))
            return { Found, true };
    return {};
}

//! Gives every definition between the two tables of Join the kind Kind. The writer puts all
//! comparisons of a pair into one ON under one join word, so they must not differ.
void SetPairKind(const TKRJoin &Join, TKRJoinKind Kind)
{
    TKRTableDefs *Defs = ModelOf(Join);
    if (!Defs || !Join.Tables(0) || !Join.Tables(1))
        return;
    for (int Side = 0; Side < 2; ++Side) {
        const TKRTableDef *Def = Defs->FindByAlias(Join.Tables(Side)->GetAlias());
        if (!Def)
            continue;
        const std::string Other = Join.Tables(1 - Side)->GetAlias();
        for (int I = 0; I < Def->JoinDefs()->Count(); ++I) {
            TKRJoinDef *JoinDef = Def->JoinDefs()->Items(I);
            if (JoinDef->JoinTable() == Other)
                JoinDef->SetJoinKind(Side == 0 ? Kind : Mirrored(Kind));
        }
    }
}

//! The kind is drawn by every link of the pair: repaint them all, not only the one edited.
void RepaintPair(const TKRJoin &Join)
{
    TKRWorkArea *Area = Join.WorkArea();
    if (!Area)
        return;
    for (int I = 0; I < Area->LinkCount(); ++I)
        if (Area->Links(I)->Join() == &Join)
            Area->InvalidateRegion(Area->Links(I)->GetClipRgn(0));
}

} // namespace

TfmLinkProp *fmLinkProp()
{
    if (ShownDialog)
        return ShownDialog;
    return LiveDialogs().empty() ? nullptr : LiveDialogs().back();
}

TfmLinkProp::TfmLinkProp(QWidget *Owner)
    : QDialog(Owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("fmLinkProp"));
    setWindowTitle(QString::fromUtf8(SLinkProperties));
    setFont(PixelFont(11));
    resize(DesignWidth, DesignHeight);

    const QFont FieldFont = PixelFont(13);
    // The heading is centred both ways in its band, which keeps it off the window's top edge.
    laCaption = NewLabel(this, "laCaption", PixelFont(13, true), Qt::AlignCenter);
    laCaption->setGeometry(0, 0, DesignWidth, CaptionHeight);

    cbConditions = new QComboBox(this);
    cbConditions->setObjectName(QStringLiteral("cbConditions"));
    cbConditions->setEditable(true);
    // A typed comparison is used as it is; it never joins the list.
    cbConditions->setInsertPolicy(QComboBox::NoInsert);
    for (const char *Condition : KRLinkConditions)
        cbConditions->addItem(QString::fromUtf8(Condition));
    const int RowHeight = cbConditions->sizeHint().height();
    cbConditions->setGeometry(144, FieldsTop, ConditionsWidth, RowHeight);

    // The field names stand level with the comparison's text.
    laLeftField = NewLabel(this, "laLeftField", FieldFont, Qt::AlignRight | Qt::AlignVCenter);
    laLeftField->setGeometry(75, FieldsTop, 64, RowHeight);
    laRightField = NewLabel(this, "laRightField", FieldFont, Qt::AlignLeft | Qt::AlignVCenter);
    laRightField->setGeometry(200, FieldsTop, 64, RowHeight);

    chLeftOuter = new QCheckBox(QStringLiteral("Include all"), this);
    chLeftOuter->setObjectName(QStringLiteral("chLeftOuter"));
    chLeftOuter->setGeometry(0, BoxesTop, 169, chLeftOuter->sizeHint().height());
    chRightOuter = new QCheckBox(QStringLiteral("Include All"), this);
    chRightOuter->setObjectName(QStringLiteral("chRightOuter"));
    chRightOuter->setLayoutDirection(Qt::LeftToRight);
    chRightOuter->setGeometry(182, BoxesTop, 147, chRightOuter->sizeHint().height());

    buOK = new QPushButton(QString::fromUtf8(SOK), this);
    buOK->setObjectName(QStringLiteral("buOK"));
    buOK->setGeometry(80, ButtonsTop, ButtonWidth, ButtonHeight);
    buOK->setDefault(true);
    connect(buOK, &QPushButton::clicked, this, &QDialog::accept);
    buCancel = new QPushButton(QString::fromUtf8(SCancel), this);
    buCancel->setObjectName(QStringLiteral("buCancel"));
    buCancel->setGeometry(195, ButtonsTop, ButtonWidth, ButtonHeight);
    connect(buCancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(buOK, buCancel);
    setTabOrder(buCancel, cbConditions);
    setTabOrder(cbConditions, chLeftOuter);
    setTabOrder(chLeftOuter, chRightOuter);

    LiveDialogs().push_back(this);
}

TfmLinkProp::~TfmLinkProp()
{
    std::erase(LiveDialogs(), this);
    if (ShownDialog == this)
        ShownDialog = nullptr;
}

TKRLink *TfmLinkProp::CurrentLnk() const
{
    return FCurrentLnk ? TKRIdentified::Find<TKRLink>(FCurrentLnk) : nullptr;
}

void TfmLinkProp::SetCurrentLnk(TKRLink *Link)
{
    FCurrentLnk = Link ? Link->Identity() : 0;
}

bool TfmLinkProp::Execute(TKRLink &Link)
{
    SetCurrentLnk(&Link);
    FormShow();
    const TShownDialog Shown(this);
    if (KRPrompter().ExecDialog(*this) != QDialog::Accepted)
        return false;
    // Whatever ran while the dialog was open may have freed the link.
    if (!CurrentLnk())
        return false;
    buOKClick();
    return true;
}

void TfmLinkProp::FormShow()
{
    const TKRLink *Link = CurrentLnk();
    // A link whose window has gone has rows that are gone with it.
    if (!Link || !Link->Join()->Tables(0) || !Link->Join()->Tables(1))
        throw Exception(SInvalidLink);
    const TKRJoin &Join = *Link->Join();
    const std::string First = Join.TableNames(0);
    const std::string Second = Join.TableNames(1);
    laCaption->setText(Q(SJoinTables + First + " " + SAnd + " " + Second));
    laLeftField->setText(Q(Link->FirstItem()->Name()));
    laRightField->setText(Q(Link->SecondItem()->Name()));
    chLeftOuter->setText(BoxCaption(std::string(SIncludeAllFrom) + " " + First));
    chRightOuter->setText(BoxCaption(std::string(SIncludeAllFrom) + " " + Second));
    const TKRJoinKind Kind = Join.Kind();
    chLeftOuter->setChecked(Kind == krjLOuterJoin || Kind == krjFOuterJoin);
    chRightOuter->setChecked(Kind == krjROuterJoin || Kind == krjFOuterJoin);

    const int Condition = Link->Condition();
    if (Condition >= 0 && Condition < cbConditions->count()) {
        cbConditions->setCurrentIndex(Condition);
    } else {
        // A comparison outside the list is shown as the model holds it.
        const TFoundJoinDef Found = FindJoinDef(*Link);
        cbConditions->setCurrentIndex(-1);
        cbConditions->setEditText(Found.Def ? Q(Found.Reversed ? KRMirrorComparison(Found.Def->Operation())
                                                               : Found.Def->Operation())
                                            : QString());
    }

    CalcMinWidth();
    if (width() < FMinWidth)
        resize(FMinWidth, height());
    FormCanResize();
    FormResize();
    buOK->setFocus();
}

void TfmLinkProp::CalcMinWidth()
{
    const int LeftBox = BoxWidth(*chLeftOuter);
    const int RightBox = BoxWidth(*chRightOuter);
    chLeftOuter->resize(LeftBox, chLeftOuter->height());
    chRightOuter->resize(RightBox, chRightOuter->height());
    const int Boxes = std::max(LeftBox, RightBox) * 2 + 28;

    const int Heading = QFontMetrics(laCaption->font()).horizontalAdvance(laCaption->text()) + 22;

    const QFontMetrics FieldMetrics(laLeftField->font());
    laLeftField->resize(FieldMetrics.horizontalAdvance(laLeftField->text()), laLeftField->height());
    laRightField->resize(FieldMetrics.horizontalAdvance(laRightField->text()), laRightField->height());
    const int Fields = std::max(laLeftField->width(), laRightField->width()) * 2 + cbConditions->width() + 22;

    FMinWidth = std::max({ Heading, Fields, Boxes, LeastWidth });
}

void TfmLinkProp::FormResize()
{
    const int W = width();
    const int Conditions = cbConditions->width();
    laCaption->setGeometry(0, 0, W, CaptionHeight);
    cbConditions->move((W - Conditions) / 2, FieldsTop);
    laLeftField->move((W - Conditions) / 2 - 1 - laLeftField->width(), FieldsTop);
    laRightField->move((W + Conditions) / 2 + 1, FieldsTop);
    chLeftOuter->move(W / 2 - 4 - chLeftOuter->width(), BoxesTop);
    chRightOuter->move(W / 2 + 4, BoxesTop);
    buOK->move(W / 2 - 20 - buOK->width(), ButtonsTop);
    buCancel->move(W / 2 + 20, ButtonsTop);
}

void TfmLinkProp::FormCanResize()
{
    setFixedHeight(DesignHeight);
    setMinimumWidth(FMinWidth);
}

void TfmLinkProp::resizeEvent(QResizeEvent *Event)
{
    QDialog::resizeEvent(Event);
    FormResize();
}

TKRJoinKind TfmLinkProp::CheckedKind() const
{
    const bool Left = chLeftOuter->isChecked();
    const bool Right = chRightOuter->isChecked();
    return Left && Right ? krjFOuterJoin : Left ? krjLOuterJoin : Right ? krjROuterJoin : krjInnerJoin;
}

void TfmLinkProp::buOKClick()
{
    TKRLink *Link = CurrentLnk();
    if (!Link)
        return;
    TKRJoin &Join = *Link->Join();
    const TKRJoinKind Kind = CheckedKind();
    Join.SetKind(Kind);
    SetPairKind(Join, Kind);

    // An emptied comparison keeps the one the link had: a join always compares with something.
    const std::string Operation = Trim(cbConditions->currentText().toStdString());
    if (!Operation.empty()) {
        Link->SetCondition(ConditionIndex(Operation));
        const TFoundJoinDef Found = FindJoinDef(*Link);
        if (Found.Def)
            Found.Def->SetOperation(Found.Reversed ? KRMirrorComparison(Operation) : Operation);
    }
    RepaintPair(Join);
}

} // namespace korvan
