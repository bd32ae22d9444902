#include "ui/qt/UnsavedDialogSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace orvanta {

namespace {

// Qt names the folder it keeps user settings in only through a settings file's name.
QString userFolder()
{
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QtProject"));
    return QFileInfo(probe.fileName()).absolutePath();
}

} // namespace

UnsavedDialogSettings::UnsavedDialogSettings() : m_userFolder(userFolder())
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null/unsaved"));
}

UnsavedDialogSettings::~UnsavedDialogSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_userFolder);
}

} // namespace orvanta
