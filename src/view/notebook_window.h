// SPDX-License-Identifier: MIT
// The notebook of measurements in a small window of its own beside the bench: the rows as a
// table, written out as CSV for a spreadsheet, copied as a table to paste, cleared after asking,
// and plotted — b against a, or 1/b against 1/a — by the painter of the bench, the plot saved as
// PNG or SVG.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

#include "lesson/notebook.h"
#include "lesson/plot.h"

class QRadioButton;
class QTableWidget;

namespace korru::view {

class PlotWidget;

class NotebookWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows `notebook`, which must outlive the window.
    NotebookWindow(Notebook& notebook, QWidget* parent);

    // The rows have changed: the table and the plot show them as they are now.
    void show_rows();

    PlotView plot_view() const;
    void set_plot_view(PlotView view);

    // The notebook as CSV into `file`; on failure false, with why in `error`.
    bool write_csv(const QString& file, QString& error) const;
    // The plot as it is shown, as a picture and as a drawing.
    QImage plot_picture() const;
    QByteArray plot_svg() const;

  Q_SIGNALS:
    // The user cleared the rows.
    void cleared();

  private:
    void export_csv();
    void copy_table();
    void clear_rows();
    void save_plot();

    Notebook& notebook_;
    QTableWidget* table_;
    PlotWidget* plot_;
    QRadioButton* distances_;
    QRadioButton* reciprocals_;
    QString last_csv_, last_plot_;  // where the last file was written, offered again
};

}  // namespace korru::view
