#include "host/runtime/runtime_error.h"

#include <gtest/gtest.h>

using namespace host::runtime;

TEST(RuntimeError, CarriesNumberAndNamesTheDetail) {
    RuntimeError e(ErrorNumber::DuplicateKey, "key \"A\"");
    EXPECT_EQ(e.code(), 457);
    EXPECT_NE(std::string(e.what()).find("key \"A\""), std::string::npos);
}
