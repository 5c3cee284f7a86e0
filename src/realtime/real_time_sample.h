#pragma once
// One line of the unit's real-time stream turned into a sample, and a burst of the stream
// turned into its samples. Pure functions: text in, plain structs out.

#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>

// A value the unit printed unreadably ("----", a field cut by noise) is the no-data marker
// (kNoData, kNoDataDouble): it is neither plotted nor counted in the extremes.
struct RealTimeSample {
    int item = 0;             // the unit's sample ID; 1 starts a run
    QString time;             // date + " " + time, as printed
    double voltage = 0.0;     // V
    double current = 0.0;     // A
    double temperature = 0.0; // °C
    int soc = 0;              // %
    int coulomb = 0;          // mAH
};

// A sample from one line, or nothing when the line has no sample's field count (16, 17 or
// 19 fields, split at runs of white space, a leading blank giving an empty first field).
// An item number that does not convert gives 0; any other number the no-data marker.
std::optional<RealTimeSample> parseRealTimeLine(const QString& line);

// The time of a sample: "yy-MM-dd HH:mm:ss" when it has 17 characters, else
// "yyyy-MM-dd HH:mm:ss"; invalid when it does not parse.
QDateTime parseSampleTime(const QString& time);

struct RealTimeBurst {
    QVector<RealTimeSample> samples;
    bool confirmed = false; // the unit's "Command completed successfully" came with it
};

// The samples of one burst in order. The header line and the text before it are dropped;
// a line that holds no sample (a prompt, a line cut by noise) is skipped and the lines after
// it are still read.
RealTimeBurst parseRealTimeBurst(const QString& burst);
