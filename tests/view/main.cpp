// SPDX-License-Identifier: MIT
// The view tests run on the offscreen platform with one application object for the process.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "view/program.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings (the language chosen) of the tests' own, never the user's.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    korru::view::use_window_style();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
