#include "toolbox/text_file.h"

#include <QByteArray>
#include <QFile>

bool writeTextFile(const QString& path, const std::function<bool(QIODevice&)>& write,
                   QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = file.errorString();
        return false;
    }
    if (!write(file) || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool writeText(QIODevice& out, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return out.write(bytes) == bytes.size();
}
