#include "parser/KRScriptFormat.h"

#include "framework/KRText.h"

namespace korvan {

std::string ApplyFormatMode(TKRFormatMode Mode, const std::string &Text)
{
    switch (Mode) {
    case qfmUpperCase:
        return AnsiUpperCase(Text);
    case qfmLowerCase:
        return AnsiLowerCase(Text);
    case qfmFirstUpper: {
        std::string Result = AnsiLowerCase(Text);
        for (std::size_t I = 0; I < Result.size(); ++I)
            if (I == 0 || Text[I - 1] == '_')
                Result[I] = AnsiUpperCase(Result.substr(I, 1))[0];
        return Result;
    }
    case qfmAsIs:
        break;
    }
    return Text;
}

void TKRScriptFormat::Assign(const TPersistent *Source)
{
    if (const auto *Other = dynamic_cast<const TKRScriptFormat *>(Source)) {
        FKeywordsFormat = Other->FKeywordsFormat;
        FFunctionsFormat = Other->FFunctionsFormat;
        return;
    }
    TPersistent::Assign(Source);
}

} // namespace korvan
