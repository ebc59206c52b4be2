// The work area's helpers laid over the diagram: the hint window and its timers, the alias editor,
// the find-field box and the scroll bar of the selected window's list.
#include "component/KRStyles.h"
#include "diagram/KREdit.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRException.h"
#include "framework/qt/KRGuarded.h"
#include "resources/KRResource.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace korvan {

namespace {

constexpr int HintWidth = 200;
const QPoint HintOffset(10, 20);

QColor ToQColor(TColor Color, const QWidget &Widget)
{
    return KRColorToQColor(Color, Widget.palette());
}

} // namespace

void TKRWorkArea::CreateTools()
{
    FAliasEdit = new TKREdit(viewport(), false);
    FAliasEdit->SetOnKeyDown([this](TKREdit *, int &Key, TKRShiftState) {
        if (Key == VK_RETURN) {
            Key = 0;
            KRGuarded(this, [this] { CommitAlias(); });
        } else if (Key == VK_ESCAPE) {
            Key = 0;
            CancelAlias();
        }
    });
    FAliasEdit->SetOnExit([this] { KRGuarded(this, [this] { CommitAlias(); }); });

    FFindEdit = new TKREdit(viewport(), true);
    FFindEdit->setFixedHeight(15);
    FFindEdit->setTextMargins(0, 0, 0, 0);
    QObject::connect(FFindEdit, &QLineEdit::textChanged, FFindEdit, [this] { HandleFindChange(); });
    FFindEdit->SetOnExit([this] {
        FFindEdit->hide();
        setFocus(Qt::OtherFocusReason);
    });

    FListScrollBar = new QScrollBar(Qt::Vertical, viewport());
    FListScrollBar->setFocusPolicy(Qt::NoFocus);
    FListScrollBar->hide();
    QObject::connect(FListScrollBar, &QScrollBar::valueChanged, FListScrollBar,
            [this](int Position) { KRGuarded(this, [&] { HandleListScroll(Position); }); });

    FHintWindow = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
    FHintWindow->setFrameStyle(QFrame::Box | QFrame::Plain);
    FHintWindow->setMargin(2);
    FHintWindow->setWordWrap(true);
    FHintWindow->setAutoFillBackground(true);
    FHintWindow->hide();

    FTimers.SetOnTimer([this](int Number) { KRGuarded(this, [&] { HandleTimer(Number); }); });
}

// ---------------------------------------------------------------------------------------------
// Hints

void TKRWorkArea::HideHint()
{
    FTimers.Stop(TimerShowHint);
    FTimers.Stop(TimerHideHint);
    FHintWindow->hide();
}

void TKRWorkArea::HandleTimer(int Number)
{
    switch (Number) {
    case TimerShowHint: {
        FTimers.Stop(TimerShowHint);
        if (FLastMouse != FTimerPoint || !FHotObject)
            return;
        const std::string Hint = FHotObject->GetHint();
        if (Hint.empty())
            return;
        QPalette Colors = FHintWindow->palette();
        Colors.setColor(QPalette::Window, ToQColor(clInfoBk, *this));
        Colors.setColor(QPalette::WindowText, ToQColor(clInfoText, *this));
        FHintWindow->setPalette(Colors);
        FHintWindow->setFont(FFont);
        FHintWindow->setText(QString::fromStdString(Hint));
        // As wide as the text needs, up to the hint width; wrapped beyond it.
        const QFontMetrics Metrics(FFont);
        const int Frame = 2 * (FHintWindow->margin() + FHintWindow->frameWidth());
        const int TextWidth = Metrics.horizontalAdvance(FHintWindow->text());
        FHintWindow->setFixedWidth(std::min(TextWidth + Frame + 2, HintWidth));
        FHintWindow->setFixedHeight(FHintWindow->heightForWidth(FHintWindow->width()));
        FHintWindow->move(viewport()->mapToGlobal(FLastMouse) + HintOffset);
        FHintWindow->show();
        FTimers.Start(TimerHideHint, 2000);
        return;
    }
    case TimerHideHint:
        FTimers.Stop(TimerHideHint);
        FHintWindow->hide();
        return;
    case TimerScrollUp:
    case TimerScrollDown: {
        const QPoint Mouse = viewport()->mapFromGlobal(KRDragController().MousePos()) + ScrollPos();
        if (!FDropTable || Mouse != FTimerPoint || !KRDragController().Dragging()) {
            FTimers.Stop(Number);
            return;
        }
        const int Step = Number == TimerScrollUp ? -1 : 1;
        FDropTable->SetFirstVisibleItem(FDropTable->FirstVisibleItem() + Step);
        ResizeControl(FDropTable);
        return;
    }
    default:
        FTimers.Stop(Number);
    }
}

// ---------------------------------------------------------------------------------------------
// The alias editor

void TKRWorkArea::CommitAlias()
{
    if (FAliasEdit->isHidden())
        return;
    FAliasEdit->hide();
    setFocus(Qt::OtherFocusReason);
    auto *Window = dynamic_cast<TKRTable *>(FSelectedObject);
    if (!Window)
        return;
    const std::string Old = Window->GetAlias();
    std::string New = FAliasEdit->text().toStdString();
    std::erase(New, '.');
    if (New == Window->TableName())
        New.clear();
    const std::string Effective = New.empty() ? Window->TableName() : New;
    for (const auto &Other : FTableWindows)
        if (Other.get() != Window && Other->GetAlias() == Effective)
            throw Exception(std::string(STableWithAlias) + " " + Effective + " " + SAlreadyExist);
    if (New == Window->Alias())
        return;
    Window->SetAlias(New);
    if (FOnChangeAlias)
        FOnChangeAlias(Window, Old);
}

void TKRWorkArea::CancelAlias()
{
    FAliasEdit->hide();
    setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// The find-field box and the list scroll bar

void TKRWorkArea::HandleFindChange()
{
    const QString Text = FFindEdit->text();
    if (Text.isEmpty()) {
        FFindEdit->hide();
        setFocus(Qt::OtherFocusReason);
        return;
    }
    FFindEdit->setFixedWidth(QFontMetrics(FFindEdit->font()).horizontalAdvance(Text) + 20);
}

void TKRWorkArea::PlaceListScrollBar()
{
    auto *Window = dynamic_cast<TKRTable *>(FSelectedObject);
    if (Window && Window->UpdateScrollBar())
        FListScrollBar->show();
    else
        FListScrollBar->hide();
}

void TKRWorkArea::HandleListScroll(int Position)
{
    auto *Window = dynamic_cast<TKRTable *>(FSelectedObject);
    if (!Window)
        return;
    Window->SetFirstVisibleItem(Position);
    ResizeControl(Window);
}

} // namespace korvan
