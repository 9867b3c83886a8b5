// Runs after regsvr32 /u: no key of the server may remain.
#include "RegistryKeys.h"

namespace tavrocodes::testing {
namespace {

TEST(Unregistered, NoKeyOfTheServerRemains) {
    for (const std::wstring& key : OwnKeys()) {
        EXPECT_FALSE(ClassesRootKeyExists(key)) << ::testing::PrintToString(key) << " is still there";
    }
}

}  // namespace
}  // namespace tavrocodes::testing
