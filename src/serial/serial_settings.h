#pragma once
#include <QString>

// Line settings handed around by value. The int fields hold QSerialPort enum values.
struct SerialSettings {
    QString portName;
    int baudRate = 115200;
    int dataBits = 8;
    int stopBits = 1;
    int parity = 0;
    int flowControl = 0; // always none
};
