// SPDX-License-Identifier: MIT
// korru: the lens bench window. It takes no command line of its own (only the toolkit's options),
// reads and writes no files and keeps no settings.
// Exit status: 0 when the window is closed, 1 after a run-time error or without a display it
// can use, 2 for an argument it does not take.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "view/program.h"

namespace {

const char* value_of(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

bool platform_option(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

// The display the toolkit will try, as the user set it.
std::string display_named() {
    std::string named;
    if (const char* platform = value_of("QT_QPA_PLATFORM")) {
        named = std::string("the platform '") + platform + "'";
    }
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const char* display = value_of(variable)) {
            if (!named.empty()) named += " with ";
            named += std::string("the display '") + display + "' (" + variable + ")";
        }
    }
    return named.empty() ? "the display given on the command line" : named;
}

bool connecting = true;
QtMessageHandler toolkit_handler = nullptr;

// While the toolkit connects, its own complaints are held back. When it cannot go on (no server
// at that display, no platform it can use) it would abort and leave a core dump; korru says so
// in one line and ends with status 1 instead. Later messages are the toolkit's as usual.
void on_toolkit_message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (connecting && type == QtFatalMsg) {
        const std::string line = "korru: cannot show the window on " + display_named() + "\n";
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (!connecting && toolkit_handler) toolkit_handler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (!value_of("QT_QPA_PLATFORM") && !value_of("DISPLAY") && !value_of("WAYLAND_DISPLAY") &&
        !platform_option(argc, argv)) {
        std::cerr << "korru: no display to show the window on (DISPLAY is not set)\n";
        return 1;
    }
    toolkit_handler = qInstallMessageHandler(on_toolkit_message);
    QApplication app(argc, argv);  // takes the toolkit's own options out of argv
    connecting = false;
    QGuiApplication::setDesktopFileName(QStringLiteral(KORRU_APP_ID));
    if (argc > 1) {
        std::cerr << "korru: unexpected argument '" << argv[1]
                  << "': korru takes no command line\n";
        return 2;
    }
    korru::Window model;
    return korru::view::run_program(model, korru::view::primary_screen());
}
