// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text laid out in a terminal's columns: Chinese characters take two columns each, so
// widths are counted as the terminal shows them, not in characters.
#include <QString>
#include <QStringList>

namespace kt913::cli {

// The columns `text` takes on a terminal.
int displayWidth(const QString &text);
// `text` followed by spaces up to `width` columns (nothing cut when it is wider).
QString padToWidth(const QString &text, int width);
// `text` broken between words into lines of at most `width` columns; the first line
// begins with `first`, the others with `indent` spaces. A word longer than a line
// stands alone on its own.
QStringList wrapWords(const QString &text, const QString &first, int indent, int width);

} // namespace kt913::cli
