// SPDX-License-Identifier: MIT
// korru: the lens bench window. Its command line: --scene TEXT (the clicks to start with, as
// the window copies a scene, or the page's link to one), --bench-only, --export-notebook FILE,
// --help and --version, and the toolkit's own options. It keeps the notebook of measurements in
// the user's data folder, and the language and the bench's window alone in its settings.
// --help speaks the window's language (the one chosen in its menu, else the system's), but
// under the C locale, whose terminal may show no more than ASCII: English there.
// Exit status: 0 when the window is closed (or after --help, --version or the notebook
// exported), 1 after a run-time error, without a display it can use, where the notebook could
// not be exported, or when the window ended with rows of the notebook not kept, 2 for an
// argument it does not take.
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "view/language.h"
#include "view/notebook_export.h"
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

// The program's own options. --help, --version and --export-notebook are answered before the
// toolkit is started, so without a display too. Their words are the catalogue's.
const char* const kDescription =
    QT_TRANSLATE_NOOP("korru", "光学台の上で、薄い凸レンズが光源の像をつくります。");
const char* const kUsage = QT_TRANSLATE_NOOP("korru", "使い方: %1 [オプション]");
const char* const kOptionsHeading = QT_TRANSLATE_NOOP("korru", "オプション:");

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct Options {
    QCommandLineOption scene{
        QStringLiteral("scene"),
        text(QT_TRANSLATE_NOOP("korru",
                               "場面のクリックから始めます。光学台のメニューがコピーする文字列 "
                               "(kosen.mr*24.fmove(0)) か、ページのその場面へのリンクです。")),
        QStringLiteral("TEXT")};
    QCommandLineOption bench_only{
        QStringLiteral("bench-only"),
        text(QT_TRANSLATE_NOOP("korru",
                               "授業のバーと測定ノートを並べず、光学台のウィンドウだけを表示します "
                               "(光学台のメニューでも選べます)。"))};
    QCommandLineOption export_notebook{
        QStringLiteral("export-notebook"),
        text(QT_TRANSLATE_NOOP("korru",
                               "保存された測定ノートを、そのウィンドウが保存するのと同じ CSV で "
                               "FILE に書き出して終わります ('-' なら標準出力)。")),
        QStringLiteral("FILE")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            text(QT_TRANSLATE_NOOP("korru", "このヘルプを表示して終わります。"))};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        text(QT_TRANSLATE_NOOP("korru", "バージョンを表示して終わります。"))};

    explicit Options(QCommandLineParser& parser) {
        parser.addOptions({scene, bench_only, export_notebook, help, version});
    }
};

// The help in the window's language, laid out as the toolkit lays out its own.
QString help_text(const Options& options) {
    using korru::view::translated;
    QString out = translated(kUsage).arg(QStringLiteral("korru")) + QLatin1Char('\n') +
                  translated(kDescription) + QStringLiteral("\n\n") + translated(kOptionsHeading) +
                  QLatin1Char('\n');
    std::vector<std::pair<QString, QString>> rows;
    qsizetype widest = 0;
    for (const QCommandLineOption* o :
         {&options.scene, &options.bench_only, &options.export_notebook, &options.help,
          &options.version}) {
        QStringList names;
        for (const QString& name : o->names()) {
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        }
        QString left = names.join(QStringLiteral(", "));
        if (!o->valueName().isEmpty()) left += QStringLiteral(" <") + o->valueName() + u'>';
        widest = std::max(widest, left.size());
        rows.emplace_back(left, translated(o->description().toStdString()));
    }
    for (const auto& [left, description] : rows) {
        out += QStringLiteral("  ") + left.leftJustified(widest + 2) + description + u'\n';
    }
    return out;
}

// Answers --help or --version; returns whether it did.
bool answered(int argc, char** argv, const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.help)) {
        std::optional<QCoreApplication> app;  // for the catalogue, where the toolkit is not up
        if (!QCoreApplication::instance()) app.emplace(argc, argv);
        if (QLocale::system().language() == QLocale::C) {
            korru::view::use_language(*korru::language_of_tag("en"));
        } else {
            korru::view::use_system_language();
        }
        std::cout << help_text(options).toStdString() << std::flush;
        return true;
    }
    if (parser.isSet(options.version)) {
        std::cout << "korru " KORRU_VERSION "\n" << std::flush;
        return true;
    }
    return false;
}

// Qt's one line on a command line it could not read, as korru says it: "unknown option 'x'".
std::string refusal(const QCommandLineParser& parser) {
    QString text = parser.errorText();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    if (!text.isEmpty()) text[0] = text[0].toLower();
    return text.toStdString();
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

// Exports the kept notebook, which asks for no other option and no display.
int export_notebook(int argc, char** argv, const QCommandLineParser& parser,
                    const Options& options) {
    if (parser.isSet(options.scene) || parser.isSet(options.bench_only) ||
        !parser.positionalArguments().isEmpty()) {
        std::cerr << "korru: --export-notebook takes no other option or argument\n";
        return 2;
    }
    QCoreApplication app(argc, argv);  // for the catalogue of the user's language
    // A reader gone from the pipe is a write that failed, said so, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
    return korru::view::export_notebook(parser.value(options.export_notebook), std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit makes a write fail, said as a full disk, rather than end the program and
    // the rows on its screen with it.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationName(QStringLiteral("korru"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORRU_VERSION));
    QCommandLineParser parser;
    const Options options(parser);
    QStringList raw;
    for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
    // A line with the toolkit's options in it is read once the toolkit has taken them out; an
    // export takes none of them.
    if (parser.parse(raw)) {
        if (answered(argc, argv, parser, options)) return 0;
        if (parser.isSet(options.export_notebook)) {
            return export_notebook(argc, argv, parser, options);
        }
    } else if (raw.filter(QStringLiteral("--export-notebook")).size() > 0) {
        std::cerr << "korru: " << refusal(parser) << "\n";
        return 2;
    }

    if (!value_of("QT_QPA_PLATFORM") && !value_of("DISPLAY") && !value_of("WAYLAND_DISPLAY") &&
        !platform_option(argc, argv)) {
        std::cerr << "korru: no display to show the window on (DISPLAY is not set)\n";
        return 1;
    }
    toolkit_handler = qInstallMessageHandler(on_toolkit_message);
    QApplication app(argc, argv);  // takes the toolkit's own options out of argv
    connecting = false;
    QGuiApplication::setDesktopFileName(QStringLiteral(KORRU_APP_ID));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "korru: " << refusal(parser) << "\n";
        return 2;
    }
    if (answered(argc, argv, parser, options)) return 0;
    if (const QStringList left = parser.positionalArguments(); !left.isEmpty()) {
        std::cerr << "korru: unexpected argument '" << left.first().toStdString()
                  << "': korru takes only --scene, --bench-only, --export-notebook, --help and "
                     "--version\n";
        return 2;
    }
    korru::view::Start start;
    start.scene = parser.value(options.scene).toStdString();
    start.keep_notebook = true;
    const auto shown = korru::view::program_screen(parser.isSet(options.bench_only) ||
                                                   korru::view::bench_only_kept());
    start.band = shown.band;
    korru::Window model;
    return korru::view::run_program(model, shown.screen, start);
}
