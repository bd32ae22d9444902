#pragma once

#include <QString>

namespace orvanta {

// QFileDialog reads the user's QtProject.conf when it is made (last folder, folders visited,
// view) and writes it back when it goes, whichever dialog it shows. The program keeps
// nothing between runs, so while one of these lives the user's Qt settings are looked for
// below a device file, where no folder can be made, not even by root.
class UnsavedDialogSettings {
public:
    UnsavedDialogSettings();
    ~UnsavedDialogSettings();
    UnsavedDialogSettings(const UnsavedDialogSettings&) = delete;
    UnsavedDialogSettings& operator=(const UnsavedDialogSettings&) = delete;

private:
    const QString m_userFolder;
};

} // namespace orvanta
