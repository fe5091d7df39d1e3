// Test entry point: one QApplication for the whole test program, offscreen unless told otherwise.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ROOMLET_SOURCE_DIR"))
        qputenv("ROOMLET_SOURCE_DIR", ROOMLET_SOURCE_DIR);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
