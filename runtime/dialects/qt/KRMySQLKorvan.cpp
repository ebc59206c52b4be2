#include "dialects/qt/KRMySQLKorvan.h"

namespace korvan {

TMySQLKorvan::TMySQLKorvan(QWidget *Parent, bool Designing)
    : TCustomKorvan(Parent, Construct<TKRMySelectParser>(), Designing)
{}

std::unique_ptr<TKRSelectParser> TMySQLKorvan::CreateParser() const
{
    return Construct<TKRMySelectParser>();
}

TKRMySelectParser *TMySQLKorvan::MySQLParser() const
{
    return static_cast<TKRMySelectParser *>(Parser());
}

} // namespace korvan
