// Panels that edit the row-limiting options of an InterBase/Firebird parser: Firebird's FIRST and
// SKIP, InterBase's ROWS clause. The component does not create them; an application places one
// where it likes and attaches it to the component's parser.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace korvan {

class TKRIBSelectParser;

/*!
 * The common part of the option panels: the parser whose options they edit. Without a parser a
 * panel edits nothing. The parser is not owned: it must outlive the panel, or be detached first.
 * Every change a panel stores in the parser is written at once, so the parser's GetExpression
 * includes it; Changed follows each one.
 */
class TKROptionsPanel : public QWidget
{
    Q_OBJECT

public:
    TKRIBSelectParser *Parser() const { return FParser; }
    //! Attaches the panel to Value (nullptr detaches it) and shows Value's options.
    void SetParser(TKRIBSelectParser *Value);
    //! Shows the parser's current options without writing them back, as after a new statement was
    //! read (every parse replaces them). Nothing happens without a parser.
    void Refresh();

Q_SIGNALS:
    //! The panel stored a change in the parser's options.
    void Changed();

protected:
    explicit TKROptionsPanel(QWidget *Parent);

    //! Puts the values of Parser's options into the controls; the subclass keeps the controls'
    //! change signals blocked meanwhile.
    virtual void ShowOptions(const TKRIBSelectParser &Parser) = 0;
    //! Applies Change to the parser and announces it; nothing without a parser.
    template <class F>
    void Store(F Change)
    {
        if (FParser != nullptr) {
            Change(*FParser);
            Q_EMIT Changed();
        }
    }
    //! The count in Edit: 0 for anything that is not an integer.
    static int CountOf(const QLineEdit &Edit);
    //! The text Edit shows for Count: empty for 0, which writes nothing.
    static void ShowCount(QLineEdit &Edit, int Count);

private:
    TKRIBSelectParser *FParser = nullptr;
};

//! Firebird's FIRST and SKIP: the captions "First" and "Skip" at (8, 8) and (8, 32), each left of an
//! edit of its count at (30, 6) and (30, 30), or further right when the font's captions are wider.
class TKRFBOptionsPanel : public TKROptionsPanel
{
    Q_OBJECT

public:
    explicit TKRFBOptionsPanel(QWidget *Parent = nullptr);

    QLineEdit *FirstEdit() const { return FFirstEdit; }
    QLineEdit *SkipEdit() const { return FSkipEdit; }
    QSize sizeHint() const override;

protected:
    void ShowOptions(const TKRIBSelectParser &Parser) override;
    void changeEvent(QEvent *Event) override;

private:
    void PlaceControls();

    QLabel *FFirstLabel;
    QLineEdit *FFirstEdit;
    QLabel *FSkipLabel;
    QLineEdit *FSkipEdit;
};

//! InterBase's ROWS n TO m BY k PERCENT WITH TIES, laid out in the order the clause is written.
class TKRIBOptionsPanel : public TKROptionsPanel
{
    Q_OBJECT

public:
    explicit TKRIBOptionsPanel(QWidget *Parent = nullptr);

    QLineEdit *RowsFromEdit() const { return FRowsFromEdit; }
    QLineEdit *RowsToEdit() const { return FRowsToEdit; }
    QLineEdit *RowsByEdit() const { return FRowsByEdit; }
    QCheckBox *PercentBox() const { return FPercentBox; }
    QCheckBox *TiesBox() const { return FTiesBox; }

protected:
    void ShowOptions(const TKRIBSelectParser &Parser) override;

private:
    QLineEdit *FRowsFromEdit;
    QLineEdit *FRowsToEdit;
    QLineEdit *FRowsByEdit;
    QCheckBox *FPercentBox;
    QCheckBox *FTiesBox;
};

} // namespace korvan
