// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text box whose key filter and length limit apply to what the user types or pastes
// only. QLineEdit's own maximum length would also cut a text the program puts in (a
// decoded value longer than the box may be typed), so the limit is kept here instead.
#include "image/ChannelEditRules.h"
#include <QLineEdit>

namespace kt913 {

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(KeyFilter filter, int maxLength, QWidget *parent = nullptr);

    // Text as the program sets it: never filtered or cut.
    void setProgramText(const QString &text);
    int typingLimit() const { return m_maxLength; }
    KeyFilter filter() const { return m_filter; }
    // A null filter takes every character; a limit of 0 none.
    void setFilter(KeyFilter filter, int maxLength)
    {
        m_filter = filter;
        m_maxLength = maxLength;
    }

private:
    void userEdited(const QString &text);

    KeyFilter m_filter;
    int m_maxLength;
    QString m_accepted; // the text as it stood before the user's latest edit
};

} // namespace kt913
