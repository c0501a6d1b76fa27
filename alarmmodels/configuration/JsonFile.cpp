#include "configuration/JsonFile.h"

#include <QFile>
#include <QFileInfo>

bool JsonFile::read(const QString& path, QByteArray& text, QString& errMsg, qint64 maxBytes)
{
    const QFileInfo info(path);
    // Checked before opening: opening a named pipe waits for a writer.
    if (info.exists() && !info.isFile()) {
        errMsg = QStringLiteral("not a regular file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errMsg = QStringLiteral("cannot read: %1").arg(file.errorString());
        return false;
    }
    // Read one byte past the limit: a file may grow, or misreport its size.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        errMsg = QStringLiteral("larger than %1 bytes").arg(maxBytes);
        return false;
    }
    text = bytes;
    return true;
}
