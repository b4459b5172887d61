// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial trace for support requests: every frame the program sends and every piece of
// input a receive event takes, one line each, flushed as it is written:
//
//   2026-12-08T09:15:02.117 /dev/ttyUSB0 TX 50 52 4F 47 52 41 4D
//   2026-12-08T09:15:02.131 /dev/ttyUSB0 RX 06
//
// local time with milliseconds, the port, TX (sent) or RX (received), the bytes in
// hexadecimal. Lines beginning with '#' are remarks. A trace that cannot be written is
// reported once (failed) and then left off; the transfers go on without it.
#include "image/Language.h"
#include <QFile>
#include <QObject>

namespace kt913 {

class SerialTrace : public QObject {
    Q_OBJECT
public:
    enum class Direction { Sent, Received };

    // `program` names the writer in the first line ("kt913-cli").
    SerialTrace(QString path, QString program, QObject *parent = nullptr);

    // Creates (or empties) the file. False, with failed() emitted, when it cannot.
    bool open();
    void record(const QString &port, Direction direction, const QByteArray &bytes);
    void remark(const QString &text);

    QString path() const { return m_path; }
    bool failedOnce() const { return m_failed; }

    // The sentence for failed(): which file, why, and that the transfer goes on.
    static QString failureText(const QString &path, const QString &reason, Language lang);

signals:
    void failed(const QString &reason);

private:
    void writeLine(const QByteArray &line);
    void fail();

    QString m_path, m_program;
    QFile m_file;
    bool m_failed = false;
};

} // namespace kt913
