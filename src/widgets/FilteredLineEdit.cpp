// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FilteredLineEdit.h"

namespace kt913 {

FilteredLineEdit::FilteredLineEdit(KeyFilter filter, int maxLength, QWidget *parent)
    : QLineEdit(parent), m_filter(filter), m_maxLength(maxLength)
{
    connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::userEdited);
}

void FilteredLineEdit::setProgramText(const QString &text)
{
    setText(text);
    m_accepted = text;
}

void FilteredLineEdit::userEdited(const QString &text)
{
    // Typing, pasting, dropping and the box's own undo all arrive here; the edit is
    // what changed since the text last accepted.
    const TypedText kept = applyTypedEdit(m_accepted, text, m_filter, m_maxLength);
    m_accepted = kept.text;
    if (kept.text != text) {
        setText(kept.text);
        setCursorPosition(kept.cursor);
    }
}

} // namespace kt913
