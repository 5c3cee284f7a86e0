#include "upgrade/wait_config.h"

#include "ui_wait_config.h"
#include "upgrade/upgrade_constants.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

WaitConfig::WaitConfig(QWidget* parent) : QWidget(parent), ui(new Ui::WaitConfig) {
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose, false);
    m_clockLab = new QLabel(this);
    m_clockLab->setObjectName("ClockLab");
    m_clockLab->setAlignment(Qt::AlignCenter);
    m_clockLab->setFont(ui->TransLab->font());
    ui->gridLayout->addWidget(m_clockLab, 1, 0);
    m_clockTick = new QTimer(this);
    m_clockTick->setInterval(Upgrade::kFlashClockTickMs);
    connect(m_clockTick, &QTimer::timeout, this, &WaitConfig::showClock);
}

void WaitConfig::followClock(QTimer* wait) {
    m_wait = wait;
    showClock();
}

void WaitConfig::showClock() {
    // A wait that ended (or went with its login) keeps its last reading.
    if (!m_wait || !m_wait->isActive()) {
        if (!m_wait)
            m_clockLab->clear();
        return;
    }
    const int longest = m_wait->interval();
    const FlashClock clock = flashClock(longest - m_wait->remainingTime(), longest);
    m_clockLab->setText(
        tr("%1 of %2", "time waited of the longest wait").arg(clock.elapsed, clock.longest));
}

QString WaitConfig::clockText() const {
    return m_clockLab->text();
}

void WaitConfig::showEvent(QShowEvent* event) {
    showClock();
    m_clockTick->start();
    QWidget::showEvent(event);
}

void WaitConfig::hideEvent(QHideEvent* event) {
    m_clockTick->stop();
    QWidget::hideEvent(event);
}

WaitConfig::~WaitConfig() {
    delete ui;
}

void WaitConfig::setNotice(UpgradeTarget target) {
    m_target = target;
    showNotice();
}

void WaitConfig::showNotice() {
    ui->TransLab->setText(m_target == UpgradeTarget::Host
                              ? tr("Please wait for the host to upgrade !")
                              : tr("Please wait for the battery to upgrade !"));
}

void WaitConfig::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showNotice();
        showClock();
    }
    QWidget::changeEvent(event);
}

QString WaitConfig::notice() const {
    return ui->TransLab->text();
}
