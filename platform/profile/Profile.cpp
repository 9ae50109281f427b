#include "platform/profile/Profile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

namespace {

struct ProfileState
{
    QString organisation = QStringLiteral("Orlek");
    QString folder; // empty: the user's configuration folder
    std::unique_ptr<QSettings> settings;
    int batchDepth = 0;
    bool batchChanged = false;
};

ProfileState& State()
{
    static ProfileState state;
    return state;
}

QSettings& Settings()
{
    ProfileState& s = State();
    if (!s.settings) {
        QString folder = s.folder;
        if (folder.isEmpty())
            folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        const QString path = folder + QLatin1Char('/') + s.organisation + QStringLiteral("/Zivra.conf");
        s.settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    return *s.settings;
}

QString Key(const char* section, const char* entry)
{
    return ToQString(CString(section)) + QLatin1Char('/') + ToQString(CString(entry));
}

// An INI line with unquoted commas reads back as a list; the profile only ever holds texts.
QString ValueText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

BOOL Synced(QSettings& settings)
{
    ProfileState& s = State();
    if (s.batchDepth > 0) {
        s.batchChanged = true;
        return TRUE;
    }
    settings.sync();
    return settings.status() == QSettings::NoError ? TRUE : FALSE;
}

// Whether the key holds exactly that text.
bool Holds(QSettings& settings, const QString& key, const QString& text)
{
    const QVariant stored = settings.value(key);
    return stored.isValid() && ValueText(stored) == text;
}

bool SectionIsEmpty(QSettings& settings, const QString& section)
{
    settings.beginGroup(section);
    const bool empty = settings.allKeys().isEmpty();
    settings.endGroup();
    return empty;
}

} // namespace

namespace Profile {

void SetRegistryKey(const char* organisation)
{
    State().organisation = ToQString(CString(organisation));
    State().settings.reset();
}

void SetDirectory(const QString& folder)
{
    State().folder = folder;
    State().settings.reset();
}

QString FilePath()
{
    return Settings().fileName();
}

int GetProfileInt(const char* section, const char* entry, int defaultValue)
{
    const QVariant value = Settings().value(Key(section, entry));
    if (!value.isValid())
        return defaultValue;
    // Like the framework, a number that does not parse whole reads as what parses of it (0 if none).
    const std::string text = ValueText(value).toStdString();
    errno = 0;
    char* end = nullptr;
    const long long n = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str())
        return 0;
    if (n > UINT_MAX || n < INT_MIN)
        return defaultValue;
    return static_cast<int>(static_cast<unsigned int>(n));
}

CString GetProfileString(const char* section, const char* entry, const char* defaultValue)
{
    const QVariant value = Settings().value(Key(section, entry));
    if (!value.isValid())
        return CString(defaultValue);
    return FromQString(ValueText(value));
}

BOOL WriteProfileInt(const char* section, const char* entry, int value)
{
    QSettings& settings = Settings();
    const QString key = Key(section, entry);
    const QString text = QString::number(value);
    if (Holds(settings, key, text))
        return TRUE;
    settings.setValue(key, text);
    return Synced(settings);
}

BOOL WriteProfileString(const char* section, const char* entry, const char* value)
{
    QSettings& settings = Settings();
    if (!entry) {
        const QString group = ToQString(CString(section));
        if (SectionIsEmpty(settings, group))
            return TRUE;
        settings.remove(group);
    } else if (!value) {
        const QString key = Key(section, entry);
        if (!settings.contains(key))
            return TRUE;
        settings.remove(key);
    } else {
        const QString key = Key(section, entry);
        const QString text = ToQString(CString(value));
        if (Holds(settings, key, text))
            return TRUE;
        settings.setValue(key, text);
    }
    return Synced(settings);
}

BOOL HasProfileEntry(const char* section, const char* entry)
{
    return Settings().contains(Key(section, entry)) ? TRUE : FALSE;
}

WriteBatch::WriteBatch()
{
    ++State().batchDepth;
}

WriteBatch::~WriteBatch()
{
    ProfileState& s = State();
    if (--s.batchDepth > 0 || !s.batchChanged)
        return;
    s.batchChanged = false;
    Settings().sync();
}

} // namespace Profile
