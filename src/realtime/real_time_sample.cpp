#include "realtime/real_time_sample.h"

#include "protocol/reply_fields.h"
#include "realtime/realtime_constants.h"

#include <QDebug>

using namespace realtime;

namespace {
// Field positions of one layout.
struct Layout {
    int current;
    int temperature;
    int soc;
    int coulomb;
};

std::optional<Layout> layoutFor(int fieldCount) {
    switch (fieldCount) {
    case kFieldsShort:
        return Layout{4, 5, 14, 15};
    case kFieldsMedium:
        return Layout{5, 6, 15, 16};
    case kFieldsFull:
        return Layout{5, 6, 17, 18};
    default:
        return std::nullopt;
    }
}

double milli(const QString& field) {
    const double value = toDoubleOr(field, kNoDataDouble);
    return value == kNoDataDouble ? kNoDataDouble : value / kMilliPerUnit;
}
} // namespace

std::optional<RealTimeSample> parseRealTimeLine(const QString& line) {
    const QStringList f = splitFields(line);
    const std::optional<Layout> layout = layoutFor(f.size());
    if (!layout)
        return std::nullopt;
    if (f.size() == kFieldsFull) {
        qDebug() << "title:ID    Time                 Vo      Vrf     Cu      Tmpr    Tlow    "
                    "Thigh   Vlow     Vhigh    Base.St   Volt.St   Curr.St   Temp.St B.V.St    "
                    "B.T.St  Per%  Coul(mAH)";
    }
    RealTimeSample s;
    s.item = toIntOr(f.at(0), 0);
    s.time = f.at(1) + " " + f.at(2);
    s.voltage = milli(f.at(3));
    s.current = milli(f.at(layout->current));
    s.temperature = milli(f.at(layout->temperature));
    s.soc = toIntOr(QString(f.at(layout->soc)).remove('%'), kNoData);
    s.coulomb = toIntOr(f.at(layout->coulomb), kNoData);
    return s;
}

QDateTime parseSampleTime(const QString& time) {
    const QString& format =
        time.size() == kShortYearTimeLength ? kShortYearTimeFormat : kTimeFormat;
    return QDateTime::fromString(time, format);
}

RealTimeBurst parseRealTimeBurst(const QString& burst) {
    RealTimeBurst out;
    out.confirmed = burst.contains(kSuccessMarker);
    QString text = burst;
    if (text.contains(kHeaderIdWord) && text.contains(kHeaderLastColumn)) {
        text = text.mid(text.indexOf(kHeaderLastColumn) + kHeaderLastColumn.size());
        qDebug() << "data:" << text;
    }
    const QStringList lines = text.trimmed().split('\n');
    for (const QString& line : lines) {
        if (const std::optional<RealTimeSample> s = parseRealTimeLine(line))
            out.samples.append(*s);
    }
    return out;
}
