// Window scaling: the form is laid out for 1920 x 1080; every widget is fitted to the
// screen's available area by the two rates, with smaller fonts on small screens.
#include "mainwindow/bms_main_win.h"

#include "mainwindow/window_geometry.h"
#include "ui_bms_main_win.h"

#include <QDebug>
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
    resize(int(m_widthRate * 1920), int(m_heightRate * 1000));
    scaleViews();
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
    const int band = smallScreenBand(widthRate);
    const auto children = parent->children();
    for (QObject* child : children) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        qDebug() << "before pwdiname:" << w->objectName() << "pwidegt x:" << w->x()
                 << "pwidget y:" << w->y() << "pwidget:" << w->size()
                 << "pwidget geometry:" << w->geometry();
        if (points > 0)
            w->setFont(QFont("Arial", points));
        if (band > 0 && w == ui->BattInfoWid) {
            w->resize(int(w->width() * widthRate), int(w->height() * heightRate));
            const double tall = band == 1 ? 1.8 : 2.0;
            w->setMaximumSize(int(w->width() * widthRate * 1591),
                              int(w->height() * heightRate * tall));
            w->setMinimumSize(int(w->width() * widthRate), int(w->height() * heightRate));
        }
        if (band == 1 && w == ui->BattGroupWid) {
            w->setMaximumSize(int(w->width() * widthRate * 1591),
                              int(w->height() * heightRate * 1.5));
            w->setMinimumSize(int(w->width() * widthRate), int(w->height() * heightRate));
        }
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
