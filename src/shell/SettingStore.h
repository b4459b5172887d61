// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one setting kept between runs, the interface language, under the key "RL-62K" and
// the value "BinaryValue". The store reads and writes it the way the registry module of
// the Windows program did; on other systems a QSettings file stands in for the registry.
#include "image/Language.h"
#include <QString>
#include <QStringList>
#include <memory>

namespace kt913 {

constexpr const char *kLanguageKey = "RL-62K";
constexpr const char *kLanguageValue = "BinaryValue";

class SettingStore {
public:
    virtual ~SettingStore() = default;
    // The value as text: a binary value as the decimal number of its first two bytes
    // (little-endian, signed), a text value up to its first NUL; empty when the key or
    // value is missing, unreadable or of another type.
    virtual QString readSetting(const QString &key, const QString &valueName) = 0;
    // Converts the text to one byte and stores it as a 4-byte binary value (the byte
    // first, then three zero bytes). Failures lose the setting silently.
    virtual void writeSetting(const QString &key, const QString &valueName, const QString &value) = 0;
    // Stores the text as a text value, as it is.
    virtual void writeTextSetting(const QString &key, const QString &valueName, const QString &value) = 0;
};

// QSettings in INI format at `filePath`; an empty path means the user's configuration
// folder (kt913/kt913.ini).
class IniSettingStore : public SettingStore {
public:
    explicit IniSettingStore(QString filePath = QString());
    QString readSetting(const QString &key, const QString &valueName) override;
    void writeSetting(const QString &key, const QString &valueName, const QString &value) override;
    void writeTextSetting(const QString &key, const QString &valueName, const QString &value) override;
    QString filePath() const { return m_path; }

private:
    QString m_path;
};

#ifdef Q_OS_WIN
// HKEY_CURRENT_USER\<key>, a 4-byte REG_BINARY value, as the original program kept it.
class RegistrySettingStore : public SettingStore {
public:
    QString readSetting(const QString &key, const QString &valueName) override;
    void writeSetting(const QString &key, const QString &valueName, const QString &value) override;
    void writeTextSetting(const QString &key, const QString &valueName, const QString &value) override;
};
#endif

// The store this platform uses. The environment variable KT913_SETTINGS names an INI
// file to use instead (test runs and side-by-side installations).
std::unique_ptr<SettingStore> platformSettingStore();

// The language a stored text means: the number's last hexadecimal digit 0 is Chinese,
// any other digit English; empty or not a number is Chinese. readLanguage also takes the
// locale name of an installed translation ("de"), and puts that translation in use;
// storeLanguage keeps the one in use by that name.
Language languageFromSetting(const QString &text);
Language readLanguage(SettingStore &store);
void storeLanguage(SettingStore &store, Language lang);

// Whether a write is read back and compared, kept next to the language (off when unset).
constexpr const char *kVerifyWritesValue = "VerifyWrites";
bool readVerifyWrites(SettingStore &store);
void storeVerifyWrites(SettingStore &store, bool on);

// Whether a write first shows what it would overwrite and asks (off when unset).
constexpr const char *kPreviewWritesValue = "PreviewWrites";
bool readPreviewWrites(SettingStore &store);
void storePreviewWrites(SettingStore &store, bool on);

// The device last chosen through "Other port", offered again the next time (empty when unset).
constexpr const char *kOtherPortValue = "OtherPort";
QString readOtherPort(SettingStore &store);
void storeOtherPort(SettingStore &store, const QString &path);

// The data files last opened or saved, newest first: one text value each, "RecentFile1"
// to "RecentFile8", ending at the first empty one.
constexpr int kRecentFileCount = 8;
QStringList readRecentFiles(SettingStore &store);
void storeRecentFiles(SettingStore &store, const QStringList &paths);

} // namespace kt913
