#include "tests/support/test_machine.h"

namespace testing_support {

void TestMachine::Put(const std::string& path, const std::string& bytes) const {
    ASSERT_TRUE(P().files().WriteFile(path, bytes)) << "cannot write " << path;
}

std::string TestMachine::Get(const std::string& path) const {
    auto bytes = P().files().ReadFile(path);
    EXPECT_TRUE(bytes.has_value()) << "cannot read " << path;
    return bytes.value_or(std::string());
}

}  // namespace testing_support
