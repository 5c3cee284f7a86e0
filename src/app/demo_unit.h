#pragma once
// The simulated unit behind --demo: norvanebat-sim started from beside the program on a
// fresh pseudo-terminal, ended with the program.

#include <QObject>
#include <QString>

class QProcess;

class DemoUnit : public QObject {
    Q_OBJECT
public:
    explicit DemoUnit(QObject* parent = nullptr);
    ~DemoUnit() override;

    // Starts the simulator and waits (up to timeoutMs) for the path of its terminal.
    // Returns false with errorText() set when it could not be started.
    bool start(int timeoutMs = 5000);
    QString devicePath() const { return m_path; }
    QString errorText() const { return m_error; }

private:
    QProcess* m_process = nullptr;
    QString m_path;
    QString m_error;
};
