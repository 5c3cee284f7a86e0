#include "views/stale_look.h"

#include <QBoxLayout>
#include <QGraphicsColorizeEffect>
#include <QLabel>

namespace {
// Amber on pale yellow: it must catch the eye beside the greyed frame.
const char* const kCaptionCss = "QLabel{color: #6b4e00; background-color: #fff4ce;"
                                "border: 1px solid #d9a400; border-radius: 3px; padding: 1px 8px;}";
} // namespace

QLabel* addStaleCaption(QWidget* parent, QBoxLayout* layout) {
    QLabel* caption = makeStaleCaption(parent);
    layout->insertWidget(0, caption);
    return caption;
}

QLabel* makeStaleCaption(QWidget* parent) {
    auto* caption = new QLabel(parent);
    caption->setObjectName("StaleCaptionLab");
    caption->setStyleSheet(kCaptionCss);
    QFont font("Arial", 10);
    font.setBold(true);
    caption->setFont(font);
    caption->hide();
    return caption;
}

void showStale(QWidget* frame, QLabel* caption, const QString& text) {
    caption->setText(text);
    caption->setVisible(!text.isEmpty());
    if (!frame) {
        return;
    }
    if (text.isEmpty()) {
        frame->setGraphicsEffect(nullptr); // deletes the effect
        return;
    }
    if (isGreyed(frame)) {
        return;
    }
    auto* grey = new QGraphicsColorizeEffect; // owned by the frame
    // Grey scale, lightened a little: still readable, plainly not live.
    grey->setColor(QColor(40, 40, 40));
    grey->setStrength(1.0);
    frame->setGraphicsEffect(grey);
}

bool isGreyed(const QWidget* frame) {
    return frame->graphicsEffect() != nullptr;
}
