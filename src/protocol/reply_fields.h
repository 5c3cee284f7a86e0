#pragma once
// Field extraction shared by every status parser. The unit prints its values as
// "Label     : value unit" lines; a label is found at its first occurrence.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>

// The reply from the label's first occurrence to its end, trimmed; a null string when the
// reply does not contain the label.
QString fieldRemainder(const QString& reply, const QString& label);

// The value text of a label: on the label's line, the text after the first ':' up to the
// unit (when one is given and the line holds it) or the line end, trimmed. Empty when the
// label is missing or its line has no ':'.
QString fieldText(const QString& reply, const QString& label, const QString& unit = QString());

// The value converted (C locale, blanks tolerated); kNoData / kNoDataDouble when the label
// is missing or the text is not a number.
int fieldInt(const QString& reply, const QString& label, const QString& unit = QString());
double fieldDouble(const QString& reply, const QString& label, const QString& unit = QString());

// Conversions of a value text with an explicit fallback; non-finite doubles ("nan", "inf")
// count as failures.
int toIntOr(const QString& text, int fallback);
double toDoubleOr(const QString& text, double fallback);
// The same without a fallback: no value when the unit printed something unreadable ("----").
std::optional<double> toDouble(const QString& text);
std::optional<int> toInt(const QString& text);

bool containsAll(const QString& reply, std::initializer_list<const char*> labels);

// Splits a table line at runs of white space, empty parts kept (a leading blank gives an
// empty first field).
QStringList splitFields(const QString& line);

// The text from the first `from` (included when `includeFrom`, else excluded) up to the first
// `to` after it, or to the end when `to` is missing. Empty when `from` is missing.
QString sliceBetween(const QString& text, const QString& from, const QString& to, bool includeFrom);
