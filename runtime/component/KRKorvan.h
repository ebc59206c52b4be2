// The query builder control an application puts on a form: the diagram above a splitter, the pages
// of the clause editors below, and the parser whose model they all show. SetSQL lays a statement out
// in every view; the views' events keep the model in step with what the user draws; GetSQL writes
// the edited statement.
#pragma once

#include "component/KROptions.h"
#include "component/KRStyles.h"
#include "diagram/KRWorkArea.h"
#include "editors/KRCriterionPanel.h"
#include "parser/KRParserError.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QFlags>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

class QSplitter;
class QTabWidget;

namespace korvan {

class TDataSet;
class TKRLink;
class TKRListItem;
class TKROperators;
class TKROrderPanel;
class TKRScriptFormat;
class TKRSelectPanel;
class TKRSelectParser;
class TKRTable;
class TKRTableDef;
class TKRFieldDef;
class TKRTableList;
class TParams;
class TStrings;

//! The application gives the fields of the table NameOfTable (and a stored procedure's parameters):
//! both pointers start as nullptr and stay the application's. No data set: no window.
using TGetTableFieldsEvent =
        std::function<void(const std::string &NameOfTable, TDataSet *&ADataSet, TParams *&AParams)>;
using TAddRemoveTableEvent =
        std::function<void(QObject *Sender, TKRTable *Table, TKRAction Action, bool &Accept)>;
using TAddRemoveLinkEvent =
        std::function<void(QObject *Sender, TKRLink *Link, TKRAction Action, bool &Accept)>;
using TEnterProcParameter = std::function<void(QObject *Sender, TKRTable *SProcedure, TKRListItem *ListItem)>;

class TCustomKorvan : public QWidget,
                      public TKRWorkAreaOwner,
                      public TKRCriterionPanelOwner,
                      public TKRStyleOwner
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout STORED false)
    Q_PROPERTY(QStringList Aggregates READ Aggregates WRITE SetAggregates RESET ResetAggregates)
    Q_PROPERTY(QStringList Functions READ Functions WRITE SetFunctions RESET ResetFunctions)
    Q_PROPERTY(QStringList Keywords READ Keywords WRITE SetKeywords RESET ResetKeywords)
    Q_PROPERTY(QString Operators READ OperatorsText WRITE SetOperatorsText RESET ResetOperators)
    Q_PROPERTY(TKROptionFlags Options READ OptionFlags WRITE SetOptionFlags RESET ResetOptions)
    Q_PROPERTY(int TabHeight READ TabHeight WRITE SetTabHeight RESET ResetTabHeight)
    Q_PROPERTY(TKRVisibleTabs VisibleTabs READ VisibleTabs WRITE SetVisibleTabs RESET ResetVisibleTabs)
    Q_PROPERTY(QString _Version READ Version WRITE SetVersion STORED false)
    // Qt 6 takes no function for STORED: a form writer asks the Is...Stored functions below.

public:
    //! The pages below the diagram, page 0 to 3 in this order.
    enum TKRVisibleTab {
        krtCriterions = 1,
        krtSelection = 2,
        krtGroupCriterions = 4,
        krtSorting = 8,
    };
    Q_DECLARE_FLAGS(TKRVisibleTabs, TKRVisibleTab)
    Q_FLAG(TKRVisibleTabs)
    //! The options as a form designer stores them; each flag is 1 shifted by the option's number.
    enum TKROptionFlag {
        kroRowSelect = 1 << korvan::kroRowSelect,
        kroDragFieldName = 1 << korvan::kroDragFieldName,
        kroHideSelection = 1 << korvan::kroHideSelection,
        kroShowFieldTypes = 1 << korvan::kroShowFieldTypes,
    };
    Q_DECLARE_FLAGS(TKROptionFlags, TKROptionFlag)
    Q_FLAG(TKROptionFlags)

    static constexpr int DefaultTabHeight = 170;
    static constexpr int SplitterHeight = 5;
    static constexpr TKRVisibleTabs AllTabs{ krtCriterions | krtSelection | krtGroupCriterions | krtSorting };

    ~TCustomKorvan() override;
    TCustomKorvan(const TCustomKorvan &) = delete;
    TCustomKorvan &operator=(const TCustomKorvan &) = delete;

    //! A new parser of the kind this component reads with.
    virtual std::unique_ptr<TKRSelectParser> CreateParser() const;
    //! The edited statement; empty when there is none.
    virtual std::string GetSQL() const;
    //! Reads Text and lays it out in the diagram and every editor. A statement that does not parse
    //! changes nothing: the error goes to OnParserError, or is raised as EKRParserError.
    virtual void SetSQL(const std::string &Text);
    //! Bracket a replacement of the operator table made while the editors show conditions.
    virtual void BeginReload();
    virtual void EndReload();
    //! Empties the model and every view.
    void Clear();
    //! alias.field of every row of every window that is not closing; nothing for nullptr.
    void GetAvailableFields(TStrings *Strings) const;
    //! Shows the model again on the active page.
    void RefreshActivePage();
    //! Whether the control is on a form being designed: only the pages and the splitter exist.
    bool Designing() const { return FDesigning; }

    // The parts.
    TKRSelectParser *Parser() const { return FParser.get(); }
    //! nullptr while designing, as the views below.
    TKRWorkArea *WorkArea() const { return FWorkArea; }
    TKRTableList *TableList() const { return FTableList.get(); }
    QTabWidget *PageCtrl() const { return FPageCtrl; }
    QSplitter *Splitter() const { return FSplitter; }
    TKRWherePanel *WherePanel() const { return FWherePanel; }
    TKRSelectPanel *SelectPanel() const { return FSelectPanel; }
    TKRHavingPanel *HavingPanel() const { return FHavingPanel; }
    TKROrderPanel *OrderPanel() const { return FOrderPanel; }
    //! TABLEBMP and FIELDBMP, 16 × 16, transparent where their bottom-left pixel's colour is.
    const std::vector<QPixmap> &Images() const { return FImages; }
    //! Makes page Index (0 to 3) the active one, as a click on its tab does: the editors may refuse
    //! the change. False when it did not happen.
    bool SetActivePage(int Index);
    int ActivePage() const;

    // Properties.
    QString About() const { return {}; }
    void SetAbout(const QString &) {}
    QString Version() const;
    void SetVersion(const QString &) {}
    QStringList Aggregates() const;
    void SetAggregates(const QStringList &Value);
    void ResetAggregates();
    bool IsAggregatesStored() const;
    QStringList Functions() const;
    void SetFunctions(const QStringList &Value);
    void ResetFunctions();
    bool IsFunctionsStored() const;
    QStringList Keywords() const;
    void SetKeywords(const QStringList &Value);
    void ResetKeywords();
    bool IsKeywordsStored() const;
    //! The parser's operator table. Replacing it keeps the conditions on the pages.
    TKROperators *Operators() const;
    void SetOperators(const TKROperators *Value);
    //! The operator table as a form stores it (one operator a line, see OperatorsText). A text that
    //! does not read is shown as an error and leaves the table as it was.
    QString OperatorsText() const;
    void SetOperatorsText(const QString &Value);
    //! The dialect's own operators.
    void ResetOperators();
    TKROptions Options() const override { return FOptions; }
    void SetOptions(TKROptions Value);
    TKROptionFlags OptionFlags() const;
    void SetOptionFlags(TKROptionFlags Value);
    void ResetOptions() { SetOptions(TKROptions{ korvan::kroRowSelect }); }
    bool IsOptionsStored() const { return FOptions != TKROptions{ korvan::kroRowSelect }; }
    const TKRPalette &Palette() const override { return *FPalette; }
    TKRPalette *GetPalette() const { return FPalette.get(); }
    void SetPalette(const TKRPalette *Value);
    const TKRStyle &Style() const override { return *FStyle; }
    TKRStyle *GetStyle() const { return FStyle.get(); }
    void SetStyle(const TKRStyle *Value);
    bool QuoteIdentifiers() const;
    void SetQuoteIdentifiers(bool Value);
    void ResetQuoteIdentifiers() { SetQuoteIdentifiers(true); }
    bool IsQuoteIdentifiersStored() const { return !QuoteIdentifiers(); }
    TKRScriptFormat *ScriptFormat() const;
    void SetScriptFormat(const TKRScriptFormat *Value);
    int TabHeight() const;
    //! Takes values above 170 only.
    void SetTabHeight(int Value);
    void ResetTabHeight();
    bool IsTabHeightStored() const { return TabHeight() != DefaultTabHeight; }
    TKRVisibleTabs VisibleTabs() const { return FVisibleTabs; }
    void SetVisibleTabs(TKRVisibleTabs Value);
    void ResetVisibleTabs() { SetVisibleTabs(AllTabs); }
    bool IsVisibleTabsStored() const { return FVisibleTabs != AllTabs; }

    // The application's events.
    void SetOnGetTableFields(TGetTableFieldsEvent Value) { FOnGetTableFields = std::move(Value); }
    void SetOnAddRemoveTable(TAddRemoveTableEvent Value) { FOnAddRemoveTable = std::move(Value); }
    void SetOnAddRemoveLink(TAddRemoveLinkEvent Value) { FOnAddRemoveLink = std::move(Value); }
    void SetOnEnterProcParameter(TEnterProcParameter Value) { FOnEnterProcParameter = std::move(Value); }
    //! Kept in the parser; its Sender is the parser.
    void SetOnParserError(TKRParserErrorEvent Value);
    //! A drag from elsewhere over the diagram, a drop on it, and the end of a field drag that
    //! started in it; positions in this control's coordinates. Nothing while designing.
    void SetOnDragOver(TKRWorkArea::TDragOverEvent Value);
    void SetOnDragDrop(TKRWorkArea::TDragDropEvent Value);
    void SetOnEndDrag(TKRWorkArea::TEndDragEvent Value);
    //! A field drag starts in the diagram.
    void SetOnStartDrag(std::function<void()> Value);

    // What the views ask of the component.
    bool DoAddRemoveTable(TKRTable *Table, TKRAction Action) override;
    bool DoAddRemoveLink(TKRLink *Link, TKRAction Action) override;
    TKRTableDefs *TableDefs() const override;
    bool HasViews() const override { return !FDesigning; }
    void InvalidateCriteriaPanels() override;
    void InvalidateWorkArea() override;

    // The views' handlers.
    //! Before the page changes: the editors close their field picker, and may refuse the change.
    void HandleHideFieldList(bool &AllowChange);
    void HandlePagesChange();
    void HandleSelectField(
            const std::string &FieldValue, const std::string &AggregateValue, const std::string &AliasValue);
    void HandleUnselectField(
            const std::string &FieldValue, const std::string &AggregateValue, const std::string &AliasValue);
    void HandleDeleteField(const std::string &FieldValue, const std::string &AliasValue);
    void HandleChangeFieldAlias(
            const std::string &FieldName, const std::string &Alias, std::string &NewAlias);
    void HandleGetOrderFields(QObject *Sender, TStrings &Fields) const;
    void HandleCheckField(TKRTable *Table, TKRListItem *Item);
    void HandleAddRemoveField(TKRTable *Table, TKRListItem *Item);
    void HandleAddTable(QObject *Sender, TKRFloatObject *Table);
    void HandleRemoveTable(QObject *Sender, TKRFloatObject *Table);
    void HandleChangeAlias(TKRTable *Table, const std::string &OldAlias);
    void HandleEnterParameter(TKRTable *Table, TKRListItem *Item);

    //! Compares the statement with the one last announced and emits SQLChanged when it differs.
    //! The control calls it itself after every user action; applications need not.
    void CheckSQLChanged();

Q_SIGNALS:
    //! The statement changed: set, cleared or edited in any view. Fired once per change.
    void SQLChanged();

protected:
    //! Parser becomes the component's; Designing makes the control a form designer's stand-in
    //! without views.
    TCustomKorvan(QWidget *Parent, std::unique_ptr<TKRSelectParser> Parser, bool Designing);

    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void customEvent(QEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;

private:
    //! While SetSQL lays out a statement: the handlers leave the model alone and refreshes wait.
    struct TLoading
    {
        explicit TLoading(TCustomKorvan &Owner)
            : Korvan(Owner)
        {
            ++Korvan.FLoading;
        }
        ~TLoading() { --Korvan.FLoading; }
        TLoading(const TLoading &) = delete;
        TLoading &operator=(const TLoading &) = delete;
        TCustomKorvan &Korvan;
    };

    void CreatePages();
    void CreateViews();
    //! Closes the editors' in-place controls without storing what they hold.
    void CancelEdits();
    //! A window for every table definition the application gives fields for; false when the
    //! application replaced the statement meanwhile (Reload is the statement being laid out).
    bool LayOutTables(std::uint64_t Reload);
    //! The window and row that a grid's source text (alias.field) names; nullptr when none.
    struct TGridSource
    {
        std::string Table;
        std::string Field;
        TKRTable *Window = nullptr;
        TKRListItem *Row = nullptr;
    };
    TGridSource GridSource(const std::string &FieldValue) const;
    //! Places the windows of the statement just read in rows, in FROM order.
    void ArrangeLoadedWindows();
    //! Checks the rows of Def's columns; a column without a row leaves the statement.
    void LayOutFields(TKRTableDef &Def, TKRTable &Window);
    //! Columns read without their table go to the one window that has them, if there is one.
    void LayOutUnqualifiedFields();
    void CheckLoadedRow(TKRListItem &Row);
    //! Field, moved to Owner at the same place of the SELECT list; returns the moved field.
    TKRFieldDef *MoveField(TKRFieldDef &Field, TKRTableDef &Owner);
    //! A link for every join definition between two windows; false as LayOutTables.
    bool LayOutLinks(std::uint64_t Reload);
    //! Clears every view; the model is left alone.
    void ClearViews();
    //! Refreshes every page at once (after loading).
    void RefreshAllPages();
    //! The select grid offers alias.field of every row of every window.
    void RefreshSelectGridFields();
    void ApplyTabHeight();
    //! Announces the statement as changed, whatever it was before (SetSQL, Clear).
    void Announce();
    //! The window shown for Def (by its alias, or by its name when it has none).
    TKRTable *WindowOf(const TKRTableDef *Def) const;
    //! Asks for the change check once the events queued now have run.
    void NoteChange();
    //! Whether a page change may happen now.
    bool AllowPageChange();
    //! The tab of page Index is shown.
    bool IsTabVisible(int Index) const;

    // Counts the statements replaced (Clear, SetSQL): an application's event that replaced it leaves
    // the caller's objects stale.
    std::uint64_t FReloads = 0;
    //! SetSQL is laying out the model: the handlers leave the model alone.
    int FLoading = 0;
    bool FRefreshPending = false;
    bool FCheckPosted = false;
    bool FChangingTabs = false;
    bool FReloadingOperators = false;
    int FTabHeight = DefaultTabHeight;
    std::string FAnnouncedSQL;

    const bool FDesigning;
    std::unique_ptr<TKRSelectParser> FParser;
    std::unique_ptr<TKRPalette> FPalette;
    std::unique_ptr<TKRStyle> FStyle;
    TKROptions FOptions{ korvan::kroRowSelect };
    TKRVisibleTabs FVisibleTabs;
    std::vector<QPixmap> FImages;
    QSplitter *FSplitter = nullptr;
    QWidget *FDiagramSpace = nullptr;
    QTabWidget *FPageCtrl = nullptr;
    TKRWorkArea *FWorkArea = nullptr;
    std::unique_ptr<TKRTableList> FTableList;
    TKRWherePanel *FWherePanel = nullptr;
    TKRSelectPanel *FSelectPanel = nullptr;
    TKRHavingPanel *FHavingPanel = nullptr;
    TKROrderPanel *FOrderPanel = nullptr;
    //! The window made for each table definition by the last SetSQL, by definition.
    std::vector<std::pair<const TKRTableDef *, std::uint64_t>> FLoadedWindows;

    TGetTableFieldsEvent FOnGetTableFields;
    TAddRemoveTableEvent FOnAddRemoveTable;
    TAddRemoveLinkEvent FOnAddRemoveLink;
    TEnterProcParameter FOnEnterProcParameter;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TCustomKorvan::TKRVisibleTabs)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCustomKorvan::TKROptionFlags)

//! The generic-SQL query builder.
class TSQLKorvan : public TCustomKorvan
{
    Q_OBJECT
    Q_PROPERTY(
            bool QuoteIdentifiers READ QuoteIdentifiers WRITE SetQuoteIdentifiers RESET ResetQuoteIdentifiers)

public:
    explicit TSQLKorvan(QWidget *Parent = nullptr, bool Designing = false);
};

} // namespace korvan
