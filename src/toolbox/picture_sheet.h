#pragma once
// The style sheet of a button drawn by a picture of the resources, in the chosen language.

#include <QString>

// ":/icon/res/<picture>_<suffix>.png" as the button, the shared "pressed.png" while it is
// held down; extra goes into the normal state's rule (another image drawn over it, ...).
QString pictureButtonSheet(const QString& picture, const QString& suffix,
                           const QString& extra = QString());
