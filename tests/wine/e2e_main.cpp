#include "wine/e2e_support.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    e2e::ParseTestPaths(argc, argv);
    if (e2e::TestPaths().zefnote.empty()) {
        fprintf(stderr, "usage: wine_e2e_tests --zefnote=PATH --samples=DIR --artifacts=DIR\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
