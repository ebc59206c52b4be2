// korvan-widget: korvan-sql's run through the query builder component. Every statement is laid out
// in the diagram and the editors (SetSQL) and printed as the component writes it back (GetSQL);
// with --render the component is drawn into a PNG. Exit status: 0 done, 1 failure, 2 syntax error,
// 64 bad usage.
#include "KRSchemaFile.h"
#include "KRStatementFields.h"
#include "KRToolRun.h"
#include "component/KRKorvan.h"
#include "dialects/qt/KRInterBaseKorvan.h"
#include "dialects/qt/KRMySQLKorvan.h"
#include "parser/KRScriptFormat.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSize>

using namespace korvan;

namespace {

struct TPageName
{
    std::string_view Name;
    int Index;
};

//! The pages below the diagram, as --page names them.
constexpr std::array<TPageName, 4> PageNames = { {
        { "where", 0 },
        { "select", 1 },
        { "having", 2 },
        { "order", 3 },
} };

constexpr int MaxSide = 10000;

int ParsePage(const std::string &Value)
{
    for (const TPageName &Page : PageNames)
        if (Page.Name == Value)
            return Page.Index;
    throw EKRUsageError("bad value '" + Value + "' for --page (where, select, having or order)");
}

//! One side of WxH: 1 to MaxSide, in decimal digits only; 0 when it is not.
int ParseSide(std::string_view Text)
{
    if (Text.empty() || Text.size() > 5 || Text.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    const int Side = std::stoi(std::string(Text));
    return Side <= MaxSide ? Side : 0;
}

QSize ParseSize(const std::string &Value)
{
    const std::size_t Cross = Value.find('x');
    const int Width = Cross != std::string::npos ? ParseSide(std::string_view(Value).substr(0, Cross)) : 0;
    const int Height = Cross != std::string::npos ? ParseSide(std::string_view(Value).substr(Cross + 1)) : 0;
    if (Width == 0 || Height == 0)
        throw EKRUsageError("bad value '" + Value + "' for --size (WxH, each side from 1 to "
                + std::to_string(MaxSide) + ")");
    return { Width, Height };
}

// Without a display the component is drawn off screen, and with the project's fonts when the
// build tree that made this program has them, so that pictures come out the same everywhere. A
// platform or font configuration given in the environment is left as it is.
void PrepareEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef KORVAN_FONTS_CONF
    if (!qEnvironmentVariableIsSet("FONTCONFIG_FILE") && QFileInfo::exists(QStringLiteral(KORVAN_FONTS_CONF)))
        qputenv("FONTCONFIG_FILE", KORVAN_FONTS_CONF);
#endif
}

// Qt's notes about the platform (no runtime folder, a platform that cannot size windows for a
// screen) are nothing the tool's callers can act on, and its standard error is theirs: only what
// stops Qt is passed on.
void QtMessages(QtMsgType Type, const QMessageLogContext &, const QString &Message)
{
    if (Type == QtCriticalMsg || Type == QtFatalMsg) {
        const QByteArray Text = Message.toUtf8() + '\n';
        std::fwrite(Text.constData(), 1, static_cast<std::size_t>(Text.size()), stderr);
    }
}

//! The component of the dialect, set up as CreateDialectParser sets up its parser.
std::unique_ptr<TCustomKorvan> CreateKorvan(const TKRCommandLine &Options)
{
    const TKRDialectOptions &Dialect = Options.DialectOptions;
    std::unique_ptr<TCustomKorvan> Korvan;
    if (Options.Dialect == "interbase" || Options.Dialect == "firebird") {
        auto InterBase = std::make_unique<TInterBaseKorvan>();
        InterBase->SetSQLServer(Options.Dialect == "firebird" ? TInterBaseKorvan::qssFireBird
                                                              : TInterBaseKorvan::qssInterBase);
        InterBase->SetSQLDialect(Dialect.SQLDialect.value_or(3) == 1 ? TInterBaseKorvan::qibDialect1
                                                                     : TInterBaseKorvan::qibDialect3);
        Korvan = std::move(InterBase);
    } else if (Options.Dialect == "mysql") {
        Korvan = std::make_unique<TMySQLKorvan>();
    } else {
        Korvan = std::make_unique<TSQLKorvan>();
    }
    if (Dialect.QuoteIdentifiers)
        Korvan->SetQuoteIdentifiers(*Dialect.QuoteIdentifiers);
    Korvan->ScriptFormat()->SetKeywordsFormat(Options.KeywordsFormat);
    Korvan->ScriptFormat()->SetFunctionsFormat(Options.FunctionsFormat);
    return Korvan;
}

class TKorvanWidget : public TKRTool
{
public:
    ~TKorvanWidget() override
    {
        // The component and the database go before the application they live in.
        FKorvan.reset();
        FSchema.reset();
        FApplication.reset();
    }

    std::string Name() const override { return "korvan-widget"; }

    std::string Description() const override
    {
        return R"(Reads every SELECT statement from FILE (standard input when FILE is missing or "-"),
in order, lays each out in the query builder component (the diagram and every page)
and prints it as the component writes it back. One component reads all statements.
Each table gets its fields from --schema, or else the fields the statement names
for it. Statements end at ";"; empty
ones are skipped. A lone statement is printed as it is; with several, each is
followed by ";" and an empty line, and --json prints an array of their models.
Nothing is printed when any statement has an error.
)";
    }

    std::string OptionsUsage() const override
    {
        return R"(  --schema FILE.sqlite       take each table's fields from this SQLite database
                             (read-only); a table it lacks gets the fields the
                             statement names, with a warning
  --render FILE.png          also draw the component into a PNG picture, after the
                             last statement
  --page where|select|having|order
                             the page shown in the picture (default where)
  --size WxH                 the component's size in pixels (default 1200x800)
)";
    }

    bool TakesValue(const std::string &Option) const override
    {
        return Option == "--schema" || Option == "--render" || Option == "--page" || Option == "--size";
    }

    void ApplyValue(const std::string &Option, const std::string &Value) override
    {
        if (Option == "--schema") {
            if (Value.empty())
                throw EKRUsageError("--schema needs a file name");
            FSchemaPath = Value;
        } else if (Option == "--render") {
            if (Value.empty())
                throw EKRUsageError("--render needs a file name");
            FRender = Value;
        } else if (Option == "--page") {
            FPage = ParsePage(Value);
        } else {
            FSize = ParseSize(Value);
        }
    }

    void Check(const TKRCommandLine &) const override
    {
        if (FRender)
            return;
        if (FPage)
            throw EKRUsageError("--page applies to the picture only: give --render too");
        if (FSize)
            throw EKRUsageError("--size applies to the picture only: give --render too");
    }

    void Prepare(const TKRCommandLine &Options) override
    {
        PrepareEnvironment();
        qInstallMessageHandler(QtMessages);
        FApplication = std::make_unique<QApplication>(FArgc, FArgv.data());
        if (FSchemaPath)
            FSchema = std::make_unique<TKRSchemaFile>(*FSchemaPath);
        FKorvan = CreateKorvan(Options);
        FKorvan->resize(FSize.value_or(QSize(1200, 800)));
        // Laid out as on a form, so that the diagram arranges its windows in the real width, but
        // never shown on a screen.
        FKorvan->setAttribute(Qt::WA_DontShowOnScreen);
        FKorvan->show();
        FKorvan->SetOnGetTableFields([this](const std::string &Table, TDataSet *&DataSet, TParams *&Params) {
            GiveFields(Table, DataSet, Params);
        });
    }

    void Read(const std::string &Text) override
    {
        FFields.reset();
        FSchemaFields.clear();
        FKorvan->SetSQL(Text);
    }

    std::string Written() override { return FKorvan->GetSQL(); }
    TKRSelectParser &Model() override { return *FKorvan->Parser(); }

    void Finish() override
    {
        if (FRender)
            Render(*FRender);
    }

private:
    // The component asks for its tables one by one, right after it read the statement: the
    // statement's own fields are worked out from its model at the first question. The database
    // knows no procedures' parameters; those always come from the statement.
    void GiveFields(const std::string &Table, TDataSet *&DataSet, TParams *&Params)
    {
        if (!FFields)
            FFields.emplace(*FKorvan->Parser());
        TKRStatementTable *Found = FFields->Find(Table);
        if (Found) {
            DataSet = &Found->DataSet;
            Params = Found->Params.get();
        }
        if (!FSchema)
            return;
        std::unique_ptr<TDataSet> Fields;
        try {
            Fields = FSchema->Schema().ReadFields(Table);
        } catch (const EKRSchemaError &Error) {
            throw Exception("korvan-widget: " + Error.Message());
        }
        if (Fields) {
            DataSet = FSchemaFields.emplace_back(std::move(Fields)).get();
            return;
        }
        const TKRTableDef *Def = FKorvan->Parser()->TableDefs()->FindByName(Table);
        const std::string Kind = Def && Def->TableType() == qttStoredProc ? "procedure" : "table";
        if (FWarned.insert(Table).second)
            Warn("korvan-widget: warning: the schema has no " + Kind + " '" + Table
                    + "': it gets the fields the statement names for it\n");
    }

    static void Warn(const std::string &Text) { std::fwrite(Text.data(), 1, Text.size(), stderr); }

    void Render(const std::string &FileName)
    {
        if (FPage && !FKorvan->SetActivePage(*FPage))
            throw Exception("korvan-widget: the page '"
                    + std::string(PageNames[static_cast<std::size_t>(*FPage)].Name) + "' cannot be shown");
        QApplication::processEvents();
        const QImage Picture = FKorvan->grab().toImage();
        QImageWriter Writer(QString::fromStdString(FileName), "png");
        if (!Writer.write(Picture))
            throw Exception("korvan-widget: cannot write the picture '" + FileName
                    + "': " + Writer.errorString().toStdString());
    }

    std::optional<std::string> FSchemaPath;
    std::optional<std::string> FRender;
    std::optional<int> FPage;
    std::optional<QSize> FSize;

    // QApplication keeps argc by reference: it must outlive the application.
    int FArgc = 1;
    std::string FProgramName = "korvan-widget";
    std::array<char *, 2> FArgv{ FProgramName.data(), nullptr };
    std::unique_ptr<QApplication> FApplication;
    std::unique_ptr<TKRSchemaFile> FSchema;
    std::unique_ptr<TCustomKorvan> FKorvan;
    std::optional<TKRStatementFields> FFields;
    //! The fields read from the database for the statement being laid out.
    std::vector<std::unique_ptr<TDataSet>> FSchemaFields;
    //! The tables the database lacks that were already named in a warning.
    std::set<std::string> FWarned;
};

} // namespace

int main(int argc, char *argv[])
{
    TKorvanWidget Tool;
    return RunTool(Tool, std::vector<std::string>(argv + 1, argv + argc));
}
