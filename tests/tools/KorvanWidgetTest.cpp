// korvan-widget as the programs that drive it see it: what it prints (korvan-sql's output, through
// the component), its pictures, its exit status and its messages.
#include "KRProgramRun.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace korvan::test;

//! Width and height from a PNG file's header; {0, 0} for anything that is no PNG.
std::pair<std::uint32_t, std::uint32_t> PngSize(const std::string &Png)
{
    if (Png.size() < 24 || Png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || Png.compare(12, 4, "IHDR") != 0)
        return { 0, 0 };
    const auto BigEndian = [&](std::size_t At) {
        std::uint32_t Value = 0;
        for (std::size_t I = At; I < At + 4; ++I)
            Value = (Value << 8) | static_cast<unsigned char>(Png[I]);
        return Value;
    };
    return { BigEndian(16), BigEndian(20) };
}

class KorvanWidget : public TScratchTest
{
protected:
    TRun Run(const std::vector<std::string> &Args, const std::string &Input = "")
    {
        return Spawn(KORVAN_WIDGET, Args, Input);
    }

    TRun RunSql(const std::vector<std::string> &Args, const std::string &Input = "")
    {
        return Spawn(KORVAN_SQL, Args, Input);
    }

    //! The picture of Input drawn with Args, or empty when the tool failed.
    std::string Picture(std::vector<std::string> Args, const std::string &Input)
    {
        const fs::path Png = Scratch / "picture.png";
        fs::remove(Png);
        Args.insert(Args.begin(), { "--render", Png.string() });
        const TRun Result = Run(Args, Input);
        EXPECT_EQ(Result.Status, 0) << Result.Err;
        EXPECT_EQ(Result.Err, "");
        return ReadFile(Png);
    }
};

// One component reads every statement of a script: nothing of one may show in the next.
TEST_F(KorvanWidget, PrintsWhatKorvanSqlPrintsForEveryDialectAndOption)
{
    const std::string Script =
            "SELECT x.a, upper(x.b) AS u, c FROM t x JOIN s y ON x.id = y.tid\n"
            "WHERE x.d > 1 AND EXISTS (SELECT 1 FROM v WHERE v.k = y.k) ORDER BY x.a DESC;\n"
            "SELECT a, SUM(b) FROM t GROUP BY a HAVING SUM(b) > 2;\n"
            "SELECT p.x FROM proc(a, 10, :n) p;\n"
            "select first 5 t.a from t rows 2;\n"
            "SELECT HIGH_PRIORITY `a` FROM t LIMIT 5";
    const std::vector<std::vector<std::string>> Options = {
        {},
        { "--no-quote", "--keywords", "lower", "--functions=upper" },
        { "--crlf" },
        { "--json" },
        { "--dialect", "interbase", "--sql-dialect", "1" },
        { "--dialect", "firebird", "--keywords", "first" },
        { "--dialect", "mysql", "--no-quote" },
    };
    for (const std::vector<std::string> &Args : Options) {
        SCOPED_TRACE(testing::PrintToString(Args));
        // Each statement alone, then all of them in one script (what the tools take they read in
        // the same way, whatever the dialect refuses).
        std::vector<std::string> Inputs = { Script };
        for (std::size_t Start = 0; Start < Script.size();) {
            const std::size_t End = std::min(Script.find(";\n", Start), Script.size());
            Inputs.push_back(Script.substr(Start, End - Start));
            Start = End + 2;
        }
        for (const std::string &Input : Inputs) {
            SCOPED_TRACE(Input);
            const TRun Expected = RunSql(Args, Input);
            const TRun Widget = Run(Args, Input);
            EXPECT_EQ(Widget.Status, Expected.Status);
            EXPECT_EQ(Widget.Out, Expected.Out);
            EXPECT_EQ(Widget.Err, Expected.Err);
        }
    }
}

TEST_F(KorvanWidget, ReadsAFileOrStandardInput)
{
    const std::string Statement = "SELECT a\nFROM t;\n;SELECT b FROM u\n";
    const std::string Expected = "SELECT \n  t.a\nFROM\n  t;\n\nSELECT \n  u.b\nFROM\n  u;\n\n";
    const fs::path Path = File("query.sql", "\xEF\xBB\xBF" + Statement);
    const std::vector<std::pair<std::vector<std::string>, std::string>> Cases = {
        { { "--no-quote", Path.string() }, "" },
        { { "--no-quote", "-" }, Statement },
        { { "--no-quote" }, Statement },
    };
    for (const auto &[Args, Input] : Cases) {
        SCOPED_TRACE(testing::PrintToString(Args));
        const TRun Result = Run(Args, Input);
        EXPECT_EQ(Result.Status, 0);
        EXPECT_EQ(Result.Out, Expected);
        EXPECT_EQ(Result.Err, "");
    }
    const TRun Empty = Run({}, " ;\n");
    EXPECT_EQ(Empty.Status, 0);
    EXPECT_EQ(Empty.Out, "");
}

// The component knows the columns the statement names for each table: a column read without its
// table goes to the one table named with it, and stays as read when none or both are (the core's
// own reading, which knows no columns, leaves them all as read).
TEST_F(KorvanWidget, AColumnWithoutItsTableGoesToTheOneTableNamedWithIt)
{
    const std::string Statement = "SELECT a, b, d, e FROM t JOIN u ON t.a = u.c WHERE u.b = 1 AND t.e = u.e";
    const std::string Rest =
            "FROM\n  t \n  INNER JOIN u ON (t.a = u.c)\nWHERE\n  (u.b = 1) AND \n  (t.e = u.e)\n";
    EXPECT_EQ(Run({ "--no-quote" }, Statement).Out, "SELECT \n  t.a,\n  u.b,\n  d,\n  e\n" + Rest);
    EXPECT_EQ(RunSql({ "--no-quote" }, Statement).Out, "SELECT \n  a,\n  b,\n  d,\n  e\n" + Rest);
}

TEST_F(KorvanWidget, SyntaxErrorIsReportedAsKorvanSqlReportsIt)
{
    const std::vector<std::string> Inputs = {
        "SELECT a) FROM t",
        "SELECT a FROM t;\nSELECT b,\n  c) FROM u",
        "SELECT a FROM t WHERE b = 'abc",
        "SELECT a FROM t UNION SELECT b FROM u",
    };
    for (const std::string &Input : Inputs) {
        SCOPED_TRACE(Input);
        const TRun Expected = RunSql({}, Input);
        const TRun Result = Run({ "--render", (Scratch / "never.png").string() }, Input);
        EXPECT_EQ(Expected.Status, 2);
        EXPECT_EQ(Result.Status, 2);
        EXPECT_EQ(Result.Out, "");
        EXPECT_EQ(Result.Err, Expected.Err);
        EXPECT_FALSE(fs::exists(Scratch / "never.png"));
    }
    EXPECT_EQ(Run({}, "SELECT a) FROM t").Err,
            "Invalid token ')' at position 9 of line 1.\nSELECT a) FROM t\n        ^\n");
}

struct TUsageCase
{
    std::vector<std::string> Args;
    std::string Problem;
};

TEST_F(KorvanWidget, BadUsageNamesTheProblemAndShowsTheUsage)
{
    const std::string Png = (Scratch / "a.png").string();
    const std::vector<TUsageCase> Cases = {
        { { "--page", "select" }, "--page applies to the picture only: give --render too" },
        { { "--size", "100x100" }, "--size applies to the picture only: give --render too" },
        { { "--render", Png, "--page", "from" },
                "bad value 'from' for --page (where, select, having or order)" },
        { { "--render", Png, "--page=" }, "bad value '' for --page (where, select, having or order)" },
        { { "--render", Png, "--size", "0x100" },
                "bad value '0x100' for --size (WxH, each side from 1 to 10000)" },
        { { "--render", Png, "--size", "100x10001" },
                "bad value '100x10001' for --size (WxH, each side from 1 to 10000)" },
        { { "--render", Png, "--size=1200" },
                "bad value '1200' for --size (WxH, each side from 1 to 10000)" },
        { { "--render", Png, "--size", "12x" },
                "bad value '12x' for --size (WxH, each side from 1 to 10000)" },
        { { "--render", Png, "--size", "-5x5" },
                "bad value '-5x5' for --size (WxH, each side from 1 to 10000)" },
        { { "--render", Png, "--size", "99999999999x5" },
                "bad value '99999999999x5' for --size (WxH, each side from 1 to 10000)" },
        { { "--render=" }, "--render needs a file name" },
        { { "--render" }, "--render needs a value" },
        { { "--sql-dialect", "1" }, "--sql-dialect applies to interbase and firebird only" },
        { { "--bogus" }, "unknown option '--bogus'" },
    };
    const TRun Help = Run({ "--help" });
    ASSERT_EQ(Help.Status, 0);
    ASSERT_EQ(Help.Out.rfind("Usage: korvan-widget [options] [FILE]\n", 0), 0U);
    for (const TUsageCase &Case : Cases) {
        SCOPED_TRACE(testing::PrintToString(Case.Args));
        const TRun Result = Run(Case.Args, "SELECT a FROM t");
        EXPECT_EQ(Result.Status, 64);
        EXPECT_EQ(Result.Out, "");
        EXPECT_EQ(Result.Err, "korvan-widget: " + Case.Problem + "\n" + Help.Out);
    }
    EXPECT_FALSE(fs::exists(Png));
}

TEST_F(KorvanWidget, HelpListsKorvanSqlsOptionsAndThePictures)
{
    const TRun Result = Run({ "--no-quote", "--help" }, "SELECT");
    EXPECT_EQ(Result.Status, 0);
    EXPECT_EQ(Result.Err, "");
    for (const char *Option : { "--dialect generic|interbase|firebird|mysql", "--no-quote", "--keywords",
                 "--functions", "--crlf", "--json", "--schema FILE.sqlite", "--render FILE.png",
                 "--page where|select|having|order", "--size WxH", "1200x800", "--help",
                 "Exit status: 0 done, 1 failure" }) {
        EXPECT_NE(Result.Out.find(Option), std::string::npos) << Option;
    }
}

TEST_F(KorvanWidget, RenderDrawsThePictureInTheGivenSize)
{
    const std::string Statement = "SELECT t.a, u.b FROM t JOIN u ON t.id = u.tid WHERE t.c = 1 ORDER BY u.b";
    const std::vector<std::pair<std::vector<std::string>, std::pair<std::uint32_t, std::uint32_t>>> Cases = {
        { {}, { 1200, 800 } },
        { { "--size", "640x480" }, { 640, 480 } },
        { { "--size=300x1000", "--page", "order" }, { 300, 1000 } },
    };
    for (const auto &[Args, Size] : Cases) {
        SCOPED_TRACE(testing::PrintToString(Args));
        EXPECT_EQ(PngSize(Picture(Args, Statement)), Size);
    }
    // The picture comes with the statement's text on standard output, as without it.
    const fs::path Png = Scratch / "with-output.png";
    const TRun Result = Run({ "--no-quote", "--render", Png.string() }, "SELECT a FROM t");
    EXPECT_EQ(Result.Out, "SELECT \n  t.a\nFROM\n  t\n");
    EXPECT_EQ(PngSize(ReadFile(Png)), std::make_pair(1200U, 800U));
}

TEST_F(KorvanWidget, PageAndStatementChangeThePicture)
{
    const std::string First = "SELECT t.a FROM t WHERE t.b = 1";
    const std::string Last = "SELECT t.a, SUM(u.c) FROM t JOIN u ON t.id = u.tid GROUP BY t.a "
                             "HAVING SUM(u.c) > 1 ORDER BY t.a";
    const std::string Where = Picture({ "--page", "where" }, Last);
    ASSERT_FALSE(Where.empty());
    EXPECT_EQ(Picture({}, Last), Where);
    std::vector<std::string> Pictures = { Where };
    for (const char *Page : { "select", "having", "order" }) {
        SCOPED_TRACE(Page);
        const std::string Shown = Picture({ "--page", Page }, Last);
        for (const std::string &Other : Pictures)
            EXPECT_NE(Shown, Other);
        Pictures.push_back(Shown);
    }
    // With several statements the picture is the last one's, as if it had been read alone.
    EXPECT_EQ(Picture({}, First + ";\n" + Last), Where);
    EXPECT_NE(Picture({}, First), Where);
}

TEST_F(KorvanWidget, UnwritablePictureFailsWithItsReason)
{
    const fs::path Missing = Scratch / "no-such-folder" / "a.png";
    const TRun Result = Run({ "--render", Missing.string() }, "SELECT a FROM t");
    EXPECT_EQ(Result.Status, 1);
    EXPECT_EQ(Result.Out, "");
    EXPECT_EQ(Result.Err.rfind("korvan-widget: cannot write the picture '" + Missing.string() + "': ", 0), 0U)
            << Result.Err;
    EXPECT_EQ(Result.Err.back(), '\n');

    const fs::path Folder = Scratch / "folder.png";
    fs::create_directory(Folder);
    const TRun Directory = Run({ "--render", Folder.string() }, "SELECT a FROM t");
    EXPECT_EQ(Directory.Status, 1);
    EXPECT_EQ(Directory.Out, "");
}

// Test databases are made with Python's sqlite3, so that the test needs no Qt itself.
class KorvanWidgetSchema : public KorvanWidget
{
protected:
    void SetUp() override
    {
        KorvanWidget::SetUp();
        Database = Scratch / "shop.sqlite";
        const TRun Made = Spawn("/usr/bin/python3",
                { "-c",
                        "import sqlite3, sys\n"
                        "c = sqlite3.connect(sys.argv[1])\n"
                        "c.execute('CREATE TABLE customers (id INTEGER, name TEXT, city VARCHAR(40))')\n"
                        "c.execute('CREATE TABLE orders (id INTEGER, custno INTEGER, total NUMERIC(10,2))')\n"
                        "c.execute('CREATE VIEW \"big orders\" AS SELECT id, total FROM orders')\n"
                        "c.commit()\n",
                        Database.string() });
        ASSERT_EQ(Made.Status, 0) << Made.Err;
    }

    fs::path Database;
};

TEST_F(KorvanWidgetSchema, TablesTakeTheirFieldsFromTheDatabase)
{
    const std::vector<std::pair<std::string, std::string>> Cases = {
        // Each unqualified column is of the one table the database gives it to.
        { "SELECT name, total, id FROM customers c JOIN orders o ON c.id = o.custno",
                "SELECT \n  c.name,\n  o.total,\n  id\nFROM\n  customers c \n"
                "  INNER JOIN orders o ON (c.id = o.custno)\n" },
        // A column the table does not have leaves the statement; letter case does not count.
        { "SELECT c.NAME, c.nope FROM customers c", "SELECT \n  c.NAME\nFROM\n  customers c\n" },
        { "SELECT id, total FROM \"big orders\"",
                "SELECT \n  \"big orders\".id,\n  \"big orders\".total\nFROM\n  \"big orders\"\n" },
    };
    const std::string Before = ReadFile(Database);
    for (const auto &[Statement, Expected] : Cases) {
        SCOPED_TRACE(Statement);
        const TRun Result = Run({ "--no-quote", "--schema", Database.string() }, Statement);
        EXPECT_EQ(Result.Status, 0);
        EXPECT_EQ(Result.Out, Expected);
        EXPECT_EQ(Result.Err, "");
    }
    // Read-only: the database is as it was.
    EXPECT_EQ(ReadFile(Database), Before);
}

TEST_F(KorvanWidgetSchema, ATableTheDatabaseLacksGetsTheStatementsFieldsWithAWarning)
{
    const std::string Script = "SELECT x.a, c.name FROM nothere x, customers c;\n"
                               "SELECT nothere.b FROM nothere;\n"
                               "SELECT p.r FROM proc(1) p";
    const TRun Result = Run({ "--no-quote", "--schema", Database.string() }, Script);
    EXPECT_EQ(Result.Status, 0);
    EXPECT_EQ(Result.Out, RunSql({ "--no-quote" }, Script).Out);
    EXPECT_EQ(Result.Err,
            "korvan-widget: warning: the schema has no table 'nothere': it gets the fields the statement "
            "names for it\n"
            "korvan-widget: warning: the schema has no procedure 'proc': it gets the fields the statement "
            "names for it\n");
}

TEST_F(KorvanWidgetSchema, AFileThatIsNoReadableDatabaseFailsWithItsReason)
{
    const fs::path Missing = Scratch / "missing.sqlite";
    const fs::path Text = File("notes.sqlite", "SELECT a FROM t\n");
    const fs::path Empty = File("empty.sqlite", "");
    std::string Damaged = ReadFile(Database);
    Damaged.replace(100, std::string::npos, std::string(Damaged.size() - 100, '\x5a'));
    const fs::path Broken = File("broken.sqlite", Damaged);
    const std::vector<std::pair<fs::path, std::string>> Cases = {
        { Missing, "No such file or directory" },
        { Scratch, "Is a directory" },
        { Text, "not an SQLite database" },
        { Empty, "not an SQLite database" },
        { Broken, "" },
    };
    for (const auto &[Path, Reason] : Cases) {
        SCOPED_TRACE(Path.string());
        const TRun Result = Run({ "--schema", Path.string() }, "SELECT a FROM t");
        EXPECT_EQ(Result.Status, 1);
        EXPECT_EQ(Result.Out, "");
        const std::string Start = "korvan-widget: cannot read the schema '" + Path.string() + "': " + Reason;
        EXPECT_EQ(Result.Err.substr(0, Start.size()), Start);
        EXPECT_EQ(Result.Err.back(), '\n');
    }
    // Opening a database that is not there would have made one.
    EXPECT_FALSE(fs::exists(Missing));
    EXPECT_EQ(Run({ "--schema=" }, "SELECT a FROM t").Status, 64);
}

} // namespace
