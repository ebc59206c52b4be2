// The Selection page: the DISTINCT check box above the output-field grid.
#pragma once

#include <QWidget>

class QCheckBox;

namespace korvan {

class TKRSelectGrid;
class TKRSelectParser;

class TKRSelectPanel : public QWidget
{
public:
    //! Parent becomes the panel's parent, which it fills; raises "Invalid parent for OrderPanel"
    //! without one.
    explicit TKRSelectPanel(QWidget *Parent);
    ~TKRSelectPanel() override;
    TKRSelectPanel(const TKRSelectPanel &) = delete;
    TKRSelectPanel &operator=(const TKRSelectPanel &) = delete;

    //! Owned (a child of the panel).
    TKRSelectGrid *Grid() const { return FGrid; }
    QCheckBox *CheckBox() const { return FCheckBox; }
    //! The query the page shows; not owned. Setting one offers its aggregate names in the grid.
    TKRSelectParser *Parser() const { return FParser; }
    void SetParser(TKRSelectParser *Value);
    //! The check box; setting it never writes the model.
    bool Distinct() const;
    void SetDistinct(bool Value);

    //! The grid's header and one blank row.
    void Clear();
    //! Shows the model again: a row per entry of the SELECT list in its order, and DISTINCT.
    void RefreshFields();
    //! The user clicked the check box: the query's DISTINCT follows it.
    void HandleDistinctClick();

protected:
    //! Follows the size of the parent, which it fills.
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    QCheckBox *FCheckBox = nullptr;
    TKRSelectGrid *FGrid = nullptr;
    TKRSelectParser *FParser = nullptr;
};

} // namespace korvan
