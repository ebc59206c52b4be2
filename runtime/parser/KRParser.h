// Everything that reads and writes SELECT statements: scanner, parser and query model.
#pragma once

#include "parser/KRCollection.h"
#include "parser/KRCriterions.h"
#include "parser/KRFieldDefs.h"
#include "parser/KRFunctionDefs.h"
#include "parser/KRGroupOrder.h"
#include "parser/KRJoinDefs.h"
#include "parser/KROperators.h"
#include "parser/KRParserError.h"
#include "parser/KRSQLScanner.h"
#include "parser/KRScanner.h"
#include "parser/KRScriptFormat.h"
#include "parser/KRSelectParser.h"
#include "parser/KRTableDefs.h"
#include "parser/KRTokens.h"
