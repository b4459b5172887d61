// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The FM radio channel window: the 25 broadcast channels and the FM radio's state. The
// grid shows the model's FM cells directly; OK makes the cells and the controls the FM
// state that the encoder writes, Cancel only hides the window.
#include <QWidget>
#include <memory>

class QLabel;
class QTableView;
class QTimer;

namespace kt913 {

class FilteredLineEdit;
class FmGridModel;
class FormBinder;
class RadioModel;

class FmEditor : public QWidget {
    Q_OBJECT
public:
    explicit FmEditor(RadioModel &model, QWidget *parent = nullptr);
    ~FmEditor() override;

    QTableView *grid() const { return MSFGrid; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    // The in-cell editor and the out-of-range message line (FmEditing.cpp).
    void openCellEditor(int row);
    void commitTextBox();
    QString Text2_Leave(const QString &text);
    void showOutOfRange();
    void countHintTick();
    void acceptAndClose();
    void closeWithoutApplying();
    void hideWindow();

    RadioModel &m_model;
    std::unique_ptr<FmGridModel> m_gridModel;
    FormBinder *m_binder = nullptr;
    QTableView *MSFGrid = nullptr;
    FilteredLineEdit *Text1 = nullptr; // the grid's in-cell editor, hidden between edits
    QLabel *Label2 = nullptr;          // the out-of-range message line
    QTimer *Timer1 = nullptr;          // hides the message line after four ticks
    int EditRow = 0;                   // grid row 0..24 of the cell being edited
    int m_ticks = 0;
    bool m_cancelling = false;         // Escape: the editor goes without committing
};

} // namespace kt913
