// No input may hang or crash the SELECT parser: it reads a statement or raises EKRParserError.
#include "parser/KRSelectParser.h"

#include <gtest/gtest.h>
