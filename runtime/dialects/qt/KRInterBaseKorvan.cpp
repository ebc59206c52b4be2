#include "dialects/qt/KRInterBaseKorvan.h"

namespace korvan {

TInterBaseKorvan::TInterBaseKorvan(QWidget *Parent, bool Designing)
    : TCustomKorvan(Parent, Construct<TKRIBSelectParser>(), Designing)
{}

std::unique_ptr<TKRSelectParser> TInterBaseKorvan::CreateParser() const
{
    return Construct<TKRIBSelectParser>();
}

TKRIBSelectParser *TInterBaseKorvan::IBParser() const
{
    return static_cast<TKRIBSelectParser *>(Parser());
}

TInterBaseKorvan::TKRSQLDialect TInterBaseKorvan::SQLDialect() const
{
    const auto *Scanner = dynamic_cast<const TKRIBScanner *>(Parser()->Scanner());
    if (!Scanner)
        return qibDialect1;
    return Scanner->Dialect() == korvan::qibDialect3 ? qibDialect3 : qibDialect1;
}

void TInterBaseKorvan::SetSQLDialect(TKRSQLDialect Value)
{
    auto *Scanner = dynamic_cast<TKRIBScanner *>(Parser()->Scanner());
    if (!Scanner || SQLDialect() == Value)
        return;
    Scanner->SetDialect(static_cast<korvan::TKRSQLDialect>(Value));
    CheckSQLChanged();
}

TInterBaseKorvan::TKRIBSQLServer TInterBaseKorvan::SQLServer() const
{
    return IBParser()->SQLServer() == korvan::qssFireBird ? qssFireBird : qssInterBase;
}

void TInterBaseKorvan::SetSQLServer(TKRIBSQLServer Value)
{
    if (SQLServer() == Value)
        return;
    IBParser()->SetSQLServer(static_cast<korvan::TKRIBSQLServer>(Value));
    CheckSQLChanged();
}

} // namespace korvan
