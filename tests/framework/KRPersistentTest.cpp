#include "framework/KRPersistent.h"

#include "framework/KRStrings.h"

#include <gtest/gtest.h>
#include <string>

using namespace korvan;

namespace {

class TTwoStage : public TPersistent
{
public:
    void AfterConstruction() override { Stage = Describe(); }
    virtual std::string Describe() const { return "base"; }
    std::string Stage = "built";
};

class TLateStage : public TTwoStage
{
public:
    std::string Describe() const override { return "descendant"; }
};

template <class T>
class TBox : public TPersistent
{
};

} // namespace

TEST(KRPersistent, ConstructRunsAfterConstructionWithTheDescendantsOverrides)
{
    EXPECT_EQ(Construct<TLateStage>()->Stage, "descendant");
    EXPECT_EQ(TLateStage().Stage, "built");
}

TEST(KRPersistent, ClassNameDropsOnlyTheOutermostScope)
{
    const TStringList List;
    const TPersistent &AsBase = List;
    EXPECT_EQ(AsBase.ClassName(), "TStringList");
    EXPECT_EQ(TLateStage().ClassName(), "TLateStage");
    EXPECT_EQ(TBox<TStringList>().ClassName(), "TBox<korvan::TStringList>");
}
