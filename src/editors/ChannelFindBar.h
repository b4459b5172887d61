// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The find bar over the channel grids: what to look for (a frequency, a name or a tone),
// the next and previous match, and a line that says what was found. Enter goes to the
// next match, Escape closes the bar and gives the grid back the focus.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kt913 {

class ChannelFindBar : public QWidget {
    Q_OBJECT
public:
    explicit ChannelFindBar(QWidget *parent = nullptr);

    QString text() const;
    QLineEdit *textBox() const { return m_text; }
    // Shows the bar with the focus in its text, selected for typing over.
    void open();
    // The outcome of a search, on the bar's line and to a screen reader.
    void showResult(const QString &result);

signals:
    void findNext();
    void findPrevious();
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_label;
    QLineEdit *m_text;
    QPushButton *m_previous, *m_next, *m_close;
    QLabel *m_result;
};

// Puts `text` on `line` and has a screen reader say it, as it does for an alert.
void announce(QLabel *line, const QString &text);

} // namespace kt913
