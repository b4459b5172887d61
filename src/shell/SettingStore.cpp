// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SettingStore.h"
#include "image/Translations.h"
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace kt913 {

namespace {

// A binary value reads as the 16-bit integer of its first two bytes.
QString binaryAsText(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QString();
    const auto lo = quint8(bytes[0]);
    const auto hi = bytes.size() > 1 ? quint8(bytes[1]) : quint8(0);
    return QString::number(qint16(quint16(lo | (hi << 8))));
}

QString cutAtNul(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QByteArray fourByteValue(const QString &text)
{
    QByteArray bytes(4, '\0');
    bytes[0] = char(quint8(text.trimmed().toInt()));
    return bytes;
}

} // namespace

IniSettingStore::IniSettingStore(QString filePath) : m_path(std::move(filePath))
{
    if (m_path.isEmpty()) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        m_path = QDir(dir).filePath(QStringLiteral("kt913/kt913.ini"));
    }
}

QString IniSettingStore::readSetting(const QString &key, const QString &valueName)
{
    QSettings settings(m_path, QSettings::IniFormat);
    const QVariant v = settings.value(key + QLatin1Char('/') + valueName);
    if (!v.isValid())
        return QString();
    if (v.typeId() == QMetaType::QByteArray)
        return binaryAsText(v.toByteArray());
    if (v.typeId() == QMetaType::QString)
        return cutAtNul(v.toString());
    return QString();
}

void IniSettingStore::writeSetting(const QString &key, const QString &valueName, const QString &value)
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(key + QLatin1Char('/') + valueName, fourByteValue(value));
    settings.sync();
}

void IniSettingStore::writeTextSetting(const QString &key, const QString &valueName, const QString &value)
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(key + QLatin1Char('/') + valueName, value);
    settings.sync();
}

#ifdef Q_OS_WIN
QString RegistrySettingStore::readSetting(const QString &key, const QString &valueName)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(key.utf16()), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return QString();
    QString result;
    DWORD type = 0, size = 0;
    const auto name = reinterpret_cast<LPCWSTR>(valueName.utf16());
    if (RegQueryValueExW(handle, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size > 0) {
        QByteArray data(int(size), '\0');
        if (RegQueryValueExW(handle, name, nullptr, &type, reinterpret_cast<LPBYTE>(data.data()), &size) == ERROR_SUCCESS) {
            if (type == REG_BINARY)
                result = binaryAsText(data.left(int(size)));
            else if (type == REG_SZ)
                result = cutAtNul(QString::fromWCharArray(reinterpret_cast<const wchar_t *>(data.constData()),
                                                          int(size / sizeof(wchar_t))));
        }
    }
    RegCloseKey(handle);
    return result;
}

void RegistrySettingStore::writeSetting(const QString &key, const QString &valueName, const QString &value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(key.utf16()), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return;
    const QByteArray bytes = fourByteValue(value);
    RegSetValueExW(handle, reinterpret_cast<LPCWSTR>(valueName.utf16()), 0, REG_BINARY,
                   reinterpret_cast<const BYTE *>(bytes.constData()), DWORD(bytes.size()));
    RegCloseKey(handle);
}

void RegistrySettingStore::writeTextSetting(const QString &key, const QString &valueName, const QString &value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(key.utf16()), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return;
    // With its closing NUL, as REG_SZ wants.
    RegSetValueExW(handle, reinterpret_cast<LPCWSTR>(valueName.utf16()), 0, REG_SZ,
                   reinterpret_cast<const BYTE *>(value.utf16()), DWORD((value.size() + 1) * sizeof(char16_t)));
    RegCloseKey(handle);
}
#endif

std::unique_ptr<SettingStore> platformSettingStore()
{
    const QString overridePath = qEnvironmentVariable("KT913_SETTINGS");
    if (!overridePath.isEmpty())
        return std::make_unique<IniSettingStore>(overridePath);
#ifdef Q_OS_WIN
    return std::make_unique<RegistrySettingStore>();
#else
    return std::make_unique<IniSettingStore>();
#endif
}

Language languageFromSetting(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return Language::Chinese;
    bool ok = false;
    qlonglong number = t.toLongLong(&ok);
    if (!ok) {
        const double d = t.toDouble(&ok);
        if (!ok || !std::isfinite(d) || std::fabs(d) > 9e15)
            return Language::Chinese;
        number = qRound64(d);
    }
    // The last hexadecimal digit decides; for negative numbers that is the digit of the
    // two's complement, as the original's Hex() gave it.
    return (number & 0xF) == 0 ? Language::Chinese : Language::English;
}

Language readLanguage(SettingStore &store)
{
    const QString text = store.readSetting(QString::fromLatin1(kLanguageKey), QString::fromLatin1(kLanguageValue)).trimmed();
    // A translation is kept by its locale name; one no longer installed gives the default.
    if (isTranslationName(text))
        return useTranslation(text) ? Language::Translated : Language::Chinese;
    return languageFromSetting(text);
}

void storeLanguage(SettingStore &store, Language lang)
{
    const QString key = QString::fromLatin1(kLanguageKey), value = QString::fromLatin1(kLanguageValue);
    if (lang != Language::Translated)
        store.writeSetting(key, value, QString::number(int(lang)));
    else if (!translationInUse().isEmpty())
        store.writeTextSetting(key, value, translationInUse()); // a name, not a number
}

bool readVerifyWrites(SettingStore &store)
{
    return store.readSetting(QString::fromLatin1(kLanguageKey), QString::fromLatin1(kVerifyWritesValue)) == QLatin1String("1");
}

void storeVerifyWrites(SettingStore &store, bool on)
{
    store.writeSetting(QString::fromLatin1(kLanguageKey), QString::fromLatin1(kVerifyWritesValue), on ? QStringLiteral("1") : QStringLiteral("0"));
}

bool readPreviewWrites(SettingStore &store)
{
    return store.readSetting(QString::fromLatin1(kLanguageKey), QString::fromLatin1(kPreviewWritesValue)) == QLatin1String("1");
}

void storePreviewWrites(SettingStore &store, bool on)
{
    store.writeSetting(QString::fromLatin1(kLanguageKey), QString::fromLatin1(kPreviewWritesValue), on ? QStringLiteral("1") : QStringLiteral("0"));
}

QString readOtherPort(SettingStore &store)
{
    return store.readSetting(QString::fromLatin1(kLanguageKey), QString::fromLatin1(kOtherPortValue));
}

void storeOtherPort(SettingStore &store, const QString &path)
{
    store.writeTextSetting(QString::fromLatin1(kLanguageKey), QString::fromLatin1(kOtherPortValue), path);
}

namespace {
QString recentFileValue(int i)
{
    return QStringLiteral("RecentFile%1").arg(i + 1);
}
} // namespace

QStringList readRecentFiles(SettingStore &store)
{
    QStringList paths;
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString path = store.readSetting(QString::fromLatin1(kLanguageKey), recentFileValue(i));
        if (path.isEmpty())
            break;
        paths << path;
    }
    return paths;
}

void storeRecentFiles(SettingStore &store, const QStringList &paths)
{
    // Every value is written: one left over from a longer list would come back.
    for (int i = 0; i < kRecentFileCount; ++i)
        store.writeTextSetting(QString::fromLatin1(kLanguageKey), recentFileValue(i), paths.value(i));
}

} // namespace kt913
