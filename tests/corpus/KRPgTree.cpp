#include "KRPgTree.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <pg_query.h>
#include <vector>

namespace korvan {

using Json = nlohmann::json;

namespace {

std::string Lower(std::string Text)
{
    for (char &C : Text)
        if (C >= 'A' && C <= 'Z')
            C = static_cast<char>(C - 'A' + 'a');
    return Text;
}

//! The body of a node of the given type, or nullptr.
Json *BodyOf(Json &Node, const char *Type)
{
    if (!Node.is_object())
        return nullptr;
    const auto It = Node.find(Type);
    return It != Node.end() && It->is_object() ? &*It : nullptr;
}

const Json *BodyOf(const Json &Node, const char *Type)
{
    return BodyOf(const_cast<Json &>(Node), Type);
}

//! The text of a String node, or nullptr.
Json *StringValue(Json &Node)
{
    Json *Body = BodyOf(Node, "String");
    if (!Body)
        return nullptr;
    const auto It = Body->find("sval");
    return It != Body->end() && It->is_string() ? &*It : nullptr;
}

void LowerValue(Json *Value)
{
    if (Value && Value->is_string())
        *Value = Lower(Value->get<std::string>());
}

void LowerField(Json &Body, const char *Key)
{
    const auto It = Body.find(Key);
    if (It != Body.end())
        LowerValue(&*It);
}

// Names are lists of String nodes in these fields: column references, function names, the column
// names of an alias and type names.
void LowerNameLists(Json &Body)
{
    for (const char *Key : { "fields", "funcname", "colnames", "names" }) {
        const auto It = Body.find(Key);
        if (It == Body.end() || !It->is_array())
            continue;
        for (Json &Item : *It)
            LowerValue(StringValue(Item));
    }
}

//! The last part of a column reference when it names a column (not a *), else "".
std::string ColumnName(Json &Node)
{
    Json *Column = BodyOf(Node, "ColumnRef");
    if (!Column || !Column->contains("fields") || (*Column)["fields"].empty())
        return "";
    const Json *Name = StringValue((*Column)["fields"].back());
    return Name ? Name->get<std::string>() : "";
}

bool IsGeneratedName(const std::string &Name)
{
    const std::string Prefix = "field_";
    return Name.size() > Prefix.size() && Name.compare(0, Prefix.size(), Prefix) == 0
            && Name.find_first_not_of("0123456789", Prefix.size()) == std::string::npos;
}

// "a AS a" is "a", and the FIELD_n that the writer gives every computed column is no name at all.
void NormaliseTargetName(Json &Target)
{
    const auto Name = Target.find("name");
    if (Name == Target.end() || !Name->is_string())
        return;
    const std::string Text = Name->get<std::string>();
    const auto Value = Target.find("val");
    if (IsGeneratedName(Text) || (Value != Target.end() && ColumnName(*Value) == Text))
        Target.erase("name");
}

void FlattenBoolExpr(Json &Expr)
{
    const auto Op = Expr.find("boolop");
    const auto Args = Expr.find("args");
    if (Op == Expr.end() || *Op == "NOT_EXPR" || Args == Expr.end())
        return;
    Json Flat = Json::array();
    for (Json &Arg : *Args) {
        Json *Inner = BodyOf(Arg, "BoolExpr");
        if (Inner && Inner->value("boolop", "") == *Op)
            for (Json &InnerArg : (*Inner)["args"])
                Flat.push_back(std::move(InnerArg));
        else
            Flat.push_back(std::move(Arg));
    }
    *Args = std::move(Flat);
}

// "FROM shoelace shoelace" is "FROM shoelace": the alias names the table as its own name does.
void DropAliasOfItsOwnName(Json &Table)
{
    const auto Alias = Table.find("alias");
    if (Alias != Table.end() && !Alias->contains("colnames")
            && Alias->value("aliasname", "") == Table.value("relname", ""))
        Table.erase(Alias);
}

//! Source positions, names in one letter case, generated names, ASC and nested AND/OR: bottom-up.
void NormaliseLocally(Json &Node)
{
    if (Node.is_array()) {
        for (Json &Item : Node)
            NormaliseLocally(Item);
        return;
    }
    if (!Node.is_object())
        return;
    for (const char *Key : { "location", "stmt_location", "stmt_len" })
        Node.erase(Key);
    for (auto &Item : Node.items())
        NormaliseLocally(Item.value());
    for (const char *Key : { "relname", "schemaname", "catalogname", "aliasname", "ctename" })
        LowerField(Node, Key);
    LowerNameLists(Node);
    if (Json *Target = BodyOf(Node, "ResTarget")) {
        LowerField(*Target, "name");
        NormaliseTargetName(*Target);
    } else if (Json *Window = BodyOf(Node, "WindowDef")) {
        LowerField(*Window, "name");
        LowerField(*Window, "refname");
    } else if (Json *Sort = BodyOf(Node, "SortBy")) {
        if (Sort->value("sortby_dir", "") == "SORTBY_ASC")
            (*Sort)["sortby_dir"] = "SORTBY_DEFAULT";
    } else if (Json *Bool = BodyOf(Node, "BoolExpr"))
        FlattenBoolExpr(*Bool);
    else if (Json *Table = BodyOf(Node, "RangeVar"))
        DropAliasOfItsOwnName(*Table);
}

using TQualifier = std::vector<std::string>;

//! Removes a leading qualifier from a column reference that has more parts than it.
void StripQualifier(Json &Column, const std::vector<TQualifier> &Qualifiers)
{
    Json &Fields = Column["fields"];
    for (const TQualifier &Qualifier : Qualifiers) {
        if (Fields.size() <= Qualifier.size())
            continue;
        bool Same = true;
        for (std::size_t I = 0; I < Qualifier.size() && Same; ++I) {
            const Json *Part = StringValue(Fields[I]);
            Same = Part && *Part == Qualifier[I];
        }
        if (Same) {
            Fields.erase(Fields.begin(), Fields.begin() + static_cast<std::ptrdiff_t>(Qualifier.size()));
            return;
        }
    }
}

// A subquery keeps its qualifiers: there they say which statement's table a column belongs to. The
// left side of "x IN (SELECT ...)" is the outer statement's own.
void StripQualifiersIn(Json &Node, const std::vector<TQualifier> &Qualifiers)
{
    if (Node.is_array()) {
        for (Json &Item : Node)
            StripQualifiersIn(Item, Qualifiers);
        return;
    }
    if (!Node.is_object() || Node.contains("SelectStmt"))
        return;
    if (Json *Column = BodyOf(Node, "ColumnRef")) {
        StripQualifier(*Column, Qualifiers);
        return;
    }
    for (auto &Item : Node.items())
        StripQualifiersIn(Item.value(), Qualifiers);
}

//! The name of the last part of a function name list.
std::string LastName(const Json &Names)
{
    if (!Names.is_array() || Names.empty())
        return "";
    const Json *Name = BodyOf(Names.back(), "String");
    return Name ? Name->value("sval", "") : "";
}

/*!
 * The name that columns of a FROM item are qualified with: its alias, else a table's name or a
 * function's (PostgreSQL names a function in FROM after itself). "" for anything else.
 */
std::string FromItemName(const Json &Item)
{
    const Json *Table = BodyOf(Item, "RangeVar");
    const Json *Function = BodyOf(Item, "RangeFunction");
    const Json *Body = Table ? Table : Function;
    if (!Body)
        return "";
    if (Body->contains("alias"))
        return (*Body)["alias"].value("aliasname", "");
    if (Table)
        return Table->value("relname", "");
    // One function, not ROWS FROM (f(), g()): {"functions": [{"List": {"items": [call, {}]}}]}.
    const Json &Functions = Function->value("functions", Json::array());
    if (Functions.size() != 1)
        return "";
    const Json *Pair = BodyOf(Functions[0], "List");
    const Json *Call = Pair && Pair->contains("items") && !(*Pair)["items"].empty()
            ? BodyOf((*Pair)["items"][0], "FuncCall")
            : nullptr;
    return Call ? LastName(Call->value("funcname", Json::array())) : "";
}

// "SELECT a FROM t" comes back as "SELECT t.a FROM t": with one table in FROM both mean the same.
void StripOneTableQualifiers(Json &Select)
{
    if (Select.value("op", "SETOP_NONE") != "SETOP_NONE") {
        for (const char *Side : { "larg", "rarg" })
            if (Select.contains(Side) && Select[Side].is_object())
                StripOneTableQualifiers(Select[Side]);
        return;
    }
    const auto From = Select.find("fromClause");
    if (From == Select.end() || From->size() != 1)
        return;
    std::vector<TQualifier> Qualifiers;
    if (const Json *Table = BodyOf((*From)[0], "RangeVar");
            Table && !Table->contains("alias") && Table->contains("schemaname"))
        Qualifiers.push_back({ (*Table)["schemaname"].get<std::string>(), Table->value("relname", "") });
    const std::string Name = FromItemName((*From)[0]);
    if (Name.empty())
        return;
    Qualifiers.push_back({ Name });
    for (auto &Item : Select.items())
        if (Item.key() != "withClause" && Item.key() != "fromClause")
            StripQualifiersIn(Item.value(), Qualifiers);
}

//! The statements of a parse result: {"stmts": [{"stmt": {"SelectStmt": {...}}}]}.
void StripStatementQualifiers(Json &Tree)
{
    const auto Statements = Tree.find("stmts");
    if (Statements == Tree.end() || !Statements->is_array())
        return;
    for (Json &Raw : *Statements) {
        if (!Raw.contains("stmt"))
            continue;
        if (Json *Select = BodyOf(Raw["stmt"], "SelectStmt"))
            StripOneTableQualifiers(*Select);
    }
}

const std::map<std::string, std::string> Mirrored = { { "=", "=" }, { "<>", "<>" }, { "<", ">" },
    { ">", "<" }, { "<=", ">=" }, { ">=", "<=" } };

// "u.b < t.a" is "t.a > u.b": the operands stand in a fixed order and the operator turns with them.
void OrderComparison(Json &Expr)
{
    if (Expr.value("kind", "") != "AEXPR_OP" || !Expr.contains("lexpr") || !Expr.contains("rexpr"))
        return;
    Json &Name = Expr["name"];
    Json *Op = Name.is_array() && Name.size() == 1 ? StringValue(Name[0]) : nullptr;
    if (!Op)
        return;
    const auto Mirror = Mirrored.find(Op->get<std::string>());
    if (Mirror == Mirrored.end() || Expr["lexpr"].dump() <= Expr["rexpr"].dump())
        return;
    std::swap(Expr["lexpr"], Expr["rexpr"]);
    *Op = Mirror->second;
}

const char *const AggregateNames[] = { "count", "sum", "min", "max", "avg", "stddev", "stddev_pop",
    "stddev_samp", "variance", "var_pop", "var_samp", "bit_and", "bit_or", "bit_xor", "bool_and", "bool_or",
    "every", "string_agg", "array_agg", "json_agg", "jsonb_agg", "json_object_agg", "jsonb_object_agg",
    "group_concat", "list", "median", "percentile_cont", "percentile_disc", "mode" };

bool IsAggregateCall(const Json &Call)
{
    if (Call.contains("over"))
        return false;
    for (const char *Flag : { "agg_star", "agg_distinct", "agg_order", "agg_filter", "agg_within_group" })
        if (Call.contains(Flag) && !(Call[Flag].is_boolean() && !Call[Flag].get<bool>()))
            return true;
    const Json &Names = Call.value("funcname", Json::array());
    if (Names.empty())
        return false;
    const Json *Name = BodyOf(Names.back(), "String");
    const std::string Text = Name ? Name->value("sval", "") : "";
    return std::find(std::begin(AggregateNames), std::end(AggregateNames), Text) != std::end(AggregateNames);
}

//! An aggregate call of this statement (subqueries have their own).
bool HasAggregate(const Json &Node)
{
    if (Node.is_array())
        return std::any_of(Node.begin(), Node.end(), [](const Json &Item) { return HasAggregate(Item); });
    if (!Node.is_object() || Node.contains("SelectStmt"))
        return false;
    if (const Json *Call = BodyOf(Node, "FuncCall"); Call && IsAggregateCall(*Call))
        return true;
    return std::any_of(Node.begin(), Node.end(), [](const Json &Item) { return HasAggregate(Item); });
}

// GROUP BY is a set. A grouped statement must group by every plain column of its select list anyway,
// so those columns join the set: the writer derives GROUP BY from the select list.
void NormaliseGrouping(Json &Select)
{
    const bool Grouped = (Select.contains("groupClause") && !Select["groupClause"].empty())
            || Select.contains("havingClause") || HasAggregate(Select.value("targetList", Json()))
            || HasAggregate(Select.value("sortClause", Json()));
    if (!Grouped)
        return;
    std::map<std::string, Json> Items;
    for (Json &Item : Select.value("groupClause", Json::array()))
        Items.emplace(Item.dump(), Item);
    for (Json &Target : Select.value("targetList", Json::array())) {
        Json *Body = BodyOf(Target, "ResTarget");
        if (Body && Body->contains("val") && !ColumnName((*Body)["val"]).empty())
            Items.emplace((*Body)["val"].dump(), (*Body)["val"]);
    }
    if (Items.empty()) {
        Select.erase("groupClause");
        return;
    }
    Json Set = Json::array();
    for (auto &Item : Items)
        Set.push_back(std::move(Item.second));
    Select["groupClause"] = std::move(Set);
}

//! The names of the FROM items in the order that * lists their columns; false where * would
//! list columns that no qualified * names (joins with USING or NATURAL merge columns).
bool FromItemNames(const Json &Item, std::vector<std::string> &Names)
{
    if (const Json *Join = BodyOf(Item, "JoinExpr")) {
        if (Join->contains("usingClause") || Join->value("isNatural", false) || Join->contains("alias"))
            return false;
        return FromItemNames(Join->value("larg", Json()), Names)
                && FromItemNames(Join->value("rarg", Json()), Names);
    }
    Names.push_back(FromItemName(Item));
    return !Names.back().empty();
}

//! The table a select-list entry takes all columns of ("t" for t.*), or "".
std::string StarTable(const Json &Target)
{
    const Json *Body = BodyOf(Target, "ResTarget");
    if (!Body || Body->contains("name") || !Body->contains("val"))
        return "";
    const Json *Column = BodyOf((*Body)["val"], "ColumnRef");
    if (!Column || !Column->contains("fields"))
        return "";
    const Json &Fields = (*Column)["fields"];
    if (Fields.size() != 2 || !Fields[1].contains("A_Star"))
        return "";
    const Json *Table = BodyOf(Fields[0], "String");
    return Table ? Table->value("sval", "") : "";
}

// "SELECT t1.*, t2.* FROM t1 JOIN t2 ON ..." is "SELECT * FROM t1 JOIN t2 ON ...": the same columns
// in the same order.
void MergeStars(Json &Select)
{
    const auto Targets = Select.find("targetList");
    const auto From = Select.find("fromClause");
    if (Targets == Select.end() || From == Select.end())
        return;
    std::vector<std::string> Tables;
    for (const Json &Item : *From)
        if (!FromItemNames(Item, Tables))
            return;
    if (Tables.size() != Targets->size())
        return;
    for (std::size_t I = 0; I < Tables.size(); ++I)
        if (StarTable((*Targets)[I]) != Tables[I])
            return;
    *Targets = Json::parse(R"([{"ResTarget": {"val": {"ColumnRef": {"fields": [{"A_Star": {}}]}}}}])");
}

//! A statement and the branches of its UNION, INTERSECT or EXCEPT (which are not wrapped as nodes).
void NormaliseSelect(Json &Select)
{
    if (Select.value("op", "SETOP_NONE") == "SETOP_NONE") {
        NormaliseGrouping(Select);
        MergeStars(Select);
        return;
    }
    for (const char *Side : { "larg", "rarg" })
        if (Select.contains(Side) && Select[Side].is_object())
            NormaliseSelect(Select[Side]);
}

//! Comparison operands and GROUP BY, bottom-up, once the qualifiers are gone.
void NormaliseOrder(Json &Node)
{
    if (Node.is_array()) {
        for (Json &Item : Node)
            NormaliseOrder(Item);
        return;
    }
    if (!Node.is_object())
        return;
    for (auto &Item : Node.items())
        NormaliseOrder(Item.value());
    if (Json *Expr = BodyOf(Node, "A_Expr"))
        OrderComparison(*Expr);
    else if (Json *Select = BodyOf(Node, "SelectStmt"))
        NormaliseSelect(*Select);
}

} // namespace

TKRPgTree ReadPgTree(const std::string &Sql)
{
    TKRPgTree Result;
    const PgQueryParseResult Parse = pg_query_parse(Sql.c_str());
    if (Parse.error)
        Result.Error = Parse.error->message ? Parse.error->message : "unknown error";
    else {
        Result.Tree = Json::parse(Parse.parse_tree);
        Result.Parsed = true;
    }
    pg_query_free_parse_result(Parse);
    return Result;
}

void NormalisePgTree(Json &Tree)
{
    NormaliseLocally(Tree);
    StripStatementQualifiers(Tree);
    NormaliseOrder(Tree);
}

// The writer names every output column uniquely (a, a comes back as a, a AS a1): a name the input
// did not give is an added alias, not another meaning. Only the outer select list is compared.
void DropAddedNames(const Json &Input, Json &Output)
{
    const auto TargetsOf = [](const Json &Tree) -> const Json * {
        if (!Tree.contains("stmts") || Tree["stmts"].empty())
            return nullptr;
        const Json *Select = BodyOf(Tree["stmts"][0]["stmt"], "SelectStmt");
        return Select != nullptr && Select->contains("targetList") ? &(*Select)["targetList"] : nullptr;
    };
    const Json *In = TargetsOf(Input);
    auto *Out = const_cast<Json *>(TargetsOf(Output));
    if (In == nullptr || Out == nullptr || In->size() != Out->size())
        return;
    for (std::size_t I = 0; I < In->size(); ++I) {
        const Json *InTarget = BodyOf((*In)[I], "ResTarget");
        Json *OutTarget = BodyOf((*Out)[I], "ResTarget");
        if (InTarget != nullptr && OutTarget != nullptr && !InTarget->contains("name"))
            OutTarget->erase("name");
    }
}

} // namespace korvan
