// The letter case of keywords and function names in generated SQL.
#pragma once

#include "framework/KRPersistent.h"

#include <cstdint>
#include <string>

namespace korvan {

enum TKRFormatMode : std::uint8_t { qfmAsIs, qfmUpperCase, qfmLowerCase, qfmFirstUpper };

//! Text in the given letter case. qfmFirstUpper capitalises the first letter and every letter
//! after "_": CHAR_LENGTH gives Char_Length, LEFT OUTER gives Left outer.
std::string ApplyFormatMode(TKRFormatMode Mode, const std::string &Text);

class TKRScriptFormat : public TPersistent
{
public:
    TKRFormatMode KeywordsFormat() const { return FKeywordsFormat; }
    void SetKeywordsFormat(TKRFormatMode Value) { FKeywordsFormat = Value; }
    TKRFormatMode FunctionsFormat() const { return FFunctionsFormat; }
    void SetFunctionsFormat(TKRFormatMode Value) { FFunctionsFormat = Value; }

    void Assign(const TPersistent *Source) override;

private:
    TKRFormatMode FKeywordsFormat = qfmAsIs;
    TKRFormatMode FFunctionsFormat = qfmAsIs;
};

} // namespace korvan
