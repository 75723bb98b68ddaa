#include "SimLibrary.h"

#include <QTime>

namespace HIDUsbSimCore {

namespace {
constexpr int MaxCallLines = 20000;
}

bool SimCallLog::openFile(const QByteArray &fileName)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_file = std::fopen(fileName.constData(), "a");
    return m_file != nullptr;
}

void SimCallLog::append(const QString &line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.append(line);
    if (m_lines.size() > MaxCallLines + MaxCallLines / 10) // trim in chunks, not on every call
        m_lines.erase(m_lines.begin(), m_lines.begin() + (m_lines.size() - MaxCallLines));
    if (m_file) {
        const QByteArray text = QTime::currentTime().toString("hh:mm:ss.zzz").toUtf8() + ' ' + line.toUtf8() + '\n';
        std::fwrite(text.constData(), 1, size_t(text.size()), m_file);
        std::fflush(m_file);
    }
}

QStringList SimCallLog::lines()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines;
}

void SimCallLog::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.clear();
}

SimLibrary &SimLibrary::instance()
{
    static SimLibrary *library = new SimLibrary;
    return *library;
}

SimLibrary::SimLibrary()
{
    const QByteArray logName = qgetenv("HIDUSB_SIM_LOG");
    if (!logName.isEmpty() && !log.openFile(logName))
        std::fprintf(stderr, "HIDUsb simulator: cannot open the log file \"%s\"; calls are not logged\n",
                     logName.constData());

    // A failed firmware update to try by hand: the first flash of this run
    // fails once its progress has reached the given percentage.
    if (qEnvironmentVariableIsSet("HIDUSB_SIM_FAIL_FLASH")) {
        const QByteArray text = qgetenv("HIDUSB_SIM_FAIL_FLASH");
        bool ok = false;
        const int percent = text.toInt(&ok);
        if (ok && percent >= 0 && percent <= 100)
            bus.withControls([percent](SimControls &c) { c.failNextFlashAt = percent; });
        else
            std::fprintf(stderr,
                         "HIDUsb simulator: HIDUSB_SIM_FAIL_FLASH must be a percentage 0..100, not \"%s\"; ignored\n",
                         text.constData());
    }

    if (!qEnvironmentVariableIsSet("HIDUSB_SIM_DEVICES")) {
        // One wireless mouse of the first sample model on a 4 kHz receiver,
        // and one corded mouse of the second sample model.
        HIDUsbSim::DeviceSetup corded = HIDUsbSim::sampleCordedMouse();
        corded.receiverVersion = 0x0110;
        corded.mouseVersion = 0x0110;
        corded.battery = 100;
        bus.plug(HIDUsbSim::sampleReceiverMouse());
        bus.plug(corded);
        return;
    }
    const QString value = qEnvironmentVariable("HIDUSB_SIM_DEVICES");
    if (value == QLatin1String("none") || value.isEmpty())
        return;
    devicesFile.watch(value);
}

} // namespace HIDUsbSimCore
