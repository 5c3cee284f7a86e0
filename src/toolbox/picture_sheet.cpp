#include "toolbox/picture_sheet.h"

QString pictureButtonSheet(const QString& picture, const QString& suffix, const QString& extra) {
    return QString("QPushButton{border-image: url(:/icon/res/%1_%2.png);%3}"
                   "QPushButton:pressed{border-image: url(:/icon/res/pressed.png);}")
        .arg(picture, suffix, extra);
}
