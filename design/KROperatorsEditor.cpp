#include "design/KROperatorsEditor.h"

#include "framework/KRText.h"
#include "framework/qt/KRGuarded.h"
#include "resources/KRResource.h"

#include <algorithm>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

namespace korvan {

namespace {

QString Q(const std::string &Text)
{
    return QString::fromStdString(Text);
}

QString Q(const char *Text)
{
    return QString::fromUtf8(Text);
}

std::string S(const QString &Text)
{
    return Text.toStdString();
}

QLabel *AddLabel(QWidget *Parent, const char *Caption, QRect Geometry)
{
    auto *Label = new QLabel(Q(Caption), Parent);
    Label->setGeometry(Geometry);
    return Label;
}

QLineEdit *AddEdit(QWidget *Parent, const char *Name, QRect Geometry)
{
    auto *Edit = new QLineEdit(Parent);
    Edit->setObjectName(QString::fromLatin1(Name));
    Edit->setGeometry(Geometry);
    return Edit;
}

QPushButton *AddButton(QWidget *Parent, const char *Caption, QRect Geometry)
{
    auto *Button = new QPushButton(Q(Caption), Parent);
    Button->setGeometry(Geometry);
    return Button;
}

} // namespace

TKROperatorsEditor::TKROperatorsEditor(QWidget *Parent)
    : QDialog(Parent)
    , FWorkingOperators(std::make_unique<TKROperators>())
{
    setWindowTitle(Q(SOperatorProperties));
    setFixedSize(407, 304);
    QFont DialogFont(QStringLiteral("DejaVu Sans"));
    DialogFont.setPixelSize(11);
    setFont(DialogFont);

    gbOperators = new QGroupBox(Q(SAvailableOperators), this);
    gbOperators->setGeometry(8, 8, 129, 249);
    lbOperators = new QListWidget(gbOperators);
    lbOperators->setObjectName(QStringLiteral("lbOperators"));
    lbOperators->setGeometry(6, 17, 117, 226);
    buAdd = AddButton(this, SAddOperator, QRect(177, 16, 89, 25));
    buDelete = AddButton(this, SDeleteOperator, QRect(273, 16, 81, 25));
    buDelete->setEnabled(false);

    gbFeatures = new QGroupBox(Q(SFeatures), this);
    gbFeatures->setGeometry(144, 48, 257, 209);
    gbFeatures->hide();
    laName = AddLabel(gbFeatures, SOperatorName, QRect(8, 24, 97, 17));
    edName = AddEdit(gbFeatures, "edName", QRect(105, 20, 145, 21));
    laCaption = AddLabel(gbFeatures, SDisplayName, QRect(8, 52, 97, 17));
    edCaption = AddEdit(gbFeatures, "edCaption", QRect(105, 48, 145, 21));
    laCount = AddLabel(gbFeatures, SCountOfOperands, QRect(8, 80, 97, 17));
    edCount = AddEdit(gbFeatures, "edCount", QRect(105, 75, 57, 21));
    AddLabel(gbFeatures, SOperatorPrefix, QRect(4, 112, 80, 16));
    AddLabel(gbFeatures, SOperatorRelate, QRect(88, 112, 80, 16));
    AddLabel(gbFeatures, SOperatorPostfix, QRect(172, 112, 80, 16));
    edPrefix = AddEdit(gbFeatures, "edPrefix", QRect(4, 128, 80, 21));
    edRelate = AddEdit(gbFeatures, "edRelate", QRect(88, 128, 80, 21));
    edPostfix = AddEdit(gbFeatures, "edPostfix", QRect(172, 128, 80, 21));
    AddLabel(gbFeatures, SSQLExpression, QRect(8, 160, 241, 17))->setAlignment(Qt::AlignHCenter);
    laPreview = new QLabel(gbFeatures);
    laPreview->setObjectName(QStringLiteral("laPreview"));
    laPreview->setGeometry(8, 184, 241, 19);
    laPreview->setAlignment(Qt::AlignHCenter);
    QFont PreviewFont(QStringLiteral("DejaVu Sans Mono"));
    PreviewFont.setStyleHint(QFont::Monospace);
    PreviewFont.setBold(true);
    PreviewFont.setPixelSize(13);
    laPreview->setFont(PreviewFont);
    setTabOrder(edCaption, edName);
    setTabOrder(edName, edCount);
    setTabOrder(edCount, edPrefix);
    setTabOrder(edPrefix, edRelate);
    setTabOrder(edRelate, edPostfix);

    buOK = AddButton(this, "OK", QRect(103, 270, 100, 25));
    buOK->setDefault(true);
    buCancel = AddButton(this, "Cancel", QRect(215, 270, 100, 25));
    FitTexts();

    for (QLineEdit *Edit : { edName, edCaption, edCount, edPrefix, edRelate, edPostfix })
        connect(Edit, &QLineEdit::textChanged, this, [this, Edit] { ChangeData(Edit); });
    connect(lbOperators, &QListWidget::currentRowChanged, this,
            [this] { KRGuarded(this, [this] { HandleOperatorsClick(); }); });
    connect(buAdd, &QPushButton::clicked, this, [this] { KRGuarded(this, [this] { HandleAddClick(); }); });
    connect(buDelete, &QPushButton::clicked, this,
            [this] { KRGuarded(this, [this] { HandleDeleteClick(); }); });
    connect(buOK, &QPushButton::clicked, this, [this] { KRGuarded(this, [this] { HandleOKClick(); }); });
    connect(buCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TKROperatorsEditor::~TKROperatorsEditor() = default;

// The dialog keeps its size and its controls' places; where a caption in the font in use is wider
// than its place, the label or button grows and what stands right of it moves over, so that no
// text is cut.
void TKROperatorsEditor::FitTexts()
{
    // Setting the dialog's font comes before its controls.
    if (!buCancel)
        return;
    const QFontMetrics Metrics(font());
    int LabelWidth = 97;
    for (const QLabel *Label : { laName, laCaption, laCount })
        LabelWidth = std::max(LabelWidth, Metrics.horizontalAdvance(Label->text()) + 6);
    for (QLabel *Label : { laName, laCaption, laCount })
        Label->resize(LabelWidth, Label->height());
    const int EditLeft = 8 + LabelWidth;
    const int EditWidth = gbFeatures->width() - 7 - EditLeft;
    edName->setGeometry(EditLeft, 20, EditWidth, 21);
    edCaption->setGeometry(EditLeft, 48, EditWidth, 21);
    edCount->setGeometry(EditLeft, 75, 57, 21);
    const auto Fit = [&Metrics](QPushButton *Button, int Left, int Width) {
        Button->setGeometry(Left, Button->y(),
                std::max(Width, Metrics.horizontalAdvance(Button->text()) + 16), Button->height());
        return Button->x() + Button->width();
    };
    const int AddRight = Fit(buAdd, 177, 89);
    Fit(buDelete, std::max(273, AddRight + 6), 81);
}

void TKROperatorsEditor::changeEvent(QEvent *Event)
{
    QDialog::changeEvent(Event);
    if (Event->type() == QEvent::FontChange)
        FitTexts();
}

void TKROperatorsEditor::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TKROperatorsEditor::FormShow()
{
    {
        const QSignalBlocker Block(lbOperators);
        lbOperators->clear();
        for (int I = 0; I < FWorkingOperators->Count(); ++I)
            lbOperators->addItem(Q(FWorkingOperators->Items(I)->Name()));
    }
    FEditIndex = -1;
    FModified = false;
    if (lbOperators->count() > 0) {
        const QSignalBlocker Block(lbOperators);
        lbOperators->setCurrentRow(0);
    }
    HandleOperatorsClick();
}

void TKROperatorsEditor::StoreFields()
{
    if (FEditIndex < 0 || FEditIndex >= FWorkingOperators->Count())
        return;
    TKROperator *Operator = FWorkingOperators->Items(FEditIndex);
    Operator->SetName(S(edName->text()));
    Operator->SetCaption(S(edCaption->text()));
    Operator->SetRelate(S(edRelate->text()));
    Operator->SetPrefix(S(edPrefix->text()));
    Operator->SetPostfix(S(edPostfix->text()));
    // The field counts the left operand as well; a text that is no number stores one operand.
    int Count = 0;
    Operator->SetCount(TryStrToInt(Trim(S(edCount->text())), Count) ? Count - 1 : 1);
}

void TKROperatorsEditor::UpdateButtons()
{
    buDelete->setEnabled(!FRestrictions.Contains(erDelete) && FEditIndex != -1);
    gbFeatures->setVisible(FEditIndex != -1);
}

void TKROperatorsEditor::HandleOperatorsClick()
{
    if (FModified)
        StoreFields();
    FEditIndex = lbOperators->currentRow();
    FModified = false;
    UpdateButtons();
    if (FEditIndex == -1)
        return;
    const TKROperator *Operator = FWorkingOperators->Items(FEditIndex);
    // Loading is not typing: the edits do not have the focus, and nothing is marked modified.
    const QSignalBlocker BlockCount(edCount);
    edCount->setText(QString::number(Operator->Count() + 1));
    for (const auto &[Edit, Text] : { std::pair{ edName, &Operator->Name() },
                 { edCaption, &Operator->Caption() }, { edPrefix, &Operator->Prefix() },
                 { edRelate, &Operator->Relate() }, { edPostfix, &Operator->Postfix() } }) {
        const QSignalBlocker Block(Edit);
        Edit->setText(Q(*Text));
    }
    ChangeData(nullptr);
}

void TKROperatorsEditor::ChangeData(QLineEdit *Sender)
{
    if (Sender && Sender->hasFocus())
        FModified = true;
    if (Sender == edName && FEditIndex >= 0 && FEditIndex < lbOperators->count())
        lbOperators->item(FEditIndex)->setText(edName->text());
    std::string Preview = SPreviewLeftOperand + S(edName->text()) + S(edPrefix->text());
    int Count = 0;
    if (!TryStrToInt(Trim(S(edCount->text())), Count)) {
        Count = 2;
        const QSignalBlocker Block(edCount);
        edCount->setText(QStringLiteral("2"));
    }
    const int Last = Count - 2;
    for (int I = 0; I <= Last; ++I) {
        Preview += SPreviewOperand;
        if (I < Last)
            Preview += S(edRelate->text());
    }
    Preview += S(edPostfix->text());
    laPreview->setText(Q(Preview));
}

void TKROperatorsEditor::HandleAddClick()
{
    TKROperator *Operator = FWorkingOperators->Add();
    Operator->SetCount(1);
    lbOperators->addItem(QString());
    // The row change shows the new operator (and commits the one being left).
    lbOperators->setCurrentRow(lbOperators->count() - 1);
}

void TKROperatorsEditor::HandleDeleteClick()
{
    if (FEditIndex == -1)
        return;
    const int Deleted = FEditIndex;
    // What was typed belongs to the operator that goes: the next one shown keeps its own values.
    FModified = false;
    FEditIndex = -1;
    FWorkingOperators->Delete(Deleted);
    {
        const QSignalBlocker Block(lbOperators);
        delete lbOperators->takeItem(Deleted);
    }
    HandleOperatorsClick();
}

void TKROperatorsEditor::HandleOKClick()
{
    // With no operator shown there is nothing to store: an emptied table is confirmed as it is.
    StoreFields();
    accept();
}

void TKROperatorsEditor::SetRestrictions(TKREditRestrictions Value)
{
    FRestrictions = Value;
    buAdd->setEnabled(!Value.Contains(erAdd));
    edName->setEnabled(!Value.Contains(erName) && !Value.Contains(erAdd));
    for (QLineEdit *Edit : { edCount, edPrefix, edRelate, edPostfix })
        Edit->setEnabled(!Value.Contains(erArgument));
    UpdateButtons();
}

} // namespace korvan
