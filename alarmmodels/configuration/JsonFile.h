#pragma once

#include "alarmmodels_export.h"

#include <QByteArray>
#include <QString>

// Reads the text of a stored JSON document (a configuration, a stored
// filter). Only regular files are read, and only up to a size: a device
// such as /dev/zero would fill the memory, and a named pipe would block the
// GUI thread until a writer comes.
class ALARMMODELS_EXPORT JsonFile
{
public:
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    // False with the reason in errMsg when the file is not read; callers name the file.
    static bool read(const QString& path, QByteArray& text, QString& errMsg, qint64 maxBytes = kMaxBytes);
};
