// korvan-sql as the programs that drive it see it: exit status, standard output, standard error.
#include "KRProgramRun.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace korvan::test;

std::string Data(const std::string &Name)
{
    return ReadFile(fs::path(KORVAN_SQL_DATA) / Name);
}

class KorvanSql : public TScratchTest
{
protected:
    TRun Run(const std::vector<std::string> &Args, const std::string &Input = "")
    {
        return Spawn(KORVAN_SQL, Args, Input);
    }

    std::string Usage()
    {
        const TRun Help = Run({ "--help" });
        EXPECT_EQ(Help.Status, 0);
        return Help.Out;
    }
};

struct TRenderCase
{
    std::vector<std::string> Args;
    std::string Input;
    std::string Expected;
};

TEST_F(KorvanSql, PrintsTheStatementAsTheCoreWritesItBack)
{
    const std::vector<TRenderCase> Cases = {
        { {}, "SELECT a FROM t", "SELECT \n  \"t\".\"a\"\nFROM\n  \"t\"\n" },
        { { "--no-quote" }, "SELECT a FROM t", "SELECT \n  t.a\nFROM\n  t\n" },
        { { "--no-quote", "--keywords", "lower" }, "SELECT a FROM t WHERE a = 1",
                "select \n  t.a\nfrom\n  t\nwhere\n  (a = 1)\n" },
        { { "--no-quote", "--keywords=first" }, "select a from t", "Select \n  t.a\nFrom\n  t\n" },
        { { "--no-quote", "--functions", "lower", "--keywords", "upper" }, "select SUM(a) total from t",
                "SELECT \n  sum(t.a) AS total\nFROM\n  t\n" },
        { { "--no-quote", "--crlf" }, "SELECT a FROM t", "SELECT \r\n  t.a\r\nFROM\r\n  t\r\n" },
        // The scanner breaks lines only at CR LF: a bare LF must become one before it reads, or
        // the line break inside the literal would not come back as CR LF.
        { { "--no-quote", "--crlf" }, "SELECT a\nFROM t\nWHERE b = 'x\ny'\n",
                "SELECT \r\n  t.a\r\nFROM\r\n  t\r\nWHERE\r\n  (b = 'x\r\ny')\r\n" },
        { { "--no-quote" }, "SELECT a\r\nFROM t\nWHERE b = 'x\r\ny'",
                "SELECT \n  t.a\nFROM\n  t\nWHERE\n  (b = 'x\ny')\n" },
        { {}, "", "" },
        { { "--crlf" }, "  \r\n\t\n", "" },
    };
    for (const TRenderCase &Case : Cases) {
        SCOPED_TRACE(testing::PrintToString(Case.Args) + " " + Case.Input);
        const TRun Result = Run(Case.Args, Case.Input);
        EXPECT_EQ(Result.Status, 0);
        EXPECT_EQ(Result.Out, Case.Expected);
        EXPECT_EQ(Result.Err, "");
    }
}

TEST_F(KorvanSql, ReadsTheSameStatementFromAFileAndFromStandardInput)
{
    const std::string Statement = "SELECT a\nFROM t\n";
    const std::string Expected = "SELECT \n  t.a\nFROM\n  t\n";
    const fs::path Path = File("query.sql", Statement);
    const fs::path Dashed = File("-dashed.sql", Statement);
    const std::vector<std::pair<std::vector<std::string>, std::string>> Cases = {
        { { "--no-quote", Path.string() }, "" },
        { { Path.string(), "--no-quote" }, "SELECT b FROM u" },
        { { "--no-quote", "-" }, Statement },
        { { "--no-quote" }, Statement },
        { { "--no-quote", "--", Dashed.string() }, "" },
    };
    for (const auto &[Args, Input] : Cases) {
        SCOPED_TRACE(testing::PrintToString(Args));
        const TRun Result = Run(Args, Input);
        EXPECT_EQ(Result.Status, 0);
        EXPECT_EQ(Result.Out, Expected);
        EXPECT_EQ(Result.Err, "");
    }
}

struct TErrorCase
{
    std::string Input;
    std::string Expected;
};

TEST_F(KorvanSql, SyntaxErrorShowsMessageLineAndCaret)
{
    const std::vector<TErrorCase> Cases = {
        { "SELECT a) FROM t", "Invalid token ')' at position 9 of line 1.\nSELECT a) FROM t\n        ^\n" },
        { "SELECT", "Unexpected end of statement.\nSELECT\n      ^\n" },
        // The end of the statement is shown after its last written line, not on the empty line
        // that a trailing line break leaves.
        { "SELECT a\nFROM\n  \n", "Unexpected end of statement.\nFROM\n    ^\n" },
        // Lines are counted in the converted text, so a bare LF starts line 2.
        { "SELECT a,\n  b) FROM t", "Invalid token ')' at position 4 of line 2.\n  b) FROM t\n   ^\n" },
        { "SELECT\ta)\tFROM t",
                "Invalid token ')' at position 9 of line 1.\nSELECT\ta)\tFROM t\n      \t ^\n" },
        // Two bytes of UTF-8 take one column on the screen.
        { "SELECT 'é') FROM t",
                "Invalid token ')' at position 12 of line 1.\nSELECT 'é') FROM t\n          ^\n" },
        // So do four; each byte that is not UTF-8 takes a column of its own, a stray continuation
        // byte too.
        { "SELECT '\x80\xff\xf0\x9f\x98\x80') FROM t",
                "Invalid token ')' at position 16 of line 1.\nSELECT '\x80\xff\xf0\x9f\x98\x80') FROM t\n"
                "            ^\n" },
        // The scanner reports an unterminated string at the end of the text less the length of the
        // token before it (here "="); the caret shows that position as reported.
        { "SELECT a FROM t WHERE b = 'abc",
                "Unterminated string.\nSELECT a FROM t WHERE b = 'abc\n                             ^\n" },
    };
    for (const TErrorCase &Case : Cases) {
        SCOPED_TRACE(Case.Input);
        const TRun Result = Run({}, Case.Input);
        EXPECT_EQ(Result.Status, 2);
        EXPECT_EQ(Result.Out, "");
        EXPECT_EQ(Result.Err, Case.Expected);
    }
}

// What a user gets from a saved script: every statement in order, each closed by ";" and an empty
// line, with empty statements and a ";" inside a literal not counted as statements.
TEST_F(KorvanSql, ScriptPrintsEveryStatementInOrder)
{
    const std::string Script = "SELECT DISTINCT a FROM t WHERE b = 'x;y';\n"
                               ";  ;\n"
                               "SELECT c, d\n"
                               "  FROM u\n"
                               "  ORDER BY c DESC; SELECT e FROM v";
    const std::string Expected = "SELECT DISTINCT \n  t.a\nFROM\n  t\nWHERE\n  (b = 'x;y');\n\n"
                                 "SELECT \n  u.c,\n  u.d\nFROM\n  u\nORDER BY\n  c DESC;\n\n"
                                 "SELECT \n  v.e\nFROM\n  v;\n\n";
    const fs::path Path = File("script.sql", Script);
    const fs::path Marked = File("marked.sql", "\xEF\xBB\xBF" + Script);
    for (const fs::path &Input : { Path, Marked }) {
        SCOPED_TRACE(Input.filename());
        const TRun Result = Run({ "--no-quote", Input.string() });
        EXPECT_EQ(Result.Status, 0);
        EXPECT_EQ(Result.Out, Expected);
        EXPECT_EQ(Result.Err, "");
    }
    std::string CrLf;
    for (const char C : Expected)
        CrLf += C == '\n' ? std::string("\r\n") : std::string(1, C);
    EXPECT_EQ(Run({ "--no-quote", "--crlf", Path.string() }).Out, CrLf);

    // --json: an array of the objects each statement gives on its own, indented one level deeper.
    std::string Array = "[";
    for (const std::string Statement : { "SELECT DISTINCT a FROM t WHERE b = 'x;y'",
                 "SELECT c, d FROM u ORDER BY c DESC", "SELECT e FROM v" }) {
        const TRun Alone = Run({ "--json", "--dialect", "mysql" }, Statement);
        ASSERT_EQ(Alone.Status, 0) << Alone.Err;
        Array += Array.size() > 1 ? ",\n  " : "\n  ";
        for (const char C : Alone.Out.substr(0, Alone.Out.size() - 1))
            Array += C == '\n' ? std::string("\n  ") : std::string(1, C);
    }
    Array += "\n]\n";
    const TRun Json = Run({ "--json", "--dialect", "mysql", Marked.string() });
    EXPECT_EQ(Json.Status, 0);
    EXPECT_EQ(Json.Out, Array);
    EXPECT_EQ(Json.Err, "");
}

TEST_F(KorvanSql, LoneStatementPrintsAsItAlwaysHas)
{
    const std::string Written = "SELECT \n  t.a\nFROM\n  t\nWHERE\n  (b = 'x;y')\n";
    const std::vector<std::string> Inputs = {
        "SELECT a FROM t WHERE b = 'x;y'",
        "SELECT a FROM t WHERE b = 'x;y';",
        "\n;; SELECT a FROM t\nWHERE b = 'x;y' ;\n;\n",
        "\xEF\xBB\xBF  ;\r\nSELECT a FROM t WHERE b = 'x;y'",
    };
    const TRun Json = Run({ "--json", "--no-quote" }, Inputs.front());
    ASSERT_EQ(Json.Out.substr(0, 2), "{\n");
    for (const std::string &Input : Inputs) {
        SCOPED_TRACE(Input);
        const TRun Result = Run({ "--no-quote" }, Input);
        EXPECT_EQ(Result.Status, 0);
        EXPECT_EQ(Result.Out, Written);
        EXPECT_EQ(Result.Err, "");
        EXPECT_EQ(Run({ "--json", "--no-quote" }, Input).Out, Json.Out);
    }
    // Nothing but empty statements is the empty statement, as an empty input is.
    EXPECT_EQ(Run({}, " ;\n;").Out, "");
    EXPECT_EQ(Run({ "--json" }, ";;").Out, Data("empty.json"));
}

// Lines and positions count in the whole script, whichever statement fails, and nothing is
// printed even though the statements before it were read.
TEST_F(KorvanSql, ErrorInALaterStatementIsShownWhereItIsInTheScript)
{
    const std::vector<TErrorCase> Cases = {
        { "SELECT a FROM t;\nSELECT b\nFROM u; SELECT c) FROM v;\nSELECT d FROM w",
                "Invalid token ')' at position 17 of line 3.\nFROM u; SELECT c) FROM v;\n                "
                "^\n" },
        // Only the first line of a statement that starts part-way into a line is shifted.
        { "SELECT a FROM t; SELECT b,\n  c) FROM u",
                "Invalid token ')' at position 4 of line 2.\n  c) FROM u\n   ^\n" },
        { "SELECT a FROM t;\nSELECT b FROM u;\nSELECT c FROM v WHERE d = 'x;",
                "Unterminated string.\nSELECT c FROM v WHERE d = 'x;\n                            ^\n" },
        // The unterminated string stops the scan, but the statement before it fails first.
        { "SELECT a) FROM t; SELECT 'x",
                "Invalid token ')' at position 9 of line 1.\nSELECT a) FROM t; SELECT 'x\n        ^\n" },
        { "SELECT a FROM t;\nSELECT\n;\n", "Invalid token ';' at position 1 of line 3.\n;\n^\n" },
        { "SELECT a FROM t;\nSELECT\n", "Unexpected end of statement.\nSELECT\n      ^\n" },
        // The byte-order mark takes no column and is not shown.
        { "\xEF\xBB\xBFSELECT a) FROM t",
                "Invalid token ')' at position 9 of line 1.\nSELECT a) FROM t\n        ^\n" },
    };
    for (const TErrorCase &Case : Cases) {
        SCOPED_TRACE(Case.Input);
        const TRun Result = Run({ File("script.sql", Case.Input).string() });
        EXPECT_EQ(Result.Status, 2);
        EXPECT_EQ(Result.Out, "");
        EXPECT_EQ(Result.Err, Case.Expected);
    }
}

struct TUsageCase
{
    std::vector<std::string> Args;
    std::string Problem;
};

TEST_F(KorvanSql, BadUsageNamesTheProblemAndShowsTheUsage)
{
    const std::string Query = File("a.sql", "SELECT a FROM t").string();
    const std::string Missing = (Scratch / "missing.sql").string();
    const std::vector<TUsageCase> Cases = {
        { { "--bogus" }, "unknown option '--bogus'" },
        { { "-x", Query }, "unknown option '-x'" },
        { { "--keywords", "shout" }, "bad value 'shout' for --keywords (asis, upper, lower or first)" },
        { { "--functions=UPPER" }, "bad value 'UPPER' for --functions (asis, upper, lower or first)" },
        { { "--keywords" }, "--keywords needs a value" },
        { { "--dialect", "oracle" },
                "bad value 'oracle' for --dialect (generic, interbase, firebird or mysql)" },
        { { "--dialect", "interbase", "--sql-dialect", "2" }, "bad value '2' for --sql-dialect (1 or 3)" },
        { { "--sql-dialect", "1" }, "--sql-dialect applies to interbase and firebird only" },
        { { "--dialect=mysql", "--sql-dialect=3" }, "--sql-dialect applies to interbase and firebird only" },
        { { "--dialect", "firebird", "--no-quote" },
                "--no-quote does not apply to firebird: quoting follows --sql-dialect" },
        { { "--json=yes" }, "--json takes no value" },
        { { Query, Query }, "more than one FILE: '" + Query + "' and '" + Query + "'" },
        { { Missing }, "cannot read '" + Missing + "': No such file or directory" },
        { { Scratch.string() }, "cannot read '" + Scratch.string() + "': Is a directory" },
    };
    const std::string UsageText = Usage();
    ASSERT_EQ(UsageText.rfind("Usage: korvan-sql [options] [FILE]\n", 0), 0U);
    for (const TUsageCase &Case : Cases) {
        SCOPED_TRACE(testing::PrintToString(Case.Args));
        const TRun Result = Run(Case.Args, "SELECT a FROM t");
        EXPECT_EQ(Result.Status, 64);
        EXPECT_EQ(Result.Out, "");
        EXPECT_EQ(Result.Err, "korvan-sql: " + Case.Problem + "\n" + UsageText);
    }
}

TEST_F(KorvanSql, DialectsReadAndWriteTheirOwnClauses)
{
    struct TDialectCase
    {
        std::vector<std::string> Args;
        std::string Input;
        std::string Output;
    };
    const std::vector<TDialectCase> Cases = {
        { { "--dialect", "firebird" }, "select first 10 skip 5 name from customer",
                "SELECT FIRST 10 SKIP 5 \n  CUSTOMER.NAME\nFROM\n  CUSTOMER\n" },
        { { "--dialect", "interbase" }, "SELECT \"Name\" FROM T ORDER BY \"Name\" ROWS 1 TO 10",
                "SELECT \n  T.\"Name\"\nFROM\n  T\nORDER BY\n  \"Name\"\nROWS 1 TO 10" },
        { { "--dialect", "interbase", "--sql-dialect", "1" }, "SELECT a FROM t WHERE b = \"x\"",
                "SELECT \n  T.A\nFROM\n  T\nWHERE\n  (B = 'x')\n" },
        { { "--dialect", "mysql" }, "SELECT HIGH_PRIORITY DISTINCT `a` FROM t LIMIT 5, 10",
                "SELECT HIGH_PRIORITY DISTINCT \n  `t`.`a`\nFROM\n  `t`\nLIMIT 5, 10" },
        { { "--dialect", "mysql", "--no-quote" }, "SELECT a FROM t WHERE b = 'It\\'s'",
                "SELECT \n  t.a\nFROM\n  t\nWHERE\n  (b = 'It\\'s')\n" },
    };
    for (const TDialectCase &Case : Cases) {
        SCOPED_TRACE(Case.Input);
        const TRun First = Run(Case.Args, Case.Input);
        EXPECT_EQ(First.Status, 0) << First.Err;
        EXPECT_EQ(First.Out, Case.Output);
        // What the tool writes, it reads back unchanged.
        const TRun Second = Run(Case.Args, First.Out);
        EXPECT_EQ(Second.Out, First.Out);
    }
}

TEST_F(KorvanSql, HelpPrintsTheUsageWithoutReadingInput)
{
    const TRun Result = Run({ "--no-quote", "--help" }, "SELECT");
    EXPECT_EQ(Result.Status, 0);
    EXPECT_EQ(Result.Err, "");
    for (const char *Option : { "Reads every SELECT statement", "--dialect generic", "--no-quote",
                 "--keywords asis|upper|lower|first", "--functions asis|upper|lower|first", "--crlf",
                 "--json", R"(\u00XX)", "--help" }) {
        EXPECT_NE(Result.Out.find(Option), std::string::npos) << Option;
    }
}

TEST_F(KorvanSql, JsonDescribesTheParsedModel)
{
    const std::vector<std::string> Names = { "join_where_order", "escapes", "empty", "kept_whole" };
    for (const std::string &Name : Names) {
        SCOPED_TRACE(Name);
        const TRun Result = Run({ "--json", (fs::path(KORVAN_SQL_DATA) / (Name + ".sql")).string() });
        EXPECT_EQ(Result.Status, 0);
        EXPECT_EQ(Result.Out, Data(Name + ".json"));
        EXPECT_EQ(Result.Err, "");
    }
}

TEST_F(KorvanSql, JsonReportsGroupByDerivedFromTheSelectList)
{
    const TRun Result = Run({ "--json", "--no-quote" }, "SELECT a, SUM(b) FROM t GROUP BY zzz");
    EXPECT_EQ(Result.Status, 0);
    const std::size_t Start = Result.Out.find("\"groupBy\"");
    ASSERT_NE(Start, std::string::npos);
    EXPECT_EQ(Result.Out.substr(Start, Result.Out.find(']', Start) + 1 - Start),
            "\"groupBy\": [\n    \"t.a\"\n  ]");
}

// JSON must be UTF-8. A byte that belongs to no well-formed sequence is written as \u00XX of its
// value, however it is broken: a byte that never starts UTF-8, a lead byte before a byte that does
// not continue it, a sequence that the name's end cuts short, an overlong form and a surrogate.
TEST_F(KorvanSql, JsonWritesEveryByteThatIsNotUtf8AsTheEscapeOfItsValue)
{
    const std::string Statement =
            "SELECT \"a\xff\", \"b\xc3\x28\", \"c\xc0\xaf\", \"\xc3\xa9\xf0\x9f\x98\x80\" "
            "FROM \"t\xed\xa0\x80\", \"u\xe2\x82\"";
    const TRun Json = Run({ "--json" }, Statement);
    ASSERT_EQ(Json.Status, 0) << Json.Err;
    for (const std::string Name : { R"("t\u00ed\u00a0\u0080")", R"("u\u00e2\u0082")", R"("a\u00ff")",
                 R"("b\u00c3(")", R"("c\u00c0\u00af")", "\"\xc3\xa9\xf0\x9f\x98\x80\"" }) {
        EXPECT_NE(Json.Out.find("\"name\": " + Name + ",\n"), std::string::npos) << Name;
    }
    // A strict reader: the document decodes as UTF-8 with no error handler, and each escape reads
    // back as the Latin-1 character of the byte.
    const std::string Check = "import json, sys\n"
                              "d = json.loads(sys.stdin.buffer.read().decode('utf-8'))\n"
                              "print(ascii([t['name'] for t in d['tables']]"
                              " + [f['name'] for t in d['tables'] for f in t['fields']]))\n";
    const TRun Python = Spawn("/usr/bin/python3", { "-c", Check }, Json.Out);
    EXPECT_EQ(Python.Err, "");
    EXPECT_EQ(Python.Out,
            "['t\\xed\\xa0\\x80', 'u\\xe2\\x82', 'a\\xff', 'b\\xc3(', 'c\\xc0\\xaf', '\\xe9\\U0001f600']\n");
    EXPECT_EQ(Python.Status, 0);
}

} // namespace
