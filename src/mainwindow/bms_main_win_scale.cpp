// Window scaling: the form is laid out for 1920 x 1080; every widget is fitted to the
// screen's available area by the two rates, with smaller fonts on small screens.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/window_geometry.h"
#include "ui_bms_main_win.h"

#include <QDebug>
#include <QFontInfo>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>

void BMSMainWin::OnDeskTopResize(QRect windSize) {
    qDebug() << "windowwidth" << windSize.width() << " height:" << windSize.height()
             << "width:" << width() << "height:" << height();
    const ScreenRates r = screenRates(windSize.width(), windSize.height());
    m_widthRate = r.width;
    m_heightRate = r.height;
    qDebug() << "rate:" << m_widthRate << "hightrate:" << m_heightRate;
    ScaleWidgets(this, m_widthRate, m_heightRate);
    // The bars are laid out by the window itself; a scaled minimum only squeezes their text.
    statusBar()->setMinimumSize(0, 0);
    menuBar()->setMinimumSize(0, 0);
    scaleViews();
    // The layouts still hold the sizes they measured at the form's own fonts and minimums;
    // taken as they are when the window is first shown, they would make it wider than the
    // screen (1150 px at 1024 x 768).
    const auto layouts = findChildren<QLayout*>();
    for (QLayout* layout : layouts)
        layout->invalidate();
    resize(int(m_widthRate * 1920), int(m_heightRate * 1000));
    // The logo fills its button on every screen, not only on the smallest.
    ui->LogoToolBtn->setIconSize(ui->LogoToolBtn->size());
    qDebug() << "BattInfoWid:" << ui->BattInfoWid->size();
}

namespace {
QSize baseMinimumSize(QWidget* w) {
    const char* const key = "nbFormMinimumSize";
    const QVariant kept = w->property(key);
    if (kept.isValid())
        return kept.toSize();
    w->setProperty(key, w->minimumSize());
    return w->minimumSize();
}
} // namespace

void BMSMainWin::ScaleWidgets(QObject* parent, double widthRate, double heightRate) {
    const int points = scaledFontPointSize(widthRate);
    const auto children = parent->children();
    for (QObject* child : children) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        qDebug() << "before pwdiname:" << w->objectName() << "pwidegt x:" << w->x()
                 << "pwidget y:" << w->y() << "pwidget:" << w->size()
                 << "pwidget geometry:" << w->geometry();
        if (points > 0) {
            // Fixed-width texts (the unit's padded configuration listing) keep their family,
            // or their columns no longer line up; only the size follows the screen.
            QFont font("Arial", points);
            if (QFontInfo(w->font()).fixedPitch()) {
                font = w->font();
                font.setPointSize(points);
            }
            w->setFont(font);
        }
        // The battery views get no ceiling in the small bands: one taken from their size
        // before the first layout (640 x 237) held the detail view to 239 px at 1024 x 768
        // and squeezed its chart to nothing; the page's 2:3 stretch shares the height.
        w->setGeometry(int(w->x() * widthRate), int(w->y() * heightRate),
                       int(w->width() * widthRate), int(w->height() * heightRate));
        // The form is laid out by layouts, so a widget's size before the window is shown
        // says nothing; its minimum is what the layouts honour. Scale the minimum the form
        // gave it (kept from the first visit), so a second change of the screen area does
        // not shrink the form again.
        const QSize base = baseMinimumSize(w);
        w->setMinimumSize(int(base.width() * widthRate), int(base.height() * heightRate));
        qDebug() << "after pwdiname:" << w->objectName() << "pwidegt x:" << w->x()
                 << "pwidget y:" << w->y() << "pwidget:" << w->size()
                 << "pwidget geometry:" << w->geometry();
        ScaleWidgets(w, widthRate, heightRate);
    }
}
