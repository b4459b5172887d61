// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test executable: before main, the test gets a home, data, config and
// cache folder of its own in a temporary directory that goes when it ends. Backups of
// reads, settings and recent-file lists then never meet another test's (in parallel, or
// from the sanitizer build), and "the newest backup" is this test's. The radios and the
// command line the test starts inherit the same folders.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

class OwnFolders {
public:
    OwnFolders()
    {
        if (!m_root.isValid()) {
            std::fprintf(stderr, "no temporary folder for the test: %s\n", qPrintable(m_root.errorString()));
            std::exit(1);
        }
        // Qt's test mode keeps its files under $HOME/.qttest, which is in here too.
        use("HOME", QString());
        use("XDG_DATA_HOME", QStringLiteral(".local/share"));
        use("XDG_CONFIG_HOME", QStringLiteral(".config"));
        use("XDG_CACHE_HOME", QStringLiteral(".cache"));
        use("XDG_STATE_HOME", QStringLiteral(".local/state"));
    }

private:
    void use(const char *variable, const QString &folder)
    {
        const QString path = QDir(m_root.path()).filePath(folder);
        if (!QDir().mkpath(path)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(path));
            std::exit(1);
        }
        qputenv(variable, QFile::encodeName(QDir::cleanPath(path)));
    }

    QTemporaryDir m_root{QDir::tempPath() + QStringLiteral("/kt913-test-XXXXXX")};
};

const OwnFolders ownFolders;

} // namespace
