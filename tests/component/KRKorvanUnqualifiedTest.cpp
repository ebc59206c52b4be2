// Columns read without their table while SetSQL lays a statement out: the one window that has the
// column takes it, the others stay as read, and every column keeps its place in the select list.
#include "component/KRKorvan.h"
#include "framework/KRDataSet.h"
#include "parser/KRSelectParser.h"

#include <map>
#include <string>
#include <vector>

#include <QtTest>
#include <QtWidgets>

using namespace korvan;

namespace {

//! The application's tables: each name with its columns.
class TTables
{
public:
    explicit TTables(const std::map<std::string, std::vector<std::string>> &Columns)
    {
        for (const auto &[Name, Fields] : Columns)
            for (const std::string &Field : Fields)
                FSets[Name].AddField(Field, ftInteger);
    }

    void Give(const std::string &Name, TDataSet *&DataSet, TParams *&)
    {
        const auto Found = FSets.find(Name);
        if (Found != FSets.end())
            DataSet = &Found->second;
    }

private:
    std::map<std::string, TDataSet> FSets;
};

} // namespace

class TKRKorvanUnqualifiedTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ColumnGoesToTheOneWindowThatHasItAndKeepsItsPlace_data()
    {
        QTest::addColumn<QString>("Statement");
        QTest::addColumn<QString>("Expected");
        // b and x are columns of the second and third table: moved there, while d, which no
        // window has, and the columns after them keep their places.
        QTest::newRow("second table") << "SELECT b, d FROM t, u"
                                      << "SELECT \n  u.b,\n  d\nFROM\n  t,\n  u\n";
        QTest::newRow("among others") << "SELECT d, b, t.a, x, y FROM t, u, v ORDER BY d"
                                      << "SELECT \n  d,\n  u.b,\n  t.a,\n  v.x,\n  y\nFROM\n  t,\n  u,\n  v\n"
                                         "ORDER BY\n  d\n";
        QTest::newRow("first table") << "SELECT a, b FROM t, u"
                                     << "SELECT \n  t.a,\n  u.b\nFROM\n  t,\n  u\n";
        // Two windows have c: nothing tells which table it is of.
        QTest::newRow("two windows") << "SELECT c, b FROM t, u"
                                     << "SELECT \n  c,\n  u.b\nFROM\n  t,\n  u\n";
    }

    void ColumnGoesToTheOneWindowThatHasItAndKeepsItsPlace()
    {
        QFETCH(QString, Statement);
        QFETCH(QString, Expected);
        TTables Tables({ { "t", { "a", "c" } }, { "u", { "b", "c" } }, { "v", { "x" } } });
        TSQLKorvan Korvan;
        Korvan.SetQuoteIdentifiers(false);
        Korvan.SetOnGetTableFields([&Tables](const std::string &Name, TDataSet *&DataSet, TParams *&Params) {
            Tables.Give(Name, DataSet, Params);
        });
        Korvan.SetSQL(Statement.toStdString());
        QCOMPARE(
                QString::fromStdString(Korvan.GetSQL()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                Expected);
        // Gapless and each number once, as the model keeps it.
        const std::vector<TKRFieldDef *> List = Korvan.Parser()->TableDefs()->SelectList();
        QCOMPARE(static_cast<int>(List.size()), Korvan.Parser()->TableDefs()->GetFieldCount());
    }
};

QTEST_MAIN(TKRKorvanUnqualifiedTest)
#include "KRKorvanUnqualifiedTest.moc"
