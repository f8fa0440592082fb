// SPDX-License-Identifier: MIT
// korru-snapshot: starts the window model on a given screen, runs a list of clicks through the
// same handlers as the window (a scene's first, then the CLICK arguments), and writes what
// results: the model as JSON, the window as a picture, the bench as a vector drawing.
// Exit status: 0 done, 1 a run-time error of the model or a file that cannot be written,
// 2 a malformed call. Everything is computed before the first file is written.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <utility>
#include <vector>

#include "app/snapshot_args.h"
#include "commands/commands.h"
#include "lesson/session.h"
#include "window/scene_json.h"

#ifdef KORRU_SNAPSHOT_PICTURES
#include <QApplication>
#include <QBuffer>

#include "view/snapshot.h"
#endif

namespace {

// Each output as the file it goes to ("-": standard output) and its bytes.
using Outputs = std::vector<std::pair<std::string, std::string>>;

bool write_file(const std::string& file, const std::string& bytes) {
    if (file == "-") {
        std::cout << bytes << std::flush;
        return static_cast<bool>(std::cout);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) std::cerr << "korru-snapshot: cannot write " << file << "\n";
    return static_cast<bool>(out);
}

#ifdef KORRU_SNAPSHOT_PICTURES
// Pictures are made by the window's own widgets and painting, on the offscreen platform unless
// another one was chosen, one pixel to a device-independent pixel: the window and the bench as
// the window shows the session, a prediction's hidden answer too.
void add_pictures(const korru::SnapshotArgs& args, korru::Session& session, Outputs& out) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    char name[] = "korru-snapshot";
    char* qt_argv[] = {name, nullptr};
    QApplication app(qt_argc, qt_argv);
    if (args.png) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        korru::view::window_picture(session).save(&buffer, "PNG");
        out.emplace_back(*args.png, png.toStdString());
    }
    if (args.svg) out.emplace_back(*args.svg, session.bench_svg(korru::view::svg_look()));
}
#endif

}  // namespace

int main(int argc, char** argv) {
    using namespace korru;
    const std::vector<std::string_view> raw(argv + (argc > 0 ? 1 : 0), argv + argc);
    SnapshotArgs args;
    try {
        args = parse_snapshot_args(raw);
    } catch (const UsageError& e) {
        std::cerr << "korru-snapshot: " << e.what() << "\n";
        return 2;
    }
    if (args.help) {
        std::cout << snapshot_usage();
        return 0;
    }
    if (args.version) {
        std::cout << "korru-snapshot " KORRU_VERSION "\n";
        return 0;
    }
    if (args.list_clicks) {
        for (std::string_view name : step_names()) std::cout << name << '\n';
        return 0;
    }
#ifndef KORRU_SNAPSHOT_PICTURES
    if (args.png || args.svg) {
        std::cerr << "korru-snapshot: pictures need the window toolkit, not built here\n";
        return 2;
    }
#endif

    const ScreenSize screen = ScreenSize::from_pixels(args.width_px, args.height_px);
    Window w;
    Session session(w, [](std::string_view text) { return std::string(text); });
    try {
        session.start(screen, args.steps);
        if (args.projector) session.set_look(BenchLook::projector);
    } catch (const RuntimeError& e) {
        std::cerr << "korru-snapshot: " << e.what() << "\n";
        return 1;
    }
    Outputs out;
    if (args.json) out.emplace_back(*args.json, session.json());
#ifdef KORRU_SNAPSHOT_PICTURES
    if (args.png || args.svg) add_pictures(args, session, out);
#endif
    for (const auto& [file, bytes] : out) {
        if (!write_file(file, bytes)) return 1;
    }
    return 0;
}
