// SPDX-License-Identifier: MIT
// The view tests run on the offscreen platform with one application object for the process.
#include <gtest/gtest.h>

#include <QApplication>

#include "view/program.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korru::view::use_window_style();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
