// SPDX-License-Identifier: MIT
// The lesson beside the bench: the lesson bar, the notices and the rows not yet kept, and while
// asked for the notebook — its rows as a table (saved, copied, a row taken out or all cleared
// after asking) and plotted, the plot saved at print size. It is the band of korru's window,
// the bar at its top and the notebook under it; or, with the bench alone in korru's window, a
// window of its own, the bar at its bottom and the notebook above it. It shows the session; every
// change goes by korru's window, which makes the session's calls.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <vector>

#include "lesson/captions.h"
#include "lesson/plot.h"
#include "lesson/session.h"

class QBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace korru::view {

class LessonBarView;
class Notice;
class NotebookTable;
class PlotWidget;

class NotebookWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows `session`'s lesson, the notebook included, in a window of its own where `own_window`,
    // else as the band of `parent`; the session must outlive it.
    NotebookWindow(const Session& session, QWidget* parent, bool own_window);

    // The rows have changed: the table, the plot and the title show them as they are now.
    void show_rows();
    // The lesson's mode or the bench has changed: the bar shows what to do now.
    void show_mode();

    // The notices' line (notice.h).
    void tell(const QString& text, bool lasting);
    Notice* notice() const { return notice_; }

    // The notebook's part shown or not: without it the window is the bar and the notices.
    void show_notebook(bool shown);
    bool notebook_shown() const;
    // The keyboard to the notebook's table.
    void take_focus();
    // The window's width; without the notebook, its height follows.
    void set_width(int width);
    // The height of the bottom band, the bar and the notices, in pixels.
    int band_height() const;

    PlotView plot_view() const;
    void set_plot_view(PlotView view);

    // The notebook as CSV into `file`; on failure false, with where, why and what to do in
    // `error`.
    bool write_csv(const QString& file, QString& error) const;
    // The plot as a picture for a worksheet: kPlotPictureWidth x kPlotPictureHeight drawn at
    // twice that many pixels; and as a drawing of that size.
    QImage plot_picture() const;
    QByteArray plot_svg() const;
    // Asks where and saves the rows as CSV; whether they were saved.
    bool export_csv();

  Q_SIGNALS:
    // A button of the bar.
    void acted(korru::LessonAction action);
    // The notebook's close button or the Escape key: the notebook to be put away.
    void put_away();
    // The user asked for every row to go, and said yes when asked again.
    void clear_asked();
    // The user asked for the row `id` to go, and said yes when asked again.
    void remove_asked(korru::RowId id);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    QWidget* make_notebook_part();
    void fit_bar();
    void copy_table();
    void clear_rows();
    void remove_row();
    void save_plot();
    void fit_columns(int from);
    void fit_table();
    void size_rows(bool scrolls);

    const Session& session_;
    QWidget* notebook_part_;
    QBoxLayout* parts_;
    QLabel* title_;
    NotebookTable* rows_;
    QTableView* table_;
    std::vector<int> widths_;  // each column's width on one line
    QPushButton* remove_;
    PlotWidget* plot_;
    QRadioButton* distances_;
    QRadioButton* reciprocals_;
    QWidget* band_;
    LessonBarView* bar_;
    QLabel* unkept_;
    Notice* notice_;
    QSize notebook_size_;           // the window's size with the notebook, as last shown
    QString last_csv_, last_plot_;  // where the last file was written, offered again
};

}  // namespace korru::view
