// SPDX-License-Identifier: MIT
// korru: the lens bench window. It takes no command line of its own (only the toolkit's options),
// reads and writes no files and keeps no settings.
// Exit status: 0 when the window is closed, 1 after a run-time error or without a display,
// 2 for an argument it does not take.
#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "view/program.h"

namespace {

bool is_set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Without a display the toolkit would abort; say so in one line instead. A platform chosen
// explicitly, by the environment or by the toolkit's -platform option, is left to the toolkit.
bool display_reachable(int argc, char** argv) {
    if (is_set("QT_QPA_PLATFORM") || is_set("DISPLAY") || is_set("WAYLAND_DISPLAY")) return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!display_reachable(argc, argv)) {
        std::cerr << "korru: no display to show the window on (DISPLAY is not set)\n";
        return 1;
    }
    QApplication app(argc, argv);  // takes the toolkit's own options out of argv
    QGuiApplication::setDesktopFileName(QStringLiteral(KORRU_APP_ID));
    if (argc > 1) {
        std::cerr << "korru: unexpected argument '" << argv[1]
                  << "': korru takes no command line\n";
        return 2;
    }
    korru::Window model;
    return korru::view::run_program(model, korru::view::primary_screen());
}
