// IIF: conditions of every kind, and the chosen value returned with its own type.
#include <gtest/gtest.h>

#include "format/IIF.h"

using namespace sindhikit;

namespace {

TEST(IIF, ChoosesByConditionAndKeepsTheType) {
    const Variant yes(std::int16_t{7}), no(u"seven");
    const struct {
        const char* name;
        Variant condition;
        bool chosen;
    } cases[] = {
        {"Null", Variant::Null(), false},
        {"Empty", Variant(), false},
        {"0", Variant(std::int32_t{0}), false},
        {"-1", Variant(std::int32_t{-1}), true},
        {"0.1", Variant(0.1), true},
        {"True", Variant(true), true},
        {"False", Variant(false), false},
        {"text true", Variant(u"TRUE"), true},
        {"text #FALSE#", Variant(u"#FALSE#"), false},
        {"text 0", Variant(u"0"), false},
        {"text 2", Variant(u" 2 "), true},
        {"currency", Variant::FromCurrency(1), true},
        {"text 1", Variant(u"1"), true},
    };
    for (const auto& c : cases) {
        Variant r = IIF(c.condition, yes, no);
        EXPECT_EQ(r, c.chosen ? yes : no) << c.name;
        EXPECT_EQ(r.type(), c.chosen ? VariantType::I2 : VariantType::String) << c.name;
    }
    EXPECT_EQ(IIF(Variant(true), Variant::Null(), yes).type(), VariantType::Null);
}

TEST(IIF, ConditionThatIsNoBooleanFails) {
    for (const char16_t* t : {u"Yes", u"", u"maybe"}) {
        try {
            IIF(Variant(t), Variant(), Variant());
            ADD_FAILURE() << "no error";
        } catch (const VariantError& e) {
            EXPECT_EQ(e.vbError(), 13);
        }
    }
}

}  // namespace
