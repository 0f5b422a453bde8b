#include <QApplication>
#include <gtest/gtest.h>

// GUI tests drive real widgets, so they need one application object.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
