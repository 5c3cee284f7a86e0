#pragma once
// Constants of the console mode: its access codes and the command line's history length.

#include <QString>

namespace ConsoleMode {

// Access codes of the hidden service pages, eight decimal digits compared exactly. They
// keep ordinary users out of the raw console; they are not a security boundary.
inline const QString kDataPageCode = QStringLiteral("57190364");  // raw data page, "Send File"
inline const QString kCatalogueCode = QStringLiteral("83025716"); // message catalogue page

// History lines kept before a new line is added (the list then holds one more).
constexpr int kHistoryKeep = 100;

} // namespace ConsoleMode

// What an access code opens.
enum class ConsoleAccess { Wrong, DataPage, Catalogue };

inline ConsoleAccess consoleAccessFor(const QString& code) {
    if (code == ConsoleMode::kDataPageCode)
        return ConsoleAccess::DataPage;
    if (code == ConsoleMode::kCatalogueCode)
        return ConsoleAccess::Catalogue;
    return ConsoleAccess::Wrong;
}
