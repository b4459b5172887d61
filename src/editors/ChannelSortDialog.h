// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question before a sort: by which key, and in which order.
#include "image/ChannelArrange.h"
#include "image/Language.h"
#include <QDialog>

class QComboBox;

namespace kt913 {

class ChannelSortDialog : public QDialog {
    Q_OBJECT
public:
    ChannelSortDialog(Language lang, SortKey key, bool descending, QWidget *parent = nullptr);

    SortKey key() const;
    bool descending() const;

private:
    QComboBox *m_key;
    QComboBox *m_order;
};

} // namespace kt913
