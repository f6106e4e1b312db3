// GUI tests run inside the programs' own application object, on the offscreen platform (also
// while CTest lists the tests, when the test environment is not yet in force).
#include <gtest/gtest.h>

#include "platform/qt/TQvApplication.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    qv::TQvApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
