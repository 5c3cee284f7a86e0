#pragma once
// Commands that change the unit: its charge and discharge switches and its self-test.

#include <QString>

enum class UnitControl { ChargeOn, ChargeOff, DischargeOn, DischargeOff, SelfTest };

inline QString controlCommand(UnitControl control) {
    switch (control) {
    case UnitControl::ChargeOn:
        return QStringLiteral("ctrl cfet on");
    case UnitControl::ChargeOff:
        return QStringLiteral("ctrl cfet off");
    case UnitControl::DischargeOn:
        return QStringLiteral("ctrl dfet on");
    case UnitControl::DischargeOff:
        return QStringLiteral("ctrl dfet off");
    case UnitControl::SelfTest:
        break;
    }
    return QStringLiteral("tall");
}
