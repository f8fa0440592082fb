// SPDX-License-Identifier: MIT
// The program's run.
#include "view/program.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "view/language.h"
#include "view/main_window.h"
#include "view/twips.h"

namespace korru::view {

void use_window_style() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
}

ScreenSize primary_screen() {
    const QSize size = QGuiApplication::primaryScreen()->size();
    return ScreenSize::from_pixels(size.width(), size.height());
}

int run_program(Window& model, ScreenSize screen) {
    use_window_style();
    use_system_language();
    try {
        start_up(model, screen);
    } catch (const RuntimeError& e) {
        report_error(nullptr, e);
        return 1;
    }
    MainWindow window(model);
    window.show();
    return QApplication::exec();
}

}  // namespace korru::view
