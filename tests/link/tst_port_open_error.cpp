// What a port that did not open says beside the described text: the cause, told by the error
// the port reports, and the error a real port reports when it is busy or gone.
#include "pty_pair.h"
#include "serial/my_serial.h"
#include "serial/port_open_error.h"

#include <QtTest>

namespace {
const QString kDescribed = "The serial port is occupied or does not exist";
const QString kNoRights = "You may not use serial ports: join the dialout group with\n"
                          "sudo usermod -aG dialout $USER\n"
                          "then log out and in again.";
const QString kBusy = "Another program is using this port. Close it, then press \"Login\" again.";
const QString kGone = "The adapter was unplugged. Plug it in again and pick its port.";
} // namespace

class TstPortOpenError : public QObject {
    Q_OBJECT

private slots:
    void causeLine_data() {
        QTest::addColumn<QSerialPort::SerialPortError>("error");
        QTest::addColumn<bool>("userMayOpen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no rights")
            << QSerialPort::PermissionError << false << kDescribed + '\n' + kNoRights;
        QTest::newRow("busy") << QSerialPort::PermissionError << true << kDescribed + '\n' + kBusy;
        QTest::newRow("missing") << QSerialPort::DeviceNotFoundError << false
                                 << kDescribed + '\n' + kGone;
        QTest::newRow("other") << QSerialPort::UnsupportedOperationError << true << kDescribed;
    }
    void causeLine() {
        QFETCH(QSerialPort::SerialPortError, error);
        QFETCH(bool, userMayOpen);
        QFETCH(QString, expected);
        QCOMPARE(PortOpenError::text(kDescribed, error, userMayOpen), expected);
    }

    // A port another MySerial holds, and a device path that does not exist.
    void realPort_data() {
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("expected");
        QTest::newRow("busy") << true << kDescribed + '\n' + kBusy;
        QTest::newRow("missing") << false << kDescribed + '\n' + kGone;
    }
    void realPort() {
        QFETCH(bool, held);
        QFETCH(QString, expected);
        PtyPair pty;
        QVERIFY(pty.isValid());
        SerialSettings s;
        s.portName = held ? pty.slavePath() : pty.slavePath() + "-gone";
        MySerial holder, second;
        holder.setSettings(s);
        second.setSettings(s);
        QCOMPARE(holder.open(), held);
        QVERIFY(!second.open());
        QCOMPARE(PortOpenError::text(kDescribed, second.openError(),
                                     PortOpenError::userMayOpen(s.portName)),
                 expected);
        second.close();
        QCOMPARE(second.openError(), QSerialPort::NoError);
    }
};

QTEST_GUILESS_MAIN(TstPortOpenError)
#include "tst_port_open_error.moc"
