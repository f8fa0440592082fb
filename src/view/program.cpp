// SPDX-License-Identifier: MIT
// The program's run.
#include "view/program.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <iostream>

#include "lesson/scene_text.h"
#include "view/kept_notebook.h"
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

int run_program(Window& model, ScreenSize screen, const Start& start) {
    use_window_style();
    use_system_language();
    try {
        start_up(model, screen);
    } catch (const RuntimeError& e) {
        report_error(nullptr, e);
        return 1;
    }
    MainWindow window(model);
    QStringList told;
    if (start.keep_notebook) told << window.keep_notebook_in(kept_notebook_file());
    const SceneRead scene = read_scene(start.scene);
    told << QString::fromStdString(scene_fault_text(scene, translated_utf8));
    told.removeAll(QString());
    std::vector<Click> clicks;
    for (const Step& s : scene.steps) {
        if (const Click* c = std::get_if<Click>(&s)) clicks.push_back(*c);
    }
    window.play(clicks);
    if (window.failed()) return 1;
    window.show();
    if (!told.isEmpty()) window.tell(told.join(QLatin1Char('\n')), true);
    for (const QString& line : told) std::cerr << "korru: " << line.toStdString() << "\n";
    return QApplication::exec();
}

}  // namespace korru::view
