// SPDX-License-Identifier: MIT
// The notebook in a window of its own beside the bench: the session's rows as a table, saved as
// CSV, copied to paste, cleared after asking, and plotted (b against a, or 1/b against 1/a) by the
// bench's painter, the plot saved as PNG or SVG. It shows the session; changes go by the window.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

#include "lesson/plot.h"
#include "lesson/session.h"

class QLabel;
class QRadioButton;
class QTableView;

namespace korru::view {

class NotebookTable;
class PlotWidget;

class NotebookWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows `session`'s notebook; the session must outlive the window.
    NotebookWindow(const Session& session, QWidget* parent);

    // The rows have changed: the table, the plot and the title show them as they are now.
    void show_rows();

    PlotView plot_view() const;
    void set_plot_view(PlotView view);

    // The notebook as CSV into `file`; on failure false, with where, why and what to do in
    // `error`.
    bool write_csv(const QString& file, QString& error) const;
    // The plot as a picture for a worksheet, and as a drawing.
    QImage plot_picture() const;
    QByteArray plot_svg() const;

  Q_SIGNALS:
    // The user asked for every row to go, and said yes when asked again.
    void clear_asked();

  private:
    void export_csv();
    void copy_table();
    void clear_rows();
    void save_plot();
    void fit_columns(int from);

    const Session& session_;
    NotebookTable* rows_;
    QTableView* table_;
    QLabel* unkept_;
    PlotWidget* plot_;
    QRadioButton* distances_;
    QRadioButton* reciprocals_;
    QString last_csv_, last_plot_;  // where the last file was written, offered again
};

}  // namespace korru::view
