// Everything that reads and writes SELECT statements: scanner, parser and query model.
#pragma once

#include "parser/KRParserError.h"
#include "parser/KRSQLScanner.h"
#include "parser/KRScanner.h"
#include "parser/KRTokens.h"
