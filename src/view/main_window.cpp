// SPDX-License-Identifier: MIT
// The window's widgets, built from the window definition and placed from the model.
#include "view/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "lesson/captions.h"
#include "view/accessible.h"
#include "view/bench_widget.h"
#include "view/colour.h"
#include "view/fonts.h"
#include "view/language.h"
#include "view/notebook_window.h"
#include "view/notice.h"
#include "view/panel.h"
#include "view/pictures.h"
#include "view/placement.h"
#include "view/quit_question.h"
#include "view/twips.h"
#include "view/worksheet.h"
#include "window/layout.h"

namespace korru::view {

namespace {

// A fixed frame with a title bar offering only minimize and close.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void set_text_colour(QLabel* label, Rgb rgb) {
    if (rgb == kStandard) return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour(rgb));
    label->setPalette(palette);
}

}  // namespace

QMargins nominal_frame() {
    const int side = pixel_of(kNominalFrameSide);
    return {side, pixel_of(kNominalTitleBar), side, side};
}

void report_error(QWidget* parent, const RuntimeError& e) {
    QMessageBox::critical(parent, text(kMainDef.caption), QString::fromUtf8(e.what()));
}

MainWindow::MainWindow(Session& session, std::optional<LessonSide> band)
    : QWidget(nullptr, kWindowFlags), session_(session), model_(session.window()), band_(band) {
    install_accessibility();
    setObjectName(text(kMainDef.name));
    setWindowTitle(text(model_.main.caption));
    setWindowIcon(window_icon());
    setFont(window_font());
    build_items();
    set_tab_order();
    add_keys();
    add_picture_actions();
    add_lesson_actions();
    if (band_) notebook_window()->show_notebook(false);  // the bar from the start
    show_model();
    place_window();
    widgets_[static_cast<std::size_t>(Window::ids::move_away)]->setFocus();
}

void MainWindow::build_items() {
    // The window's own items first, so the panels exist before what they hold. Within each
    // container items are made from the last in the stacking order to the first, as Qt stacks a
    // widget over its older siblings.
    for (const bool in_main : {true, false}) {
        for (int id = static_cast<int>(kItemCount) - 1; id >= 0; --id) {
            const ItemDef& def = kItems[static_cast<std::size_t>(id)];
            if (def.container == "work" || (def.container == "main") != in_main) continue;
            QWidget* parent =
                in_main ? this : widgets_[static_cast<std::size_t>(item_id(def.container))];
            widgets_[static_cast<std::size_t>(id)] = make_widget(id, parent);
        }
    }
    // Labels lie on their container's surface, beneath its panels, buttons and bench area.
    for (std::size_t id = 0; id < kItemCount; ++id) {
        if (widgets_[id] && kItems[id].kind == Kind::label) widgets_[id]->lower();
    }
}

QWidget* MainWindow::make_widget(int id, QWidget* parent) {
    const ItemDef& def = kItems[static_cast<std::size_t>(id)];
    const QString caption = translated(model_[id].caption);
    QWidget* w = nullptr;
    switch (def.kind) {
        case Kind::panel:
            w = new Panel(caption, def.look.fore == kStandard ? QColor() : colour(def.look.fore),
                          parent);
            break;
        case Kind::button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(false);
            w = button;
            break;
        }
        case Kind::checkbox:
            w = new QCheckBox(caption, parent);
            break;
        case Kind::option: {
            // The model keeps each pair exclusive. Were the toolkit to do it as well, the Tab key
            // would stop at only one button of each pair.
            auto* option = new QRadioButton(caption, parent);
            option->setAutoExclusive(false);
            w = option;
            break;
        }
        case Kind::label: {
            auto* label = new QLabel(caption, parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            set_text_colour(label, def.look.fore);
            w = label;
            break;
        }
        case Kind::bench:
            w = bench_ = new BenchWidget(session_, parent);
            connect(bench_, &BenchWidget::dragged, this, [this](Click c) { deliver(c); });
            connect(bench_, &BenchWidget::screen_dragged, this,
                    [this](LessonClick c) { attempt([&] { return session_.make(c); }); });
            connect(bench_, &BenchWidget::dropped, this, &MainWindow::describe_bench);
            connect(bench_, &BenchWidget::marked, this,
                    [this](BenchPoint p) { present(session_.put_mark(p)); });
            break;
        default:
            throw std::logic_error("no widget for a bench item");
    }
    w->setObjectName(text(item_label(def)));
    if (!def.speech.empty()) w->setAccessibleName(translated(def.speech));
    if (!def.hint.empty()) w->setAccessibleDescription(translated(def.hint));
    if (!def.look.font.face.empty()) w->setFont(item_font(def));
    if (const auto c = click_on(id)) {
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                [this, c = *c] { deliver(c); });
    }
    return w;
}

// The focus moves among the items that take it in the order of their tab indices.
void MainWindow::set_tab_order() {
    std::vector<int> ids;
    for (std::size_t id = 0; id < kItemCount; ++id) {
        if (widgets_[id] && (widgets_[id]->focusPolicy() & Qt::TabFocus))
            ids.push_back(static_cast<int>(id));
    }
    std::sort(ids.begin(), ids.end(), [](int a, int b) {
        return kItems[static_cast<std::size_t>(a)].tab_index <
               kItems[static_cast<std::size_t>(b)].tab_index;
    });
    for (std::size_t i = 1; i < ids.size(); ++i) {
        setTabOrder(widgets_[static_cast<std::size_t>(ids[i - 1])],
                    widgets_[static_cast<std::size_t>(ids[i])]);
    }
}

// The model's window geometry is the outer frame; the client area lies inside the frame margins.
void MainWindow::place_window() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (band_) {
        place_in(screen ? screen->availableGeometry() : QRect());
        return;
    }
    QRect outer = px_rect(model_.main);
    if (screen) outer.translate(screen->geometry().topLeft());
    const QMargins frame = frame_margins();
    setFixedSize(outer.width() - frame.left() - frame.right(),
                 outer.height() - frame.top() - frame.bottom());
    move(outer.topLeft());
}

QMargins MainWindow::frame_margins() const {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    return frame.isNull() ? nominal_frame() : frame;
}

// The bench's window stands at the client area's top-left corner, the lesson's band beside or
// below it in the rest of the room, and the whole in the middle of the area. Some window managers
// take the position asked for as the client's where it is the frame's, and put the window a
// title bar lower (openbox): once the platform tells the frame, the area's last title bar is left
// free, so that the bottom of the band stays on the screen.
void MainWindow::place_in(const QRect& area_given) {
    QRect area = area_given;
    const QMargins told = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (!told.isNull()) area.setBottom(area.bottom() - told.top());
    placed_frame_ = told;
    // The bench's window's client area as the model has it, whatever frame the platform draws.
    const QMargins frame = frame_margins();
    const QSize bench = px_rect(model_.main).size().shrunkBy(nominal_frame());
    const BandLayout laid = lay_out_band(bench, area.size().shrunkBy(frame), *band_);
    setFixedSize(laid.whole);
    notebook_window_->setGeometry(laid.band);
    const QSize spare = area.size().shrunkBy(frame) - laid.whole;
    move(area.topLeft() + QPoint(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2)));
}

// The frame the window manager draws is known once the window is shown: korru's window is placed
// again for it.
void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!band_ || !windowHandle()) return;
    const QMargins told = windowHandle()->frameMargins();
    if (!told.isNull() && told != placed_frame_) place_window();
}

void MainWindow::show_model() {
    for (std::size_t id = 0; id < kItemCount; ++id) {
        QWidget* w = widgets_[id];
        if (!w) continue;
        const Item& it = model_.items[id];
        w->setGeometry(px_rect(it));
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable()) {
            const QSignalBlocker quiet(button);
            button->setChecked(it.value == 1);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(translated(it.caption));
        }
    }
    bench_->show_scene();
    if (!bench_->dragging()) describe_bench();
}

// The bench tells a screen reader the scene (while a prediction is asked for, or in the
// experiment, what the lesson says instead); a changed description is announced as such. A drag
// is told once, where the candle or the screen is let go, not at every step on the way.
void MainWindow::describe_bench() {
    // Setting the description announces it, so only a new one is set.
    const QString scene = QString::fromStdString(session_.words());
    if (scene != bench_->accessibleDescription()) bench_->setAccessibleDescription(scene);
}

// The arrow keys do what the arrow buttons do, wherever the focus is in the window, and repeat
// while held; with Shift, while a prediction is asked for, they move its mark. As shortcuts they
// reach the window before an option button or a check box could take them for moving the focus.
void MainWindow::add_keys() {
    const std::pair<Qt::Key, Arrow> keys[] = {{Qt::Key_Left, Arrow::left},
                                              {Qt::Key_Right, Arrow::right},
                                              {Qt::Key_Up, Arrow::up},
                                              {Qt::Key_Down, Arrow::down}};
    for (const auto& [key, arrow] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setAutoRepeat(true);
        connect(shortcut, &QShortcut::activated, this,
                [this, arrow = arrow] { deliver(arrow_click(arrow)); });
        auto* mark = new QShortcut(QKeySequence(Qt::SHIFT | key), this);
        mark->setAutoRepeat(true);
        mark->setEnabled(false);
        connect(mark, &QShortcut::activated, this, [this, arrow = arrow] {
            const auto [across, down] = mark_nudge(arrow);
            present(session_.nudge_mark(across, down));
        });
        mark_keys_.push_back(mark);
    }
}

// Copy and save, from the keyboard anywhere in the window and from the bench's menu.
void MainWindow::add_picture_actions() {
    auto* copy = new QAction(translated(kCaptions.copy_picture), bench_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &MainWindow::copy_bench);
    auto* save = new QAction(translated(kCaptions.save_picture), bench_);
    save->setShortcut(QKeySequence::Save);
    save->setShortcutContext(Qt::WindowShortcut);
    connect(save, &QAction::triggered, this, &MainWindow::save_bench);
    bench_->addAction(copy);
    bench_->addAction(save);
    bench_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Cut from the whole window as it renders, so that every line falls on the same pixels as in
// the snapshot tool's window picture.
QImage MainWindow::bench_picture() {
    QImage whole(size(), QImage::Format_RGB32);
    whole.setDevicePixelRatio(1);
    render(&whole);
    return whole.copy(bench_surface());
}

void MainWindow::copy_bench() {
    QGuiApplication::clipboard()->setMimeData(pictures_mime_data(bench_picture(), bench_drawing()));
}

void MainWindow::save_bench() {
    const QString png = translated(kCaptions.png_files), svg = translated(kCaptions.svg_files);
    QString filter = png;
    const QString file =
        QFileDialog::getSaveFileName(this, translated(kCaptions.save_picture).remove(QChar(0x2026)),
                                     last_save_.isEmpty() ? QStringLiteral("lens.png") : last_save_,
                                     png + QStringLiteral(";;") + svg, &filter);
    if (file.isEmpty()) return;
    QString name = file;
    if (QFileInfo(name).suffix().isEmpty()) {
        name += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    }
    QString error;
    if (!save_picture(bench_picture(), bench_drawing(), name, error)) {
        QMessageBox::warning(this, text(kMainDef.caption), error);
        return;
    }
    last_save_ = name;
}

void MainWindow::attempt(const std::function<Outcome()>& call) {
    if (failed_) return;
    Outcome out;
    try {
        out = call();
    } catch (const RuntimeError& e) {
        // The model is left as the failing routine left it; nothing more reaches it.
        failed_ = true;
        bench_->stop_taking();
        report_error(this, e);
        QCoreApplication::exit(1);
        return;
    }
    present(out);
}

// The one path of every click and every step of the lesson.
void MainWindow::deliver(Step s) {
    if (s == Step{Click::owari} && !may_end()) return;
    attempt([&] { return session_.make(s); });
}

bool MainWindow::may_end() {
    if (ending_ || failed_ || session_.unkept_rows() == 0) return ending_ = true;
    present(session_.store_changed());
    if (session_.unkept_rows() > 0) {
        const QuitAnswer answer = ask_to_quit(this, QString::fromStdString(session_.unkept_text()));
        if (answer == QuitAnswer::stay) return false;
        if (answer == QuitAnswer::save_csv && !notebook_window()->export_csv()) return false;
    }
    return ending_ = true;
}

void MainWindow::present(const Outcome& out) {
    if (out.bench) show_model();
    // A step may change what an action can do (the screen at its end), not only the mode.
    if (out.mode || out.bench) show_mode();
    if (out.withdraw && notebook_window_) notebook_window_->notice()->pass();
    if (notebook_window_) {
        if (out.rows) notebook_window_->show_rows();
        // The bar's sentence says how far the mark is from the image: the bench's too.
        if (out.mode || out.bench) notebook_window_->show_mode();
    }
    if (out.notice) tell(QString::fromStdString(out.notice->text), out.notice->lasting);
    if (model_.unloaded) close();
}

void MainWindow::store_changed() {
    present(session_.store_changed());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!may_end()) {
        event->ignore();
        return;
    }
    // Closing the window by any means ends the program as the end button does.
    if (!model_.unloaded && !failed_) session_.make(Click::owari);
    if (notebook_window_) notebook_window_->close();
    event->accept();
}

}  // namespace korru::view
