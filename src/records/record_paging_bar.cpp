#include "records/record_paging_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

RecordPagingBar::RecordPagingBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RecordPagingWid"));
    m_rows = new QLabel(this);
    m_rows->setObjectName(QStringLiteral("PagingRowsLab"));
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("PagingStateLab"));
    m_readAll = new QPushButton(this);
    m_readAll->setObjectName(QStringLiteral("ReadAllBtn"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rows);
    layout->addWidget(m_state);
    layout->addStretch(1);
    layout->addWidget(m_readAll);
    connect(m_readAll, &QPushButton::clicked, this,
            [this] { emit readAllRequested(!m_shown.readingAll); });
    retranslate();
}

void RecordPagingBar::showProgress(const ListingProgress& progress) {
    m_shown = progress;
    retranslate();
}

void RecordPagingBar::retranslate() {
    const ListingProgress& p = m_shown;
    QString rows;
    if (p.rows > 0) {
        const int from = qMin(p.firstPageRow, p.rows - 1) + 1;
        rows = p.total ? tr("rows %1–%2 of %3").arg(from).arg(p.rows).arg(*p.total)
                       : tr("rows %1–%2").arg(from).arg(p.rows);
    }
    m_rows->setText(rows);
    QString state;
    if (p.readingAll && p.page > 0)
        state = p.pages ? tr("page %1 of %2").arg(p.page).arg(*p.pages) : tr("page %1").arg(p.page);
    else if (p.pageComing)
        state = tr("page still coming…");
    m_state->setText(state);
    m_readAll->setText(p.readingAll ? tr("Stop") : tr("Read all"));
}

QString RecordPagingBar::rowsText() const {
    return m_rows->text();
}

QString RecordPagingBar::stateText() const {
    return m_state->text();
}
