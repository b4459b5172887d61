// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What differs between the radio and the editors: a summary ("12 channels and 3
// settings differ") over a list of each difference, from the radio to the editors. For
// Compare with Radio it only shows (Close); before a write it asks whether to write
// (Write, or Cancel, the default): accepted means write.
#include "image/Language.h"
#include "image/ModelDiff.h"
#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

namespace kt913 {

class DifferenceTableModel;

class ComparisonWindow : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Comparison, WritePreview };

    ComparisonWindow(Purpose purpose, QWidget *parent = nullptr);

    // Lists the differences and sets every text for `lang`.
    void showDifferences(const QList<ModelDifference> &differences, Language lang);
    Purpose purpose() const { return m_purpose; }
    const QList<ModelDifference> &differences() const;

    QLabel *Label1 = nullptr;       // the summary
    QLabel *Label2 = nullptr;       // the question before a write
    QTableView *Grid1 = nullptr;    // one row per difference
    QPushButton *CmdClose = nullptr;
    QPushButton *CmdWrite = nullptr;
    QPushButton *CmdCancel = nullptr;

private:
    Purpose m_purpose;
    DifferenceTableModel *m_table = nullptr;
};

} // namespace kt913
